#pragma once

#include "core/WindowId.h"
#include "platform/Accessibility.h"
#include "platform/LifetimeGuard.h"
#include "platform/MainQueue.h"
#include "platform/OwnWindow.h"
#include "platform/RunningApplications.h"
#include "platform/WindowServer.h"
#include "system/AXWindow.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>

namespace quillmere {

// Keyboard focus without raising: the window server is told directly which process is in front and which of
// a process's windows is key, by key-window event records posted to the process. Failures are quiet: a
// window that has gone away simply does not become key. Main thread only.
class Focus {
  public:
    using EventRecord = std::array<std::uint8_t, WindowServer::eventRecordSize>;

    // Between the two records of a key switch, so that the process takes the first before the second.
    static constexpr MainQueue::Duration switchKeyPause = std::chrono::milliseconds(10);

    // `ownPid` is the system's own process.
    Focus(WindowServer& windowServer, Accessibility& accessibility, RunningApplications& applications,
          MainQueue& queue, std::int32_t ownPid);
    // The queued second record of a key switch holds this object.
    Focus(const Focus&) = delete;
    Focus& operator=(const Focus&) = delete;

    // The process the window server treats as front, else the frontmost application's.
    std::optional<std::int32_t> frontmostPID();
    // Key focus to the target without raising it; `current` is the focused window as the caller knows it.
    void focusWithoutRaise(const AXWindow& target, const std::optional<AXWindow>& current);
    // Brings one of the system's own windows to the front and makes it key.
    void bringForward(OwnWindow& window);
    // Makes the window key in its process.
    void makeKey(WindowId window, const ProcessSerialNumber& psn);
    // Moves key status between two windows of one process: the second record goes out `switchKeyPause`
    // later, from the main queue.
    void switchKey(WindowId from, WindowId to, const ProcessSerialNumber& psn);

    // The record of makeKey: `second` tells its second post from its first.
    static EventRecord makeKeyRecord(WindowId window, bool second);
    // The record of switchKey, for the window that loses key status or the one that gains it.
    static EventRecord switchKeyRecord(WindowId window, bool gaining);

  private:
    struct PendingRecord {
        ProcessSerialNumber psn;
        WindowId window = 0;
        TaskToken task;
    };

    void post(const ProcessSerialNumber& psn, const EventRecord& record);
    // Sends the second record of a key switch still waiting for its pause, so that nothing sent to the
    // window server later overtakes it: records of two switches never interleave, and a process that
    // loses focus does not take key status back after another one came to the front.
    void postPendingNow();
    void postPending();

    WindowServer& windowServer_;
    Accessibility& accessibility_;
    RunningApplications& applications_;
    MainQueue& queue_;
    std::int32_t ownPid_;
    std::optional<PendingRecord> pending_;
    // Lets the queued second record find out that this object is gone.
    LifetimeGuard lifetime_;
};

} // namespace quillmere
