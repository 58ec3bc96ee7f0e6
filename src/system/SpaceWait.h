#pragma once

#include "platform/MainQueue.h"
#include "platform/WorkspaceNotifications.h"

#include <functional>
#include <memory>
#include <optional>

namespace quillmere {

// A one-shot wait for the Spaces shown to meet a condition: its completion runs exactly once, with true at
// the first active-Space change after which the condition holds, or with the condition's value at the
// timeout. The timeout's work keeps the wait alive until then.
class SpaceWait {
  public:
    static void start(WorkspaceNotificationCenter& center, MainQueue& queue, std::function<bool()> until,
                      MainQueue::Duration timeout, std::function<void(bool)> then);

    SpaceWait(WorkspaceNotificationCenter& center, std::function<bool()> until,
              std::function<void(bool)> then);

    // Does nothing once finished.
    void finish(bool value);

  private:
    WorkspaceNotificationCenter& center_;
    std::function<bool()> until_;
    std::function<void(bool)> then_;
    // None once finished.
    std::optional<ObserverToken> observer_;
};

} // namespace quillmere
