#pragma once

#include "core/Geometry.h"
#include "core/WindowId.h"
#include "platform/RunningApplications.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// The mini map's picture of the desktop: every display (or one for all displays when they share their
// Spaces), its Spaces in order, and each Space's windows as rectangles relative to the display.
struct MiniWindow {
    WindowId id = 0;
    std::int32_t pid = 0;
    // The window's frame as a share of its display's frame: a window filling the display is (0, 0, 1, 1).
    Rect rect;
    bool isFloating = false;
    friend bool operator==(const MiniWindow&, const MiniWindow&) = default;
};

struct MiniSpace {
    SpaceId id = 0;
    // The place among all Spaces of the display, from 1, full-screen Spaces counted.
    int number = 0;
    std::optional<std::string> label;
    bool isCurrent = false;
    // Back to front.
    std::vector<MiniWindow> windows;
    // Shared Spaces only: the same Desktop's id on every display, in display order.
    std::vector<SpaceId> panelSpaces;
    bool isFullScreen = false;

    // The applications of the windows, left to right, joined by " · "; one name per window.
    std::string appNames(RunningApplications& applications) const;

    friend bool operator==(const MiniSpace&, const MiniSpace&) = default;
};

struct MiniDisplay {
    // "spanning" for the one display that stands for all displays sharing their Spaces.
    std::string id;
    std::string name;
    Rect frame;
    double aspect = 1;
    bool isActive = false;
    std::vector<MiniSpace> spaces;
    // Shared Spaces only: every real display's frame relative to `frame`, and its id, in display order.
    std::vector<Rect> panels;
    std::vector<std::string> panelDisplays;
    friend bool operator==(const MiniDisplay&, const MiniDisplay&) = default;
};

// `rect` as a share of `frame`; the empty rectangle when the frame has no area to share, as a display
// read while it goes away has.
Rect normalized(const Rect& rect, const Rect& frame);

// Width over height, the height taken as 1 when it is 1 or less; 1 for a frame that is not there.
double aspect(const Rect& frame);

} // namespace quillmere
