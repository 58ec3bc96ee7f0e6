#pragma once

#include "core/WindowId.h"
#include "platform/DirectSpaceSwitching.h"
#include "platform/Events.h"
#include "platform/LifetimeGuard.h"
#include "platform/MainQueue.h"
#include "platform/Preferences.h"
#include "platform/RunningApplications.h"
#include "platform/WindowServer.h"
#include "platform/WorkspaceNotifications.h"
#include "system/Spaces.h"
#include "system/SwitchGeneration.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace quillmere {

// Makes the display that holds a Space show it, as a trackpad swipe would: one swipe per step in the
// display's Space order, the system's own keyboard shortcuts when the display does not arrive, and one
// switch back when the system moves the display away right after arrival without the user doing anything.
// A desktop that shows a Space by its id is asked straight for it instead of swipes and shortcuts.
//
// Requests are serialized: one switch runs at a time and at most one request waits; a newer request replaces
// the waiting one, whose completion runs at once. A completion runs at most once, on the main thread, when
// its switch has ended. Main thread only; one per process.
class SpaceSwitcher {
  public:
    using Completion = std::function<void()>;

    // Between a completion and the next switch.
    static constexpr MainQueue::Duration pauseAfterSwitch = std::chrono::milliseconds(250);
    // How long a swipe may take to arrive before keyboard shortcuts take over.
    static constexpr MainQueue::Duration arrivalTimeout = std::chrono::milliseconds(300);
    // How long the keyboard shortcuts may take.
    static constexpr MainQueue::Duration hotKeyTimeout = std::chrono::seconds(1);
    // How long after an arrival a move made by the system is undone.
    static constexpr MainQueue::Duration bounceWatch = std::chrono::seconds(1);

    // The system's keyboard shortcuts that move one Space left and right.
    static constexpr int moveLeftHotKey = 79;
    static constexpr int moveRightHotKey = 81;

    SpaceSwitcher(Spaces& spaces, WindowServer& windowServer, Events& events, Preferences& preferences,
                  WorkspaceNotificationCenter& notifications, RunningApplications& applications,
                  MainQueue& queue, DirectSpaceSwitching* direct = nullptr);
    // Queued work and waits hold this object.
    SpaceSwitcher(const SpaceSwitcher&) = delete;
    SpaceSwitcher& operator=(const SpaceSwitcher&) = delete;

    // A target that no display holds is logged and dropped; its completion does not run.
    void switchTo(SpaceId target, Completion then = {});

    // Incremented at the start of every switch attempt, and by anything that changes the Spaces under a
    // running switch (native full screen and tiling): every wait that finds it changed stops acting.
    SwitchGeneration switchGeneration;

  private:
    struct Request {
        SpaceId target = 0;
        // Only a guarded request undoes a bounce after it arrived; the switch back itself is not guarded.
        bool guarded = true;
        Completion done;
    };

    bool swipe(SpaceId target, bool guarded, Completion then);
    void switchDirectly(SpaceId target, bool guarded, std::int64_t generation, const Completion& done);
    void complete(const Completion& then);
    void startWaiting();
    void afterArrivalWait(SpaceId target, bool guarded, std::int64_t generation, bool arrived,
                          const Completion& done);
    void stepWithHotKeys(int steps);
    bool scrollDirection(bool right);
    bool shows(SpaceId target);
    void waitFor(std::function<bool()> until, MainQueue::Duration timeout, std::function<void(bool)> then);
    void guardAgainstBounce(SpaceId target, std::int64_t generation);
    bool userActed(MainQueue::Instant since);

    Spaces& spaces_;
    WindowServer& windowServer_;
    Events& events_;
    Preferences& preferences_;
    WorkspaceNotificationCenter& notifications_;
    RunningApplications& applications_;
    MainQueue& queue_;
    DirectSpaceSwitching* direct_;

    // From the start of a switch until pauseAfterSwitch after its completion ran.
    bool switching_ = false;
    std::optional<Request> waiting_;
    // Set by the bounce guard just before it asks for the switch back, which then runs unguarded.
    bool undoingBounce_ = false;
    // Lets queued work and waits find out that the switcher is gone.
    LifetimeGuard lifetime_;
};

} // namespace quillmere
