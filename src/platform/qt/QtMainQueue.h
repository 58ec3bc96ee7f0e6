#pragma once

#include "platform/MainQueue.h"

#include <QSocketNotifier>
#include <QTimer>
#include <map>
#include <memory>
#include <utility>

namespace quillmere {

// The main queue on Qt's event loop. Deferred work is kept in due order by the queue itself and one precise
// timer is armed for the earliest (Qt's coarse timers may fire 5 % late), so work due at the same instant
// runs in the order it was scheduled. Work never runs inside the call that scheduled it, and work scheduled
// while due work runs waits for the next turn of the event loop. Descriptors are watched by socket
// notifiers. Must be made and used on the thread that runs the event loop.
class QtMainQueue final : public MainQueue {
  public:
    QtMainQueue();
    ~QtMainQueue() override;
    QtMainQueue(const QtMainQueue&) = delete;
    QtMainQueue& operator=(const QtMainQueue&) = delete;

    Instant now() const override { return Clock::now(); }
    TaskToken after(Duration delay, std::function<void()> work) override;
    void cancel(TaskToken token) override;
    SourceToken addReadable(int descriptor, std::function<void()> onReadable) override;
    void removeReadable(SourceToken token) override;

  private:
    using TaskKey = std::pair<Instant, std::uint64_t>;
    struct Source {
        std::unique_ptr<QSocketNotifier> notifier;
        // Shared so that a handler that removes its own source does not destroy itself while it runs.
        std::shared_ptr<std::function<void()>> onReadable;
    };

    void runDue();
    void arm();

    QTimer timer_;
    std::uint64_t nextToken_ = 1;
    std::map<TaskKey, std::function<void()>> tasks_;
    std::map<std::uint64_t, Instant> dueTimes_;
    std::map<std::uint64_t, Source> sources_;
};

} // namespace quillmere
