#include "system/AXUIElement.h"
#include "wm/WindowManager.h"

#include <algorithm>

namespace quillmere {

void WindowManager::focusSpace(std::int64_t position) {
    const Desktops desktops = spaces_.desktops();
    const DisplaySpaces* display = desktops.active();
    if (!display)
        return;
    // The Space already shown needs no switch: a swipe of no steps would still be logged and could move the
    // pointer.
    if (const auto space = Desktops::spaceAtPosition(position, *display); space && *space != display->current)
        services_.switcher.switchTo(*space);
}

void WindowManager::stepSpace(bool forward) {
    const Desktops desktops = spaces_.desktops();
    const DisplaySpaces* display = desktops.active();
    if (!display)
        return;
    if (const auto next = display->desktop(display->current, forward))
        services_.switcher.switchTo(*next);
}

void WindowManager::stepFullScreen(bool forward) {
    const Desktops desktops = spaces_.desktops();
    const DisplaySpaces* display = desktops.active();
    const auto next = display ? display->fullScreenSpace(display->current, forward) : std::nullopt;
    if (!next) {
        log(LogLevel::default_, "space fullscreen: no full-screen apps on this display");
        return;
    }
    services_.switcher.switchTo(*next);
}

void WindowManager::lastSpace() {
    const Desktops desktops = spaces_.desktops();
    const DisplaySpaces* display = desktops.active();
    if (!display)
        return;
    const auto previous = history_.previousSpace.find(display->id);
    if (previous != history_.previousSpace.end() &&
        std::ranges::find(display->order, previous->second) != display->order.end())
        services_.switcher.switchTo(previous->second);
}

void WindowManager::toggleFullScreen() {
    const auto window = focusedWindow();
    if (!window) {
        log(LogLevel::default_, "fullscreen: no window has focus");
        return;
    }
    const bool on = AXUIElementRef::value<bool>(ax_, window->element, "AXFullScreen") != true;
    const std::string app = localizedName(window->pid);
    log(LogLevel::default_, "fullscreen %{public}s for %u %{public}s", on ? "on" : "off", window->id, app);
    if (!fullScreen_.set(*window, on))
        log(LogLevel::error, "fullscreen: %{public}s refused", app);
}

} // namespace quillmere
