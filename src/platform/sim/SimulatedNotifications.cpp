#include "platform/sim/SimulatedDesktop.h"

namespace quillmere {

ObserverToken SimulatedDesktop::addObserver(std::string_view name,
                                            std::function<void(const WorkspaceNotification&)> block) {
    const std::uint64_t token = nextNotificationObserver_++;
    auto plain = [block, notification = WorkspaceNotification{std::string(name), std::nullopt}] {
        block(notification);
    };
    notificationObservers_.emplace(token, sim::NotificationObserver{std::string(name), plain, std::move(block)});
    return {token};
}

void SimulatedDesktop::post(std::string_view name, std::optional<RunningApplication> application) {
    for (const auto& [token, observer] : notificationObservers_) {
        if (observer.name != name)
            continue;
        queue_.after(MainQueue::Duration::zero(),
                     lifetime_.guarded(
                         [this, token, notification = WorkspaceNotification{std::string(name), application}] {
                             const auto found = notificationObservers_.find(token);
                             if (found == notificationObservers_.end())
                                 return;
                             // Copies, because a block may remove its own observer.
                             if (const auto informed = found->second.informed) {
                                 informed(notification);
                             } else {
                                 const auto block = found->second.block;
                                 block();
                             }
                         }));
    }
}

void SimulatedDesktop::sleepAndWake() {
    post(didWakeNotification);
    post(screensDidWakeNotification);
}

void SimulatedDesktop::quitOwnApplication() {
    post(applicationWillTerminateNotification);
}

} // namespace quillmere
