#include "menubar/WindowIdText.h"

#include <cstdint>
#include <limits>

namespace quillmere {

std::optional<WindowId> windowIdFromText(std::string_view text) {
    if (text.starts_with('+'))
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char digit : text) {
        if (digit < '0' || digit > '9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(digit - '0');
        if (value > std::numeric_limits<WindowId>::max())
            return std::nullopt;
    }
    return static_cast<WindowId>(value);
}

} // namespace quillmere
