#include "system/SpaceSwitcher.h"

#include "platform/Log.h"
#include "system/SpaceWait.h"
#include "system/Swipe.h"

#include <array>
#include <cstdlib>
#include <utility>

namespace quillmere {

namespace {

// Began, changed and ended: one whole gesture per step.
constexpr std::array<std::int64_t, 3> swipePhases{1, 2, 4};
constexpr double velocityPerStep = 2000;

constexpr std::array<EventType, 4> userInput{EventType::keyDown, EventType::leftMouseDown,
                                             EventType::rightMouseDown, EventType::otherMouseDown};

// A completion that several continuations hold while exactly one of them is meant to run it: whichever
// calls first runs it, and later calls do nothing.
SpaceSwitcher::Completion once(SpaceSwitcher::Completion work) {
    auto held = std::make_shared<SpaceSwitcher::Completion>(std::move(work));
    return [held] {
        if (const auto work = std::exchange(*held, {}))
            work();
    };
}

} // namespace

SpaceSwitcher::SpaceSwitcher(Spaces& spaces, WindowServer& windowServer, Events& events,
                             Preferences& preferences, WorkspaceNotificationCenter& notifications,
                             RunningApplications& applications, MainQueue& queue,
                             DirectSpaceSwitching* direct)
    : spaces_(spaces), windowServer_(windowServer), events_(events), preferences_(preferences),
      notifications_(notifications), applications_(applications), queue_(queue), direct_(direct) {}

void SpaceSwitcher::switchTo(SpaceId target, Completion then) {
    const bool guarded = !std::exchange(undoingBounce_, false);
    if (switching_) {
        const auto replaced = std::exchange(waiting_, Request{target, guarded, std::move(then)});
        if (replaced && replaced->done)
            replaced->done();
        return;
    }
    switching_ = true;
    const bool followUp = static_cast<bool>(then);
    if (swipe(target, guarded, std::move(then)))
        return;
    switching_ = false;
    // The caller's follow-up is lost here; say so, because nothing else will.
    log(LogLevel::error, "cannot switch to space %llu: no display holds it%{public}s", target,
        followUp ? ", dropping its follow-up" : "");
    startWaiting();
}

bool SpaceSwitcher::swipe(SpaceId target, bool guarded, Completion then) {
    const std::int64_t generation = ++switchGeneration.value;
    const Desktops model = spaces_.desktops();
    const DisplaySpaces* display = model.display(target);
    const auto steps = display ? display->steps(target) : std::nullopt;
    if (!steps)
        return false;
    const int count = std::abs(*steps);
    const bool right = *steps > 0;

    const auto probe = events_.create();
    const Point pointer = probe ? probe->location : Point{};
    const DisplaySpaces* underPointer = model.display(pointer);
    // With one Space list for every display, any display can take the swipe.
    const bool moveFirst =
        !direct_ && !model.spansDisplays() && (!underPointer || underPointer->id != display->id);

    log(LogLevel::default_, "switch %{public}s %{public}s → %{public}s: %ld step(s) %{public}s%{public}s",
        display->identity.name, Spaces::describe(display->current, *display),
        Spaces::describe(target, *display), count, *steps < 1 ? "left" : "right",
        moveFirst ? ", moving the pointer there first" : "");
    if (moveFirst)
        events_.warpMouseCursorPosition(display->frame.center());
    if (count == 0) {
        complete(then);
        return true;
    }

    const SignpostIntervalState interval = signposter.beginInterval("Switch Space");
    const Completion done = once([this, interval, then = std::move(then)] {
        signposter.endInterval("Switch Space", interval);
        complete(then);
    });

    if (direct_) {
        switchDirectly(target, guarded, generation, done);
        return true;
    }

    const double velocity = count * velocityPerStep;
    for (int step = 0; step < count; ++step) {
        const bool direction = scrollDirection(right);
        for (const std::int64_t phase : swipePhases)
            Swipe::postPhase(events_, phase, direction, velocity);
    }

    if (shows(target)) {
        if (switchGeneration.value == generation && guarded)
            guardAgainstBounce(target, generation);
        done();
    } else {
        waitFor([this, target] { return shows(target); }, arrivalTimeout,
                [this, target, guarded, generation, done](bool arrived) {
                    afterArrivalWait(target, guarded, generation, arrived, done);
                });
    }
    return true;
}

void SpaceSwitcher::switchDirectly(SpaceId target, bool guarded, std::int64_t generation,
                                   const Completion& done) {
    if (!direct_->showSpace(target)) {
        log(LogLevel::error, "cannot switch to space %llu: the desktop refused it", target);
        done();
        return;
    }
    const auto arrival = [this, target, guarded, generation, done](bool arrived) {
        if (!arrived)
            log(LogLevel::error, "space %llu was not shown in time", target);
        else if (switchGeneration.value == generation && guarded)
            guardAgainstBounce(target, generation);
        done();
    };
    if (shows(target))
        arrival(true);
    else
        waitFor([this, target] { return shows(target); }, arrivalTimeout, arrival);
}

void SpaceSwitcher::complete(const Completion& then) {
    if (then)
        then();
    queue_.after(pauseAfterSwitch, lifetime_.guarded([this] {
        switching_ = false;
        startWaiting();
    }));
}

void SpaceSwitcher::startWaiting() {
    if (!waiting_)
        return;
    Request next = std::move(*std::exchange(waiting_, std::nullopt));
    undoingBounce_ = !next.guarded;
    switchTo(next.target, std::move(next.done));
}

void SpaceSwitcher::afterArrivalWait(SpaceId target, bool guarded, std::int64_t generation, bool arrived,
                                     const Completion& done) {
    if (switchGeneration.value != generation) {
        done();
        return;
    }
    if (!arrived) {
        const Desktops model = spaces_.desktops();
        const DisplaySpaces* display = model.display(target);
        if (const auto steps = display ? display->steps(target) : std::nullopt) {
            log(LogLevel::default_, "swipe switch bounced, stepping with hotkeys");
            stepWithHotKeys(*steps);
            if (shows(target))
                done();
            else
                waitFor([this, target] { return shows(target); }, hotKeyTimeout, [done](bool) { done(); });
            return;
        }
    }
    if (guarded)
        guardAgainstBounce(target, switchGeneration.value);
    done();
}

void SpaceSwitcher::stepWithHotKeys(int steps) {
    const int hotKey = steps > 0 ? moveRightHotKey : moveLeftHotKey;
    for (int step = 0; step < std::abs(steps); ++step) {
        const auto key = windowServer_.symbolicHotKey(hotKey);
        if (!key)
            continue;
        auto down = events_.createKeyboardEvent(key->keyCode, true);
        const auto up = events_.createKeyboardEvent(key->keyCode, false);
        if (!down || !up)
            continue;
        down->flags = key->modifiers;
        events_.post(EventTapLocation::hid, *down);
        events_.post(EventTapLocation::hid, *up);
    }
}

bool SpaceSwitcher::scrollDirection(bool right) {
    const auto natural = preferences_.copyValue("com.apple.swipescrolldirection", PreferencesApplication::any,
                                                PreferencesUser::current, PreferencesHost::any);
    const bool inverted = natural && natural->integer() == 0;
    return inverted ? !right : right;
}

bool SpaceSwitcher::shows(SpaceId target) {
    const Desktops model = spaces_.desktops();
    const DisplaySpaces* display = model.display(target);
    return display && display->current == target;
}

void SpaceSwitcher::waitFor(std::function<bool()> until, MainQueue::Duration timeout,
                            std::function<void(bool)> then) {
    SpaceWait::start(
        notifications_, queue_,
        [watch = lifetime_.watch(), until = std::move(until)] { return watch.alive() && until(); }, timeout,
        lifetime_.guarded(std::move(then)));
}

void SpaceSwitcher::guardAgainstBounce(SpaceId target, std::int64_t generation) {
    const MainQueue::Instant start = queue_.now();
    const auto left = [this, target] {
        const Desktops model = spaces_.desktops();
        const DisplaySpaces* display = model.display(target);
        return !display || display->current != target;
    };
    waitFor(left, bounceWatch, [this, target, generation, start](bool moved) {
        if (!moved || switchGeneration.value != generation || userActed(start))
            return;
        const Desktops model = spaces_.desktops();
        const auto shown = model.activeSpace();
        const auto front = applications_.frontmostApplication();
        log(LogLevel::default_,
            "bounced: left desktop %ld for desktop %ld with %{public}s in front, switching back",
            model.number(target).value_or(0), shown ? model.number(*shown).value_or(0) : 0,
            front && front->localizedName ? *front->localizedName : "?");
        undoingBounce_ = true;
        switchTo(target);
    });
}

bool SpaceSwitcher::userActed(MainQueue::Instant since) {
    const double elapsed = std::chrono::duration<double>(queue_.now() - since).count();
    for (const EventType type : userInput)
        if (events_.secondsSinceLastEventType(EventSourceStateID::hidSystem, type) < elapsed)
            return true;
    return false;
}

} // namespace quillmere
