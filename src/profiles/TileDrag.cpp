#include "profiles/TileDrag.h"

#include <charconv>

namespace quillmere {
namespace {

std::optional<std::int64_t> decimal(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    // Read with its sign, so that the lowest number fits and one past the highest does not.
    const std::string signedText = (negative ? "-" : "") + std::string(text);
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(signedText.data(), signedText.data() + signedText.size(), value);
    if (error != std::errc() || end != signedText.data() + signedText.size())
        return std::nullopt;
    return value;
}

} // namespace

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
    const auto desktop = decimal(text.substr(0, colon));
    if (!desktop)
        return std::nullopt;
    TileDrag drag{*desktop, {}};
    for (const char step : text.substr(colon + 1))
        drag.path.push_back(step == '1');
    return drag;
}

} // namespace quillmere
