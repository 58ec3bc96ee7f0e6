#pragma once

#include "core/Geometry.h"

#include <ostream>

namespace quillmere {

inline void PrintTo(const Rect& rect, std::ostream* out) {
    *out << "(" << rect.origin.x << ", " << rect.origin.y << ", " << rect.size.width << ", " << rect.size.height
         << ")";
}

} // namespace quillmere
