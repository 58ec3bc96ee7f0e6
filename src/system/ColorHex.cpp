#include "system/ColorHex.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace quillmere {

std::optional<Color> hexToColor(std::string_view text) {
    if (text.size() != 7 || text.front() != '#')
        return std::nullopt;
    const std::string_view digits = text.substr(1);
    // from_chars alone would take a sign or stop early; every character must be a digit.
    if (!std::ranges::all_of(digits, [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); }))
        return std::nullopt;
    std::uint32_t number = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), number, 16);
    const auto component = [number](int shift) {
        return static_cast<double>((number >> shift) & 0xFF) / 255;
    };
    return Color{component(16), component(8), component(0), 1};
}

std::optional<std::string> colorToHex(const Color& color) {
    const std::array components{color.red, color.green, color.blue};
    if (!std::ranges::all_of(components, [](double c) { return std::isfinite(c); }))
        return std::nullopt;
    std::array<int, 3> bytes{};
    std::ranges::transform(components, bytes.begin(), [](double c) {
        return static_cast<int>(std::round(std::clamp(c, 0.0, 1.0) * 255));
    });
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "#%02X%02X%02X", bytes[0], bytes[1], bytes[2]);
    return std::string(text.data(), 7);
}

} // namespace quillmere
