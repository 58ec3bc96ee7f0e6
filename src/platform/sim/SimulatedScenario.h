#pragma once

#include "core/JsonReader.h"
#include "platform/sim/SimulatedDesktop.h"

#include <optional>
#include <string_view>
#include <vector>

namespace quillmere {

// A simulated desktop to start from: displays with their Desktops, running applications with their
// windows, and whether the system trusts the application. Read from JSON such as
//
//   {"displays": [{"name": "Built-in Display", "frame": [[0, 0], [1512, 982]], "builtIn": true,
//                  "desktops": 3, "shown": 1}],
//    "apps": [{"bundleIdentifier": "com.apple.Safari", "name": "Safari",
//              "windows": [{"title": "Start Page", "frame": [[40, 60], [900, 700]], "display": 1,
//                           "desktop": 2, "minimumSize": [400, 300], "focused": true}]}],
//    "trusted": true}
//
// Only "frame" of a display and "title" and "frame" of a window must be given; the last window marked
// "focused" has the focus, as the user left it. Display and Desktop numbers count from 1; a window without
// them goes where its frame's centre is shown. Unknown keys are mistakes, so that a misspelt key is not
// silently ignored.
struct SimulatedScenario {
    struct Display {
        SimulatedDesktop::DisplaySetup setup;
        // The Desktop the display shows, from 1.
        int shown = 1;
    };
    struct Window {
        SimulatedDesktop::WindowSetup setup;
        // Both or neither: the display from 1 and its Desktop from 1.
        std::optional<int> display;
        std::optional<int> desktop;
        bool focused = false;
    };
    struct App {
        SimulatedDesktop::AppSetup setup;
        std::vector<Window> windows;
    };

    std::vector<Display> displays;
    std::vector<App> apps;
    bool trusted = true;

    static Decoded<SimulatedScenario> read(std::string_view json);
    // Two displays side by side: a 1512 × 982 built-in one with three Desktops and a 2560 × 1440 one with
    // two; four applications with six windows between them.
    static SimulatedScenario builtIn();

    // Sets up an empty desktop as the scenario describes.
    void applyTo(SimulatedDesktop& desktop) const;
};

} // namespace quillmere
