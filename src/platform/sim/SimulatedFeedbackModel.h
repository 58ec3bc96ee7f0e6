#pragma once

#include "core/Geometry.h"
#include "core/WindowId.h"
#include "platform/Displays.h"
#include "platform/Panels.h"
#include "platform/ScreenCapture.h"
#include "platform/Events.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The records behind the simulated desktop's panels, menus, pointer, pictures and screen capture.
namespace quillmere::sim {

// An alpha animation under way.
struct Fade {
    std::uint64_t id = 0;
    double to = 0;
};

// A panel of the application's own, as the screen shows it.
struct Panel {
    PanelStyle style;
    // Screen coordinates: origin bottom left of the first screen, y upward.
    Rect frame;
    // On screen, even while the system's animation takes it off.
    bool visible = false;
    // The number of that animation while it is under way.
    std::optional<std::uint64_t> orderOutAnimation;
    // Taken off screen because its application stopped being the active one; back when it is again.
    bool hiddenByDeactivation = false;
    // How it was last ordered in: relative to a window (0: every window) or in front of all.
    WindowOrderingMode ordering = WindowOrderingMode::out;
    WindowId relativeTo = 0;
    double alpha = 1;
    std::optional<Fade> fade;
    std::shared_ptr<const PanelView> content;
};

// What pressing a menu item does.
enum class MenuEffect { none, tileLeft, tileRight };

// One element of an application's menu bar: the bar itself, a bar item, a menu or a menu item.
struct MenuNode {
    std::string role;
    std::optional<std::string> title;
    std::optional<std::string> identifier;
    std::optional<bool> enabled;
    MenuEffect effect = MenuEffect::none;
    std::vector<std::size_t> children;
    std::uint64_t element = 0;
};

struct MouseEvent {
    EventType type = EventType::mouseMoved;
    Point at;
    friend bool operator==(const MouseEvent&, const MouseEvent&) = default;
};

// The system's offer of the other windows for the second half of a split full screen.
struct TilePicker {
    std::uint64_t id = 0;
    WindowId first = 0;
    bool firstLeft = true;
    // Where each candidate comes to rest, in the order they are offered.
    std::vector<std::pair<WindowId, Rect>> slots;
    // Where every window involved stood before, to go back there.
    std::map<WindowId, Rect> before;
};

struct PictureFile {
    Size pixels;
    // Stored turned a quarter, as a camera held upright writes it; shown the right way up.
    bool quarterTurned = false;
};

struct CaptureRequest {
    WindowId window = 0;
    ScreenshotConfiguration configuration;
    friend bool operator==(const CaptureRequest&, const CaptureRequest&) = default;
};

} // namespace quillmere::sim
