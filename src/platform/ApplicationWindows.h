#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace quillmere {

// One of the application's own windows, panels included, as the application sees it.
struct ApplicationWindow {
    // The window server's number, which need not fit a window id.
    std::int64_t windowNumber = 0;
    bool isVisible = false;
    // Clicks go through it to whatever lies below.
    bool ignoresMouseEvents = false;
    friend bool operator==(const ApplicationWindow&, const ApplicationWindow&) = default;
};

// The application's own windows.
class ApplicationWindows {
  public:
    virtual ~ApplicationWindows() = default;

    virtual std::vector<ApplicationWindow> windows() = 0;
    // None while no window of the application's is key.
    virtual std::optional<std::int64_t> keyWindowNumber() = 0;
};

} // namespace quillmere
