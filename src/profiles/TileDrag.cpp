#include "profiles/TileDrag.h"

#include <charconv>

namespace quillmere {

std::string TileDrag::text() const {
    std::string text = std::to_string(desktop) + ":";
    for (const bool second : path)
        text += second ? '1' : '0';
    return text;
}

std::optional<TileDrag> TileDrag::parse(std::string_view text) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos || text.find(':', colon + 1) != std::string_view::npos)
        return std::nullopt;
    std::string_view number = text.substr(0, colon);
    if (!number.empty() && number.front() == '+')
        number.remove_prefix(1);
    if (number.empty() || number.front() == '+')
        return std::nullopt;
    TileDrag drag;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), drag.desktop);
    if (error != std::errc() || end != number.data() + number.size())
        return std::nullopt;
    for (const char step : text.substr(colon + 1))
        drag.path.push_back(step == '1');
    return drag;
}

} // namespace quillmere
