#pragma once

#include "core/Geometry.h"
#include "core/WindowId.h"
#include "system/AXWindow.h"
#include "system/Overlay.h"

#include <functional>
#include <optional>
#include <vector>

namespace quillmere {

// What a drop at a point would do, and where the overlay shows it.
struct DropPreview {
    Rect rect;
    Overlay::Kind kind;
    friend bool operator==(const DropPreview&, const DropPreview&) = default;
};

// The next or previous Desktop of a window's display, with its 1-based place among all its Spaces.
struct AdjacentDesktop {
    SpaceId space = 0;
    int position = 0;
    friend bool operator==(const AdjacentDesktop&, const AdjacentDesktop&) = default;
};

// The questions the mouse gestures ask of the windows under management and the requests they make; the
// window manager answers them. Main thread only.
class MouseTarget {
  public:
    virtual ~MouseTarget() = default;

    virtual bool pausedByHand() const = 0;
    virtual bool focusFollowsMouse() const = 0;
    // The tracked window under the point.
    virtual std::optional<AXWindow> window(Point at) = 0;
    // The tracked normal windows whose bounds, grown by `slack` on every side, hold the point; front first.
    virtual std::vector<AXWindow> windows(Point near, double slack) = 0;
    virtual bool isTiled(WindowId id) const = 0;
    // The key window: of the application itself while it is in front, else the focused window.
    virtual std::optional<WindowId> focusedWindowID() = 0;
    // The focused window of the frontmost application, tracked or not.
    virtual std::optional<AXWindow> focusedWindow() = 0;
    virtual std::optional<Size> learnedMinimumSize(WindowId id) const = 0;
    // Safe to ask on every drag event.
    virtual std::optional<DropPreview> dropHighlight(WindowId dragging, Point at) = 0;
    virtual std::optional<AdjacentDesktop> adjacentDesktop(WindowId window, bool forward) = 0;

    virtual void drop(WindowId window, Point at) = 0;
    // While `live`, the window itself is left to the user's drag and nothing is learned.
    virtual void userResized(WindowId window, bool live) = 0;
    virtual void sendToAdjacentSpace(WindowId window, bool forward) = 0;
    // The pointer changed display or pressed: the status names the display it is on.
    virtual void refreshStatus() = 0;
    // Called when tiling pauses, so that a gesture ends at once rather than at the next event; an empty
    // function stops the calls.
    virtual void onPause(std::function<void()> endGestures) = 0;
};

} // namespace quillmere
