#pragma once

#include "core/Geometry.h"

#include <cstddef>
#include <vector>

namespace quillmere {

// Drawing a set of display frames.
namespace Arrangement {

// Groups the frames into rows of displays that overlap vertically, topmost row first, each row left to
// right; a row holds indexes into the frames.
std::vector<std::vector<std::size_t>> rows(const std::vector<Rect>& frames);

// Scales the frames as one picture to touch the size on one axis and centres them on the other; frames
// without extent come back as they are.
std::vector<Rect> fit(const std::vector<Rect>& frames, Size size);

} // namespace Arrangement

} // namespace quillmere
