#pragma once

#include "platform/MainQueue.h"

#include <cstddef>
#include <map>
#include <memory>
#include <unordered_map>
#include <utility>

namespace quillmere {

// A main queue whose clock moves only when told to, for tests: time stands still until advance(), and
// descriptors are looked at only by poll(), which never blocks.
class ManualMainQueue final : public MainQueue {
  public:
    explicit ManualMainQueue(Instant start = Instant{}) : now_(start) {}

    Instant now() const override { return now_; }
    TaskToken after(Duration delay, std::function<void()> work) override;
    void cancel(TaskToken token) override;
    SourceToken addReadable(int descriptor, std::function<void()> onReadable) override;
    void removeReadable(SourceToken token) override;

    // Moves the clock forward, running every task that falls due on the way (including tasks those tasks
    // schedule) in order of due time, then of scheduling; each runs with the clock at its due time.
    void advance(Duration by);
    // Calls the handler of every registered descriptor that is readable now; answers how many ran.
    std::size_t poll();

    std::size_t scheduledCount() const { return tasks_.size(); }
    std::size_t readableCount() const { return sources_.size(); }

  private:
    using TaskKey = std::pair<Instant, std::uint64_t>;
    struct Source {
        int descriptor;
        // Shared so that a handler that removes its own source does not destroy itself while it runs.
        std::shared_ptr<std::function<void()>> onReadable;
    };

    Instant now_;
    std::uint64_t nextToken_ = 1;
    std::map<TaskKey, std::function<void()>> tasks_;
    std::unordered_map<std::uint64_t, Instant> dueTimes_;
    std::map<std::uint64_t, Source> sources_;
};

} // namespace quillmere
