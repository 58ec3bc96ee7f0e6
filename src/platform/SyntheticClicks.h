#pragma once

#include "core/Geometry.h"

#include <optional>

namespace quillmere {

enum class MouseEventType { mouseMoved, leftMouseDown, leftMouseUp };

// Mouse events made up by the application and posted as if they came from the hardware. Points are
// global, origin top left.
class SyntheticClicks {
  public:
    virtual ~SyntheticClicks() = default;

    // Where the pointer stands, read from a new empty event; none when no event can be made.
    virtual std::optional<Point> pointerLocation() = 0;
    // A left-button event at the point; false, and nothing posted, when the event cannot be made.
    virtual bool postMouseEvent(MouseEventType type, Point at) = 0;
    // Puts the pointer there without posting an event.
    virtual void warpPointer(Point to) = 0;
};

} // namespace quillmere
