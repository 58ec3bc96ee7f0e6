#pragma once

#include "core/Geometry.h"
#include "core/WindowId.h"
#include "platform/Color.h"
#include "platform/Displays.h"
#include "platform/Panels.h"
#include "platform/sim/SimulatedDesktop.h"

#include <memory>
#include <string>
#include <vector>

namespace quillmere {

// What the simulated screens show at one moment, in global points (origin top left of the first display).
struct ScreensPicture {
    struct Display {
        DisplayId number = 0;
        std::string name;
        Rect bounds;
        // The top of the display that its menu bar covers.
        Rect menuBar;
        // Which of its Spaces it shows: "Space 2 of 3".
        std::string spaceLabel;
        bool active = false;
    };
    struct Window {
        WindowId number = 0;
        std::string title;
        std::string app;
        Rect frame;
        bool focused = false;
    };
    struct Panel {
        Rect frame;
        double alpha = 1;
        Color background = Color::clear();
        std::shared_ptr<const PanelView> content;
        // How many of `windows` lie below it: a panel ordered relative to a window stands just above or below
        // that window, any other in front of every window.
        std::size_t windowsBelow = 0;
    };

    std::vector<Display> displays;
    // Back to front, as they are drawn.
    std::vector<Window> windows;
    // The application's own panels that are shown, in the order they were made; those with the same
    // windows below them are drawn in that order.
    std::vector<Panel> panels;

    static ScreensPicture of(SimulatedDesktop& desktop);
};

} // namespace quillmere
