#pragma once

#include "core/BSPTree.h"
#include "core/Desktops.h"
#include "core/Geometry.h"
#include "core/SpaceLayout.h"
#include "core/WindowId.h"
#include "platform/MainQueue.h"
#include "system/AXWindow.h"
#include "wm/SpaceGeometry.h"

#include <cstdint>
#include <optional>
#include <string>

namespace quillmere {

// The questions the reading of moves made by others asks of the windows under management and the requests
// it makes; the window manager answers them. Main thread only.
class OutsideMovesTarget {
  public:
    virtual ~OutsideMovesTarget() = default;

    virtual bool adoptsNativeTiling() const = 0;
    virtual bool pausedByHand() const = 0;
    // From a display change until the displays settle, when every Space is laid out again anyway.
    virtual bool displaysUnsettled() const = 0;
    // The first Space whose layout holds the window, tiled or floating.
    virtual std::optional<SpaceId> layoutSpace(WindowId window) const = 0;
    // None when the Space has no layout.
    virtual const SpaceLayout* storedLayout(SpaceId space) const = 0;
    virtual std::optional<AXWindow> trackedWindow(WindowId window) const = 0;
    // The focused window of the frontmost application, tracked or not.
    virtual std::optional<AXWindow> focusedWindow() = 0;
    virtual std::string localizedName(std::int32_t pid) = 0;
    // The Space's display without menu bar and Dock, global points; none without any screen.
    virtual std::optional<Rect> visibleArea(SpaceId space) = 0;
    virtual std::optional<SpaceGeometry> geometry(SpaceId space, const Desktops& desktops) = 0;
    // The minimum sizes layouts are normalised with.
    virtual MinimumSizes tileMinimumSizes() const = 0;
    // The frame last written to the window; none when it never was.
    virtual std::optional<Rect> writtenFrame(WindowId window) const = 0;
    // When a write last changed the window's frame; none when no write had to.
    virtual std::optional<MainQueue::Instant> writtenAt(WindowId window) const = 0;
    // While the window glides to its tile, the frames it passes through are the manager's own.
    virtual bool isAnimated(WindowId window) const = 0;

    virtual void storeLayout(SpaceId space, SpaceLayout layout) = 0;
    // Writes the Space's layout to the screen, as far as the pause gates let it.
    virtual void applyLayout(SpaceId space) = 0;
    // Lowers a learned minimum size to a frame the window was seen in; answers whether it did.
    virtual bool correctMinimumSize(WindowId window, const Rect& seen) = 0;
};

} // namespace quillmere
