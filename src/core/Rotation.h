#pragma once

namespace quillmere {

// Clockwise quarter turns of a tiling tree in screen coordinates (y grows downward).
enum class Rotation { quarter, half, threeQuarter };

} // namespace quillmere
