#pragma once

#include "platform/Accessibility.h"
#include "platform/Displays.h"
#include "platform/EventMonitors.h"
#include "platform/EventTaps.h"
#include "platform/Events.h"
#include "platform/HeldWork.h"
#include "platform/LifetimeGuard.h"
#include "platform/MainQueue.h"
#include "platform/Panels.h"
#include "system/AXWindow.h"
#include "system/Focus.h"
#include "system/Overlay.h"
#include "system/Spaces.h"
#include "wm/MouseTarget.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

namespace quillmere {

// What the gestures work through besides the windows under management.
struct MouseServices {
    EventTaps& taps;
    EventMonitors& monitors;
    Accessibility& accessibility;
    Events& events;
    Displays& displays;
    Panels& panels;
    MainQueue& queue;
    Spaces& spaces;
    Focus& focus;
};

// Turns the pointer into window-manager actions. A session event tap sees the button events: a plain drag
// of a tiled window's title bar previews and performs a drop, a drag of its own edge re-tiles the
// neighbours live; fn with the primary button moves the window under the pointer, with Shift or the
// secondary button resizes it from its nearest corner, and a modifier move released at an outer edge of
// the displays sends the window to the neighbouring Space. Mouse-moved monitors follow the pointer across
// displays for the status and, with focus follows mouse, focus the window the pointer rests on without
// raising it.
//
// What it keeps true: only fn gestures swallow events, and only while tiling runs; while paused every
// event passes and no gesture is under way. Without a tap (the system refused it) it does nothing at all.
// After stop() nothing it scheduled runs and it stays inert. Main thread only; the target outlives it.
class Mouse {
  public:
    using Duration = MainQueue::Duration;

    // Left and right down, up and dragged; pointer motion comes through the monitors instead.
    static constexpr EventMask tappedEvents = 0xDE;
    // A plain drag watches the tracked windows this close to the press point.
    static constexpr double watchSlack = 8;
    // A watched window whose size or place changed by more than this is being dragged by the user.
    static constexpr double dragThreshold = 2;
    // Live re-tiling waits for the pointer to pause this long, so that it never runs on every event.
    static constexpr Duration liveResizeDelay = std::chrono::milliseconds(60);
    // The pointer must rest this long on a window before focus goes there.
    static constexpr Duration hoverDelay = std::chrono::milliseconds(150);
    // Hit tests for focus follows mouse run at most this often.
    static constexpr Duration hitTestInterval = std::chrono::milliseconds(16);
    // A modifier move released this close to an outer edge sends the window on; the strip shows where.
    static constexpr double outerEdgeReach = 2;
    static constexpr double sendStripWidth = 220;

    Mouse(MouseTarget& target, const MouseServices& services);
    ~Mouse();
    Mouse(const Mouse&) = delete;
    Mouse& operator=(const Mouse&) = delete;

    // Removes the tap and the monitors, ends any gesture and cancels what was pending. For good.
    void stop();

    // Told every time the system switches the tap off.
    std::function<void()> onDisabled = [] {};

  private:
    struct Pressed {
        Point start;
    };
    struct Watching {
        std::vector<std::pair<AXWindow, Rect>> windows;
    };
    struct EdgeResizing {
        AXWindow window;
    };
    struct Moving {
        AXWindow window;
        Rect frame;
        Point start;
        bool byModifier = false;
    };
    struct Resizing {
        AXWindow window;
        Rect frame;
        Point start;
        // The edges that follow the pointer.
        bool east = false;
        bool south = false;
    };
    using Drag = std::variant<Pressed, Watching, EdgeResizing, Moving, Resizing>;

    struct OuterEdge {
        bool right = false;
        Rect strip;
    };

    // Answers whether the event is swallowed.
    bool handle(EventType type, const Event& event);
    bool route(EventType type, const Event& event);
    bool leftDown(const Event& event);
    bool leftDragged(Point location);
    bool leftUp(Point location);
    bool rightDown(const Event& event);
    // A modifier gesture on the window under the pointer; false when there is none or its frame is unknown.
    bool grab(Point location, bool resizing);
    void endGesture();
    void showDropPreview(const AXWindow& window, Point location);
    void watch(const std::vector<std::pair<AXWindow, Rect>>& windows, Point location);
    void liveResize(const AXWindow& window);
    void finishResize(const AXWindow& window);
    void resizeFromCorner(Point point);
    std::optional<OuterEdge> edge(Point point);

    void pointerMoved(const Event& event);
    void focusFollowsMouse(Point point);
    void hitTest(Point point);
    void hoverEnded(WindowId window, std::optional<WindowId> focusedBefore);

    MouseTarget& target_;
    MouseServices services_;
    MainQueue& queue_;
    Overlay overlay_;
    std::unique_ptr<EventTap> tap_;
    std::optional<EventMonitorToken> moveMonitor_;
    std::optional<EventMonitorToken> localMoveMonitor_;
    DisplayId pointerDisplay_ = 0;
    std::optional<Drag> drag_;
    // The release that belongs to a press the application never saw.
    std::optional<EventType> swallowedRelease_;
    std::optional<WindowId> hovered_;
    HeldWork hoverWork_{queue_};
    std::optional<MainQueue::Instant> lastHitTest_;
    // The last motion inside the hit-test interval is tested once the interval is over, so a pointer that
    // comes to rest right after a test still focuses what it rests on.
    Point latestPointer_;
    HeldWork trailingHitTest_{queue_};
    HeldWork liveResizeWork_{queue_};
    LifetimeGuard lifetime_;
};

} // namespace quillmere
