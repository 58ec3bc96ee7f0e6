#include "wm/WindowManager.h"

#include <string>

namespace quillmere {

void WindowManager::focus(WindowId window) {
    const auto tracked = tracking_.windows.find(window);
    if (tracked == tracking_.windows.end())
        return;
    const AXWindow target = tracked->second;
    bringForward(target);
    if (!config_.mouseFollowsFocus)
        return;
    const auto frame = target.frame(ax_);
    const auto event = services_.desktop.events.create();
    if (frame && event && !frame->contains(event->location))
        services_.desktop.events.warpMouseCursorPosition(frame->center());
}

// The private front-process call makes the window itself key; when it is refused, plain activation still
// brings the application forward with whatever window it picks, and the raise then corrects that.
void WindowManager::bringForward(const AXWindow& window) {
    WindowServer& server = services_.desktop.windowServer;
    const auto process = server.processForPid(window.pid);
    const bool fronted =
        process &&
        server.setFrontProcess(*process, window.id, FrontProcessOptions::bringForward) == StatusCode::noError;
    if (fronted)
        services_.focus.makeKey(window.id, *process);
    else
        services_.desktop.applications.activate(window.pid);
    // The window has focus already; refused, it only stays where it is in the stack.
    (void)ax_.perform(window.element, "AXRaise");
}

std::function<void()> WindowManager::focusOnArrival(WindowId window) {
    return lifetime_.guarded([this, window] { focus(window); });
}

void WindowManager::show(WindowId window) {
    const auto space = spaces_.space(window);
    if (!space)
        return;
    services_.switcher.switchTo(*space, lifetime_.guarded([this, window] {
        if (const auto tracked = tracking_.windows.find(window); tracked != tracking_.windows.end())
            bringForward(tracked->second);
    }));
}

void WindowManager::focusDisplay(bool forward) {
    const Desktops desktops = spaces_.desktops();
    const DisplaySpaces* origin = nullptr;
    if (emptyDisplay_)
        for (const DisplaySpaces& display : desktops.displays())
            if (display.id == *emptyDisplay_)
                origin = &display;
    if (!origin)
        if (const auto focused = focusedWindow())
            if (const auto space = spaces_.space(focused->id))
                origin = desktops.display(*space);
    if (!origin)
        origin = desktops.active();
    if (!origin) {
        log(LogLevel::default_, "focus display: nothing to do, %{public}s", "no active display");
        return;
    }
    const DisplaySpaces* target = desktops.neighbor(*origin, forward);
    if (!target) {
        log(LogLevel::default_, "focus display: nothing to do, %{public}s",
            std::to_string(desktops.displays().size()) + " display(s)");
        return;
    }

    std::vector<WindowId> candidates;
    if (const auto last = arrangement_.lastFocusedTiled.find(target->current);
        last != arrangement_.lastFocusedTiled.end())
        candidates.push_back(last->second);
    if (const auto laidOut = arrangement_.layouts.find(target->current);
        laidOut != arrangement_.layouts.end()) {
        const std::vector<WindowId> tiled = laidOut->second.tree.windows();
        candidates.insert(candidates.end(), tiled.begin(), tiled.end());
        candidates.insert(candidates.end(), laidOut->second.floating.begin(), laidOut->second.floating.end());
    }
    for (WindowId candidate : candidates) {
        const auto tracked = tracking_.windows.find(candidate);
        if (tracked == tracking_.windows.end())
            continue;
        const AXWindow window = tracked->second;
        log(LogLevel::default_, "focus display %{public}s: window %u", target->name(), window.id);
        emptyDisplay_.reset();
        bringForward(window);
        const auto frame = window.frame(ax_);
        services_.desktop.events.warpMouseCursorPosition(frame ? frame->center() : target->frame.center());
        return;
    }

    log(LogLevel::default_, "focus display %{public}s: empty, moving the pointer there", target->name());
    emptyDisplay_ = target->id;
    services_.desktop.events.warpMouseCursorPosition(target->frame.center());
}

} // namespace quillmere
