#pragma once

#include "platform/AccessibilityDisplay.h"
#include "platform/Displays.h"
#include "platform/x11/DisplayIdentity.h"
#include "platform/x11/X11Connection.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// The monitors of the X screen as RandR 1.5 lists them (which `xrandr --setmonitor` may define too), each
// a display named by its first output (or, without one, by its name's atom). The display at the origin is
// the main one. What is read is kept until RandR or the work area says something changed, and whoever
// listens is told then, on the main queue.
class X11Displays final : public Displays, public AccessibilityDisplay {
  public:
    explicit X11Displays(X11Connection& connection);
    ~X11Displays() override;
    X11Displays(const X11Displays&) = delete;
    X11Displays& operator=(const X11Displays&) = delete;

    std::vector<DisplayId> activeDisplays() override;
    DisplayId mainDisplay() override;
    Rect bounds(DisplayId display) override;
    DisplayHardware hardware(DisplayId display) override;
    std::optional<std::string> uuid(DisplayId display) override;
    std::optional<std::vector<DisplayId>> displaysWithPoint(Point point, std::uint32_t maxDisplays) override;
    std::vector<Screen> screens() override;
    std::optional<Screen> mainScreen() override;

    // X has no desktop-wide setting for reduced motion.
    bool shouldReduceMotion() override { return false; }

    // Called when monitors come, go or change, or the work area changes.
    void onChange(std::function<void()> changed);

  private:
    struct Monitor {
        DisplayId id = 0;
        std::string name;
        Rect bounds;
        DisplayIdentity identity;
    };

    const std::vector<Monitor>& monitors();
    const Monitor* find(DisplayId display);
    std::vector<Monitor> readMonitors();
    std::optional<Rect> workArea();
    void handle(const xcb_generic_event_t& event);

    X11Connection& connection_;
    X11Connection::ListenerId listener_;
    std::uint8_t randrEvents_ = 0;
    bool hasRandr_ = false;
    std::optional<std::vector<Monitor>> monitors_;
    std::function<void()> changed_;
};

} // namespace quillmere
