#include "platform/sim/SimulatedDesktop.h"

namespace quillmere {

ObserverToken SimulatedDesktop::addObserver(std::string_view name, std::function<void()> block) {
    return notifications_.addObserver(name, std::move(block));
}

ObserverToken SimulatedDesktop::addObserver(std::string_view name,
                                            std::function<void(const WorkspaceNotification&)> block) {
    return notifications_.addObserver(name, std::move(block));
}

void SimulatedDesktop::removeObserver(ObserverToken token) {
    notifications_.removeObserver(token);
}

void SimulatedDesktop::post(std::string_view name, std::optional<RunningApplication> application) {
    notifications_.post(name, std::move(application));
}

void SimulatedDesktop::sleepAndWake() {
    post(didWakeNotification);
    post(screensDidWakeNotification);
}

void SimulatedDesktop::quitOwnApplication() {
    post(applicationWillTerminateNotification);
}

} // namespace quillmere
