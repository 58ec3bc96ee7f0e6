#pragma once

#include "core/Geometry.h"
#include "core/WindowId.h"
#include "core/WindowRef.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace quillmere {

// One window of a regular application on exactly one known Space, from the window server's list of every
// window.
struct InventoryWindow {
    WindowId id = 0;
    // The bundle identifier of its application.
    std::string app;
    SpaceId space = 0;
    // Global points, origin top left.
    Rect bounds;
    std::int32_t pid = 0;
    friend bool operator==(const InventoryWindow&, const InventoryWindow&) = default;
};

// Which Space a window of the inventory is on.
struct WindowPlace {
    WindowId id = 0;
    std::string app;
    SpaceId space = 0;
    friend bool operator==(const WindowPlace&, const WindowPlace&) = default;
};

// The stable reference of each window, numbered per application in ascending id order; where two windows
// get one reference the first keeps it.
std::map<WindowRef, WindowId> liveRefs(const std::vector<WindowPlace>& windows);

// At least half of the rectangle lies on one of the displays; overlaps with several are not added up.
bool mostlyOnScreen(const Rect& rect, const std::vector<Rect>& displays);

} // namespace quillmere
