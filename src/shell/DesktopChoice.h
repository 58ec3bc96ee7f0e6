#pragma once

#include "core/Result.h"
#include "shell/LaunchOptions.h"

#include <optional>
#include <string>

namespace quillmere {

// The desktops the application can run on.
enum class DesktopKind {
    // The user's own X11 session, beside its window manager.
    x11,
    // The simulated desktop, shown in its own window.
    simulated,
};

// What the session offers to run on, as found at start.
struct DisplayFacts {
    // The X server DISPLAY names, if it is set.
    std::optional<std::string> x11Display;
    // That server answered.
    bool x11Reached = false;
    // Its window manager publishes _NET_SUPPORTING_WM_CHECK, as every EWMH window manager does.
    bool ewmhWindowManager = false;
    // WAYLAND_DISPLAY is set, where the simulated desktop's window can be shown.
    bool waylandDisplay = false;
};

// The X11 desktop on an X server with an EWMH window manager, unless the simulated one is asked for
// (--simulated or --scenario); the simulated desktop on any other display. The error is the one line that
// tells why there is nothing to run on.
Result<DesktopKind, std::string> chooseDesktop(const LaunchOptions& options, const DisplayFacts& facts);

} // namespace quillmere
