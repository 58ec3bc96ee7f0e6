#pragma once

#include "core/JsonReader.h"
#include "core/JsonWriter.h"
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
// them goes where its frame's centre is shown. A desktop captured for a relaunch also keeps the ids: the
// "spaces" of each display's Desktops and each window's "number" (every window has one, or none does),
// since the session the relaunched copy restores names Spaces and windows by id, which the Mac's window
// server keeps when an application relaunches; and it says which windows are "minimized" and which apps
// "hidden". Unknown keys are mistakes, so that a misspelt key is not silently ignored.
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
        bool minimized = false;
    };
    struct App {
        SimulatedDesktop::AppSetup setup;
        std::vector<Window> windows;
        bool hidden = false;
    };

    std::vector<Display> displays;
    std::vector<App> apps;
    bool trusted = true;

    static Decoded<SimulatedScenario> read(std::string_view json);
    // Two displays side by side: a 1512 × 982 built-in one with three Desktops and a 2560 × 1440 one with
    // two; four applications with six windows between them.
    static SimulatedScenario builtIn();
    // The desktop as it is, leaving out the system's own application, for a copy to start where this one
    // stopped. What the scenario cannot say is brought back to what it can: a full-screen window is back on
    // the Desktop it came from with the frame it had there, a window on every Desktop goes where its frame
    // is shown, and a window on no Space (a tab in the background) or above the normal level (a pop-up
    // menu) is left out. Within an application, windows are listed back to front, so that its front window
    // stays in front.
    static SimulatedScenario of(const SimulatedDesktop& desktop);

    // JSON that `read` reads back as this scenario; only a frame that is not finite cannot be written.
    Result<std::string, JsonWriteError> text() const;

    // Sets up an empty desktop as the scenario describes.
    void applyTo(SimulatedDesktop& desktop) const;
};

} // namespace quillmere
