#pragma once

#include "core/Geometry.h"
#include "core/Spacing.h"

namespace quillmere {

// Where and how a Space is laid out: its screen's spacing and the area the tiles share.
struct SpaceGeometry {
    Spacing spacing;
    // The visible area inset by the padding.
    Rect area;
};

} // namespace quillmere
