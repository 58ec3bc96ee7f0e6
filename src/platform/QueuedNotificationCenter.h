#pragma once

#include "platform/LifetimeGuard.h"
#include "platform/MainQueue.h"
#include "platform/WorkspaceNotifications.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace quillmere {

// A workspace notification center that delivers what its desktop posts on the main queue, one turn of the
// queue per observer, never inside the call that posted. An observer removed before its turn is not called.
class QueuedNotificationCenter final : public WorkspaceNotificationCenter {
  public:
    explicit QueuedNotificationCenter(MainQueue& queue) : queue_(queue) {}

    ObserverToken addObserver(std::string_view name, std::function<void()> block) override;
    ObserverToken addObserver(std::string_view name,
                              std::function<void(const WorkspaceNotification&)> block) override;
    void removeObserver(ObserverToken token) override;

    void post(std::string_view name, std::optional<RunningApplication> application = std::nullopt);

  private:
    struct Observer {
        std::string name;
        std::function<void(const WorkspaceNotification&)> block;
    };

    MainQueue& queue_;
    std::map<std::uint64_t, Observer> observers_;
    std::uint64_t nextObserver_ = 1;
    LifetimeGuard lifetime_;
};

} // namespace quillmere
