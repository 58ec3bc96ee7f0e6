#pragma once

#include <optional>
#include <string>

namespace quillmere {

// What an X server says of its window manager, asked once before the application starts.
struct WindowManagerCheck {
    // The server answered.
    bool reached = false;
    // The name of the EWMH window manager that runs on it (empty when it gives none); none when no window
    // manager publishes a valid _NET_SUPPORTING_WM_CHECK.
    std::optional<std::string> windowManager;
};

// Asks the named display (DISPLAY when none), and closes the connection again.
WindowManagerCheck probeWindowManager(const char* display = nullptr);

} // namespace quillmere
