#pragma once

#include "platform/MainQueue.h"

#include <functional>
#include <optional>

namespace quillmere {

// One piece of deferred work that a new trigger pushes back: scheduling it again cancels what was pending.
// Destroying it cancels the pending work too, so work never outlives its owner.
class HeldWork {
  public:
    explicit HeldWork(MainQueue& queue) : queue_(queue) {}
    ~HeldWork() { cancel(); }
    HeldWork(const HeldWork&) = delete;
    HeldWork& operator=(const HeldWork&) = delete;

    void schedule(MainQueue::Duration delay, std::function<void()> work);
    void cancel();
    bool isPending() const { return token_.has_value(); }

  private:
    MainQueue& queue_;
    std::optional<TaskToken> token_;
};

} // namespace quillmere
