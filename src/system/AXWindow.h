#pragma once

#include "core/Geometry.h"
#include "core/WindowId.h"
#include "platform/Accessibility.h"
#include "platform/RunningApplications.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// A handle to another application's window. Callers compare `id`; every operation is a message to the
// application that fails quietly: a read that fails is none, a write that fails is ignored.
struct AXWindow {
    WindowId id = 0;
    std::int32_t pid = 0;
    AXElement element;

    // A standard window, neither minimized nor in full screen, whose size can be set.
    bool isTileable(Accessibility& accessibility) const;
    std::optional<Rect> frame(Accessibility& accessibility) const;
    // Writes nothing when the window already covers the same whole points; otherwise size, position and
    // size again, because an application may refuse a position that the old size does not fit.
    void setFrame(Accessibility& accessibility, const Rect& target) const;
    // The bundle identifier, else the application's name, else "".
    std::string bundleID(RunningApplications& applications) const;
};

namespace AXUIElementRef {

// The application's windows in its own order, without elements that are no window-server windows.
std::vector<AXWindow> windows(Accessibility& accessibility, std::int32_t of);

} // namespace AXUIElementRef

} // namespace quillmere
