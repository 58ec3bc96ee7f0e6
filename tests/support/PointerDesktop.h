#pragma once

#include "support/CommandedDesktop.h"
#include "system/Overlay.h"
#include "wm/Mouse.h"

#include <memory>
#include <optional>
#include <vector>

namespace quillmere {

// A commanded desktop whose user works the mouse: the application itself runs on it (so its panels are in
// the window list), and the mouse gestures are made once the manager has started.
struct PointerDesktop : CommandedDesktop {
    static constexpr EventFlags fn = EventFlag::maskSecondaryFn;
    static constexpr EventFlags shift = EventFlag::maskShift;

    PointerDesktop() {
        managed.ownPid = own;
        desktop.setOwnApplication(own);
    }

    void startWithMouse() {
        start();
        mouse = std::make_unique<Mouse>(manager(), managed.mouseServices());
        mouse->onDisabled = [this] { ++disabledNotices; };
        managed.settle();
    }

    // A press, drags through the points and a release of the button, each event followed by what it started.
    void drag(Point from, const std::vector<Point>& through, EventFlags flags = 0, int button = 0) {
        desktop.mouseDown(button, from, flags);
        managed.settle();
        for (const Point& to : through) {
            desktop.mouseDrag(to);
            managed.settle();
        }
        desktop.mouseUp(button);
        managed.settle();
    }

    // What the overlays on screen say, the manager's notices included; a panel on its way out counts as gone.
    std::vector<Overlay::Kind> overlays() const {
        std::vector<Overlay::Kind> shown;
        for (const sim::Panel* panel : desktop.panels())
            if (const auto* view = dynamic_cast<const OverlayView*>(panel->content.get());
                view && panel->visible && !panel->orderOutAnimation)
                shown.push_back(view->kind);
        return shown;
    }

    static Point above(const Rect& frame, double by) { return {frame.midX(), frame.minY() + by}; }

    const std::int32_t own =
        desktop.launch({.bundleIdentifier = "com.brenvald.quillmere", .name = "Quillmere",
                        .policy = ActivationPolicy::accessory});
    std::unique_ptr<Mouse> mouse;
    int disabledNotices = 0;
};

} // namespace quillmere
