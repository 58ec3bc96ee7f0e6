#include "platform/QueuedNotificationCenter.h"

namespace quillmere {

ObserverToken QueuedNotificationCenter::addObserver(std::string_view name, std::function<void()> block) {
    return addObserver(name, [block = std::move(block)](const WorkspaceNotification&) { block(); });
}

ObserverToken QueuedNotificationCenter::addObserver(std::string_view name,
                                                    std::function<void(const WorkspaceNotification&)> block) {
    const std::uint64_t token = nextObserver_++;
    observers_.emplace(token, Observer{std::string(name), std::move(block)});
    return {token};
}

void QueuedNotificationCenter::removeObserver(ObserverToken token) {
    observers_.erase(token.value);
}

void QueuedNotificationCenter::post(std::string_view name, std::optional<RunningApplication> application) {
    for (const auto& [token, observer] : observers_) {
        if (observer.name != name)
            continue;
        queue_.after(MainQueue::Duration::zero(),
                     lifetime_.guarded(
                         [this, token, notification = WorkspaceNotification{std::string(name), application}] {
                             const auto found = observers_.find(token);
                             if (found == observers_.end())
                                 return;
                             // A copy, because the block may remove its own observer.
                             const auto block = found->second.block;
                             block(notification);
                         }));
    }
}

} // namespace quillmere
