#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

namespace quillmere {

// Identifies work scheduled with MainQueue::after. Values are never reused, so cancelling work that
// already ran (or was cancelled) cannot touch other work.
struct TaskToken {
    std::uint64_t value = 0;
    friend bool operator==(const TaskToken&, const TaskToken&) = default;
};

// Identifies a descriptor registered with MainQueue::addReadable; never reused either.
struct SourceToken {
    std::uint64_t value = 0;
    friend bool operator==(const SourceToken&, const SourceToken&) = default;
};

// The application's main thread: its clock, its deferred work and its event sources. Everything of the
// system's own logic runs here, one piece at a time, so nothing it calls back needs a lock.
class MainQueue {
  public:
    using Clock = std::chrono::steady_clock;
    using Instant = Clock::time_point;
    using Duration = Clock::duration;

    virtual ~MainQueue() = default;

    virtual Instant now() const = 0;

    // Runs work once, on the main thread, no sooner than delay from now; a negative delay counts as none.
    virtual TaskToken after(Duration delay, std::function<void()> work) = 0;
    // Unknown, finished and already cancelled tokens are ignored.
    virtual void cancel(TaskToken token) = 0;

    // Calls onReadable on the main thread whenever the descriptor has something to read, until removed.
    // The caller keeps owning the descriptor and must remove the source before closing it.
    virtual SourceToken addReadable(int descriptor, std::function<void()> onReadable) = 0;
    virtual void removeReadable(SourceToken token) = 0;
};

} // namespace quillmere
