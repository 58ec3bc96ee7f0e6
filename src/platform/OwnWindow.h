#pragma once

#include <cstdint>

namespace quillmere {

// One of the system's own windows.
class OwnWindow {
  public:
    virtual ~OwnWindow() = default;

    // Puts the window in front of the system's other windows and makes it their key window.
    virtual void makeKeyAndOrderFront() = 0;
    // The window server's number of the window, which need not fit a window id.
    virtual std::int64_t windowNumber() const = 0;
};

} // namespace quillmere
