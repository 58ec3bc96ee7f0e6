#include "platform/x11/X11Property.h"

#include <algorithm>
#include <cstring>

namespace quillmere {

std::vector<std::uint32_t> X11Property::cardinals() const {
    // An empty vector's data may be null, which memcpy must not be given even for no bytes.
    if (format != 32 || bytes.size() < sizeof(std::uint32_t))
        return {};
    std::vector<std::uint32_t> items(bytes.size() / sizeof(std::uint32_t));
    std::memcpy(items.data(), bytes.data(), items.size() * sizeof(std::uint32_t));
    return items;
}

std::optional<std::uint32_t> X11Property::cardinal() const {
    if (format != 32 || bytes.size() < sizeof(std::uint32_t))
        return std::nullopt;
    std::uint32_t item = 0;
    std::memcpy(&item, bytes.data(), sizeof item);
    return item;
}

std::string X11Property::text() const {
    if (format != 8)
        return {};
    const auto end = std::ranges::find(bytes, std::uint8_t{0});
    return std::string(bytes.begin(), end);
}

std::vector<std::string> X11Property::texts() const {
    std::vector<std::string> items;
    if (format != 8 || bytes.empty())
        return items;
    auto start = bytes.begin();
    while (start != bytes.end()) {
        const auto end = std::find(start, bytes.end(), std::uint8_t{0});
        items.emplace_back(start, end);
        start = end == bytes.end() ? end : end + 1;
    }
    return items;
}

} // namespace quillmere
