#pragma once

#include "core/Geometry.h"
#include "platform/Displays.h"

namespace quillmere {

// A global rectangle (origin top left, y downward) in the coordinates of panels: x stays, y counts up
// from the bottom of the first screen.
inline Rect panelFrame(const Rect& global, const Screen& firstScreen) {
    return Rect(global.minX(), firstScreen.frame.height() - global.maxY(), global.width(), global.height());
}

} // namespace quillmere
