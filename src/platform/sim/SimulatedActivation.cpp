#include "platform/sim/SimulatedDesktop.h"

#include <stdexcept>

namespace quillmere {

const sim::Display* SimulatedDesktop::displayShowing(const sim::Window& window) {
    if (form_ == SpaceListForm::perDisplay && !window.onAllSpaces && window.spaces.size() == 1)
        if (const sim::Display* holder = displayHolding(window.spaces.front()))
            return holder;
    return displayAt(window.frame.center());
}

// Every change of the front application passes here, so that the menu bar and the system's own panels
// follow it.
void SimulatedDesktop::setFront(std::optional<std::int32_t> pid) {
    const bool changed = front_ != pid;
    const bool ownWasActive = ownApplication_ && front_ == ownApplication_;
    front_ = pid;
    const bool ownIsActive = ownApplication_ && front_ == ownApplication_;
    if (ownWasActive != ownIsActive)
        ownApplicationActivated(ownIsActive);
    if (changed && pid)
        post(didActivateApplicationNotification, apps_.at(*pid).info);
    if (pid)
        followKeyWindow(*pid);
}

// The menu bar is on the display of the key window of the front application.
void SimulatedDesktop::followKeyWindow(std::int32_t pid) {
    const sim::Application* owner = app(pid);
    if (front_ != pid || !owner || !owner->focusedWindow)
        return;
    if (const sim::Display* shownOn = displayShowing(windows_.at(*owner->focusedWindow)))
        activeDisplay_ = shownOn->number;
}

void SimulatedDesktop::setOwnApplication(std::int32_t pid) {
    appOrThrow(pid);
    ownApplication_ = pid;
}

void SimulatedDesktop::setActivationPolicy(std::int32_t pid, ActivationPolicy policy) {
    appOrThrow(pid).info.activationPolicy = policy;
    // An application that leaves the Dock while in front gives the front to the owner of the frontmost window
    // left on screen, as the system does when the last window of the front application closes.
    if (policy != ActivationPolicy::regular && front_ == pid)
        activateNextAfter(pid);
    changed();
}

void SimulatedDesktop::activateNextAfter(std::int32_t pid) {
    for (WindowId number : stacking_) {
        const sim::Window& window = windows_.at(number);
        const sim::Application* owner = app(window.pid);
        if (window.pid != pid && owner && owner->info.activationPolicy == ActivationPolicy::regular &&
            isShown(window)) {
            activate(window.pid);
            return;
        }
    }
    setFront(std::nullopt);
}

} // namespace quillmere
