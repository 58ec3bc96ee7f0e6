#pragma once

#include "core/LayoutMode.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace quillmere {

// How one display's current Space is numbered for the status.
struct DisplayIndex {
    // The current Space's place among all Spaces of the display, from 1; none when not found.
    std::optional<int> number;
    bool isActive = false;
    friend bool operator==(const DisplayIndex&, const DisplayIndex&) = default;
};

// One mark per Space of the active display.
struct StepSlot {
    struct Desktop {
        // At least one window of the inventory lies on it.
        bool occupied = false;
        friend bool operator==(const Desktop&, const Desktop&) = default;
    };
    struct FullScreen {
        friend bool operator==(const FullScreen&, const FullScreen&) = default;
    };

    static StepSlot desktop(bool occupied) { return {Desktop{occupied}}; }
    static StepSlot fullScreen() { return {FullScreen{}}; }

    std::variant<Desktop, FullScreen> value;
    friend bool operator==(const StepSlot&, const StepSlot&) = default;
};

// What the window manager is doing on the screen the user looks at: the active display's current Space,
// its windows, and the Spaces of every display. A plain value, told to the rest of the application.
struct WindowManagerStatus {
    // The current Space's place among all Spaces of the active display, full-screen Spaces counted.
    std::optional<int> space;
    std::optional<std::string> label;
    int stacked = 0;
    int total = 0;
    LayoutMode mode = LayoutMode::bsp;
    int windowCount = 0;
    int floating = 0;
    bool paused = false;
    std::vector<DisplayIndex> displays;
    bool isFullScreen = false;
    std::vector<StepSlot> order;
    std::optional<std::string> profile;
    // Always none while `profile` is.
    std::optional<std::string> profileIcon;
    friend bool operator==(const WindowManagerStatus&, const WindowManagerStatus&) = default;
};

} // namespace quillmere
