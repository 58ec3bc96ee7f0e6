#pragma once

#include <cstdint>
#include <vector>

namespace quillmere {

// A picture as plain pixels: rows from top to bottom, four bytes per pixel (red, green, blue, alpha).
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;

    friend bool operator==(const Image&, const Image&) = default;
};

} // namespace quillmere
