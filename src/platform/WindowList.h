#pragma once

#include "core/Geometry.h"
#include "core/WindowId.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// What the window server tells about one window.
struct WindowDescription {
    WindowId number = 0;
    std::int32_t ownerPid = 0;
    std::string ownerName;
    std::optional<std::string> name;
    // 0 for ordinary application windows.
    int layer = 0;
    // Global points, origin top left; none when not known.
    std::optional<Rect> bounds;
    bool isOnscreen = false;
    // From 0, fully transparent, to 1; none when the window server does not say.
    std::optional<double> alpha;
    friend bool operator==(const WindowDescription&, const WindowDescription&) = default;
};

// The keys of the window server's level table.
enum class WindowLevelKey : int {
    popUpMenu = 11,
};

// The window server's list of windows of every application.
class WindowList {
  public:
    virtual ~WindowList() = default;

    // Every window shown on some display now, front to back.
    virtual std::vector<WindowDescription> onScreenWindows() = 0;
    // Every window of every Space, shown or not (minimized, hidden, on Spaces not shown), front to back;
    // the desktop's own elements are left out.
    virtual std::vector<WindowDescription> allWindows() = 0;
    // The descriptions of the windows that exist, in the given order; unknown ones are left out.
    virtual std::vector<WindowDescription> describe(const std::vector<WindowId>& windows) = 0;
    // The level of the windows of that kind: a key names a kind, not a level.
    virtual int windowLevel(WindowLevelKey key) = 0;
};

} // namespace quillmere
