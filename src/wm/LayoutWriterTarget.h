#pragma once

#include "core/BSPTree.h"
#include "core/Desktops.h"
#include "core/Geometry.h"
#include "core/WindowId.h"
#include "system/AXWindow.h"
#include "wm/SpaceGeometry.h"

#include <optional>

namespace quillmere {

// The questions the writing of layouts asks of the windows under management and the requests it makes; the
// window manager answers them. Main thread only.
class LayoutWriterTarget {
  public:
    virtual ~LayoutWriterTarget() = default;

    virtual bool animatesWindows() const = 0;
    virtual std::optional<SpaceGeometry> geometry(SpaceId space, const Desktops& desktops) = 0;
    // Only tracked windows are written.
    virtual std::optional<AXWindow> trackedWindow(WindowId window) const = 0;
    virtual std::optional<Size> learnedMinimumSize(WindowId window) const = 0;

    // Fits the Space's layout to the area with the minimum sizes known and answers its tiles; none when the
    // Space has no layout.
    virtual std::optional<FrameMap> fitLayout(SpaceId space, const Rect& area, double gap) = 0;
    virtual void rememberMinimumSize(WindowId window, Size size) = 0;
    // The active Space has been written; what is shown about it follows.
    virtual void activeSpaceWritten(SpaceId space, const Desktops& desktops, const Rect& area,
                                    double gap) = 0;
};

} // namespace quillmere
