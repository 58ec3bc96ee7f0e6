#pragma once

namespace quillmere {

// A colour in the sRGB space, each component from 0 to 1.
struct Color {
    double red = 0;
    double green = 0;
    double blue = 0;
    double alpha = 1;

    static constexpr Color clear() { return {0, 0, 0, 0}; }
    static constexpr Color black(double alpha) { return {0, 0, 0, alpha}; }

    friend bool operator==(const Color&, const Color&) = default;
};

// Colours that the system resolves when it draws, following the user's appearance and accent choice.
enum class SystemColor { accent, orange, purple, red, blue, green, teal };

} // namespace quillmere
