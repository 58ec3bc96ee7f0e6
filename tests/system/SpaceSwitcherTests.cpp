#include "platform/CapturingLogSink.h"
#include "platform/ManualMainQueue.h"
#include "platform/sim/SimulatedDesktop.h"
#include "support/Printers.h"
#include "system/SpaceSwitcher.h"
#include "system/Swipe.h"

#include <chrono>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <type_traits>

namespace quillmere {
namespace {

using namespace std::chrono_literals;
using testing::Contains;
using testing::ElementsAre;
using testing::IsEmpty;
using testing::Not;
using Form = SimulatedDesktop::SpaceListForm;

constexpr std::uint32_t control = 0x40000;
const std::string stepping = "swipe switch bounced, stepping with hotkeys";

// A built-in display with four Desktops at the origin, a second display with two to its right, the pointer
// on the built-in one and an editor in front.
class SpaceSwitcherTest : public testing::Test {
  protected:
    explicit SpaceSwitcherTest(Form form = Form::perDisplay) : desktop(queue, form) {
        desktop.movePointer({700, 450});
        desktop.focus(desktop.openWindow(editor, {}));
        // So that "no input yet" lies further back than anything a test does.
        queue.advance(1min);
    }

    void settle() { queue.advance(0s); }

    // Counts how often it ran.
    SpaceSwitcher::Completion counting(int& ran) {
        return [&ran] { ++ran; };
    }

    std::vector<std::string> messages() const {
        std::vector<std::string> result;
        for (const LogEntry& entry : log.entries())
            result.push_back(entry.message);
        return result;
    }

    std::vector<Event> posted(EventTapLocation tap) const {
        std::vector<Event> events;
        for (const sim::PostedEvent& posted : desktop.postedEvents())
            if (posted.tap == tap)
                events.push_back(posted.event);
        return events;
    }

    std::vector<std::int64_t> swipePhases() const {
        std::vector<std::int64_t> phases;
        for (const Event& event : posted(EventTapLocation::session))
            phases.push_back(event.integerValueField(static_cast<int>(Swipe::Field::phase)).value_or(-1));
        return phases;
    }

    // Key code and flags of each key event posted, with "down" or "up".
    std::vector<std::tuple<std::string, std::int64_t, EventFlags>> keys() const {
        std::vector<std::tuple<std::string, std::int64_t, EventFlags>> result;
        for (const Event& event : posted(EventTapLocation::hid))
            result.emplace_back(event.type == EventType::keyDown ? "down" : "up",
                                event.integerValueField(Event::keyboardEventKeycode).value_or(-1),
                                event.flags);
        return result;
    }

    SpaceId shown() const { return desktop.currentSpace(builtIn); }

    CapturingLogSink log;
    ManualMainQueue queue;
    SimulatedDesktop desktop;
    Spaces spaces{desktop, desktop, desktop};
    SpaceSwitcher switcher{spaces, desktop, desktop, desktop, desktop, desktop, queue};
    const DisplayId builtIn =
        desktop.addDisplay({.name = "Built-in", .bounds = {0, 0, 1440, 900}, .desktops = 4});
    const DisplayId studio =
        desktop.addDisplay({.name = "Studio", .bounds = {1440, 0, 1920, 1080}, .desktops = 2});
    const std::vector<SpaceId> desktops = desktop.spaceOrder(builtIn);
    const std::int32_t editor = desktop.launch({.bundleIdentifier = "com.example.editor", .name = "Editor"});
};

struct DirectionCase {
    std::string name;
    std::optional<PropertyList> preference;
    bool right;
};

class SwipeDirectionTest : public SpaceSwitcherTest, public testing::WithParamInterface<DirectionCase> {};

TEST_P(SwipeDirectionTest, AThreeStepSwitchPostsNineSwipesAndArrives) {
    desktop.setPreference("com.apple.swipescrolldirection", GetParam().preference);
    int ran = 0;
    switcher.switchTo(desktops[3], counting(ran));

    EXPECT_THAT(swipePhases(), ElementsAre(1, 2, 4, 1, 2, 4, 1, 2, 4));
    const double sign = GetParam().right ? 1 : -1;
    for (const Event& event : posted(EventTapLocation::session)) {
        EXPECT_EQ(event.doubleValueField(static_cast<int>(Swipe::Field::velocityX)), sign * 6000);
        EXPECT_EQ(event.doubleValueField(static_cast<int>(Swipe::Field::progress)), sign);
    }
    EXPECT_EQ(ran, 0);

    settle();
    EXPECT_EQ(shown(), desktops[3]);
    EXPECT_EQ(ran, 1);
    EXPECT_THAT(messages(), ElementsAre("switch Built-in desktop 1 → desktop 4: 3 step(s) right"));
    ASSERT_EQ(log.signposts().size(), 2u);
    EXPECT_EQ(log.signposts()[0].name, "Switch Space");
    EXPECT_EQ(log.signposts()[0].edge, SignpostEdge::begin);
    EXPECT_EQ(log.signposts()[1].edge, SignpostEdge::end);
    EXPECT_EQ(log.signposts()[1].interval, log.signposts()[0].interval);

    queue.advance(10s);
    EXPECT_EQ(ran, 1);
    EXPECT_THAT(keys(), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Preferences, SwipeDirectionTest,
                         testing::Values(DirectionCase{"Unset", std::nullopt, true},
                                         DirectionCase{"Natural", PropertyList(1), true},
                                         DirectionCase{"NotAnInteger", PropertyList("0"), true},
                                         DirectionCase{"Reversed", PropertyList(0), false}),
                         [](const auto& info) { return info.param.name; });

TEST_F(SpaceSwitcherTest, ANewerRequestReplacesTheWaitingOneWhoseCompletionRunsAtOnce) {
    int first = 0, replaced = 0, last = 0;
    switcher.switchTo(desktops[1], counting(first));
    switcher.switchTo(desktops[2], counting(replaced));
    switcher.switchTo(desktops[3], counting(last));
    EXPECT_EQ(replaced, 1);
    EXPECT_EQ(first, 0);

    settle();
    EXPECT_EQ(first, 1);
    EXPECT_EQ(shown(), desktops[1]);
    queue.advance(249ms);
    EXPECT_EQ(swipePhases().size(), 3u);
    queue.advance(1ms);
    EXPECT_EQ(swipePhases().size(), 9u);
    settle();

    EXPECT_EQ(shown(), desktops[3]);
    EXPECT_EQ(last, 1);
    EXPECT_EQ(replaced, 1);
    EXPECT_THAT(messages(), ElementsAre("switch Built-in desktop 1 → desktop 2: 1 step(s) right",
                                        "switch Built-in desktop 2 → desktop 4: 2 step(s) right"));
}

TEST_F(SpaceSwitcherTest, ARequestWithinAQuarterSecondOfACompletionWaitsForIt) {
    switcher.switchTo(desktops[1]);
    settle();
    queue.advance(100ms);
    switcher.switchTo(desktops[0]);
    queue.advance(149ms);
    EXPECT_EQ(swipePhases().size(), 3u);
    queue.advance(1ms);
    EXPECT_EQ(swipePhases().size(), 6u);
    settle();
    EXPECT_EQ(shown(), desktops[0]);
}

TEST_F(SpaceSwitcherTest, TheSpaceShownAlreadyCompletesAtOnceWithoutEvents) {
    int ran = 0;
    switcher.switchTo(desktops[0], counting(ran));
    EXPECT_EQ(ran, 1);
    EXPECT_THAT(desktop.postedEvents(), IsEmpty());
    EXPECT_THAT(log.signposts(), IsEmpty());
    EXPECT_EQ(desktop.pointer(), Point(700, 450));
    EXPECT_THAT(messages(), ElementsAre("switch Built-in desktop 1 → desktop 1: 0 step(s) left"));
}

TEST_F(SpaceSwitcherTest, ThePointerMovesToTheTargetsDisplayFirst) {
    int ran = 0;
    desktop.movePointer({2000, 500});
    switcher.switchTo(desktops[0], counting(ran));
    EXPECT_EQ(ran, 1);
    EXPECT_EQ(desktop.pointer(), Point(720, 450));

    switcher.switchTo(desktop.spaceOrder(studio)[1], counting(ran));
    queue.advance(1s);
    EXPECT_EQ(ran, 2);
    EXPECT_EQ(desktop.pointer(), Point(2400, 540));
    EXPECT_EQ(desktop.currentSpace(studio), desktop.spaceOrder(studio)[1]);
    EXPECT_EQ(shown(), desktops[0]);
    EXPECT_THAT(
        messages(),
        ElementsAre("switch Built-in desktop 1 → desktop 1: 0 step(s) left, moving the pointer there first",
                    "switch Studio desktop 1 → desktop 2: 1 step(s) right, moving the pointer there first"));
}

// A copy would share the token that tells queued work and waits whether their switcher still exists.
TEST(SpaceSwitcherLifetimeTest, CannotBeCopiedOrMovedAwayFromItsQueuedWork) {
    EXPECT_FALSE(std::is_copy_constructible_v<SpaceSwitcher>);
    EXPECT_FALSE(std::is_move_constructible_v<SpaceSwitcher>);
}

TEST_F(SpaceSwitcherTest, ASpaceThatNoDisplayHoldsIsLoggedAndTheNextRequestRuns) {
    int dropped = 0, next = 0;
    switcher.switchTo(desktops[1]);
    switcher.switchTo(9999, counting(dropped));
    settle();
    queue.advance(250ms);
    EXPECT_EQ(dropped, 0);
    EXPECT_EQ(log.entries().back(),
              (LogEntry{"com.brenvald.quillmere", "wm", LogLevel::error,
                        "cannot switch to space 9999: no display holds it, dropping its follow-up"}));

    switcher.switchTo(desktops[0], counting(next));
    settle();
    EXPECT_EQ(next, 1);
    EXPECT_EQ(shown(), desktops[0]);
    queue.advance(10s);
    EXPECT_EQ(dropped, 0);
}

TEST_F(SpaceSwitcherTest, WithoutArrivalTheSystemShortcutsStepTheWholeWay) {
    desktop.ignoreSwipes(true);
    int ran = 0;
    switcher.switchTo(desktops[3], counting(ran));
    queue.advance(299ms);
    EXPECT_THAT(keys(), IsEmpty());
    queue.advance(1ms);
    EXPECT_THAT(keys(), ElementsAre(std::tuple("down", 124, control), std::tuple("up", 124, 0u),
                                    std::tuple("down", 124, control), std::tuple("up", 124, 0u),
                                    std::tuple("down", 124, control), std::tuple("up", 124, 0u)));
    EXPECT_THAT(messages(), Contains(stepping));
    EXPECT_EQ(shown(), desktops[3]);
    EXPECT_EQ(ran, 1);
}

TEST_F(SpaceSwitcherTest, ShortcutsStepTheTargetsDisplayWhileTheMenuBarIsOnAnother) {
    desktop.ignoreSwipes(true);
    const std::vector<SpaceId> studioSpaces = desktop.spaceOrder(studio);
    int ran = 0;
    switcher.switchTo(studioSpaces[1], counting(ran));
    queue.advance(300ms);
    EXPECT_EQ(desktop.activeMenuBarDisplayIdentifier(desktop.mainConnection()), desktop.uuid(builtIn));
    EXPECT_THAT(keys(), ElementsAre(std::tuple("down", 124, control), std::tuple("up", 124, 0u)));
    EXPECT_EQ(desktop.currentSpace(studio), studioSpaces[1]);
    EXPECT_EQ(shown(), desktops[0]);
    EXPECT_EQ(ran, 1);
}

TEST_F(SpaceSwitcherTest, ShortcutsStepOnlyThePartOfTheWayLeft) {
    desktop.ignoreSwipes(true);
    switcher.switchTo(desktops[3]);
    desktop.switchSpace(builtIn, desktops[1]);
    queue.advance(300ms);
    EXPECT_EQ(keys().size(), 4u);
    settle();
    EXPECT_EQ(shown(), desktops[3]);
}

TEST_F(SpaceSwitcherTest, ShortcutsLeftStepLeft) {
    desktop.switchSpace(builtIn, desktops[2]);
    desktop.ignoreSwipes(true);
    switcher.switchTo(desktops[1]);
    queue.advance(300ms);
    EXPECT_THAT(keys(), ElementsAre(std::tuple("down", 123, control), std::tuple("up", 123, 0u)));
}

TEST_F(SpaceSwitcherTest, AfterTheShortcutsTheCompletionRunsWhenTheDisplayArrives) {
    desktop.ignoreSwipes(true);
    desktop.setSpaceChangeDelay(500ms);
    int ran = 0;
    switcher.switchTo(desktops[3], counting(ran));
    queue.advance(300ms);
    EXPECT_EQ(keys().size(), 6u);
    queue.advance(499ms);
    EXPECT_EQ(ran, 0);
    queue.advance(1ms);
    EXPECT_EQ(shown(), desktops[3]);
    EXPECT_EQ(ran, 1);
}

TEST_F(SpaceSwitcherTest, WithoutAnyArrivalTheCompletionRunsASecondAfterTheShortcuts) {
    desktop.ignoreSwipes(true);
    desktop.setSymbolicHotKey(81, std::nullopt);
    int ran = 0;
    switcher.switchTo(desktops[2], counting(ran));
    queue.advance(1299ms);
    EXPECT_EQ(ran, 0);
    EXPECT_THAT(keys(), IsEmpty());
    queue.advance(1ms);
    EXPECT_EQ(ran, 1);
    EXPECT_EQ(log.signposts().back().edge, SignpostEdge::end);
    EXPECT_EQ(shown(), desktops[0]);
}

TEST_F(SpaceSwitcherTest, ALateArrivalWithinTheWaitNeedsNoShortcuts) {
    desktop.setSpaceChangeDelay(200ms);
    int ran = 0;
    switcher.switchTo(desktops[1], counting(ran));
    queue.advance(199ms);
    EXPECT_EQ(ran, 0);
    queue.advance(1ms);
    EXPECT_EQ(ran, 1);
    queue.advance(2s);
    EXPECT_THAT(keys(), IsEmpty());
}

TEST_F(SpaceSwitcherTest, AChangedGenerationEndsTheWaitWithoutFallback) {
    desktop.ignoreSwipes(true);
    int ran = 0;
    switcher.switchTo(desktops[2], counting(ran));
    ++switcher.switchGeneration.value;
    queue.advance(300ms);
    EXPECT_EQ(ran, 1);
    EXPECT_THAT(keys(), IsEmpty());
    EXPECT_THAT(messages(), Not(Contains(stepping)));
}

const std::string bounced = "bounced: left desktop 2 for desktop 1 with Editor in front, switching back";

TEST_F(SpaceSwitcherTest, ABounceWithoutInputIsUndoneOnce) {
    desktop.bounceBack(1, 500ms);
    switcher.switchTo(desktops[1]);
    settle();
    queue.advance(499ms);
    EXPECT_EQ(shown(), desktops[1]);
    queue.advance(1ms);
    EXPECT_THAT(messages(), Contains(bounced));
    settle();
    EXPECT_EQ(shown(), desktops[1]);
    EXPECT_EQ(swipePhases().size(), 6u);
}

TEST_F(SpaceSwitcherTest, TheSwitchBackIsNotGuarded) {
    desktop.bounceBack(2, 500ms);
    switcher.switchTo(desktops[1]);
    queue.advance(5s);
    EXPECT_EQ(shown(), desktops[0]);
    EXPECT_EQ(std::ranges::count(messages(), bounced), 1);
}

TEST_F(SpaceSwitcherTest, ADisplayNotShowingTheTargetASecondAfterArrivalIsSwitchedBack) {
    const auto before = desktop.managedDisplaySpaces(desktop.mainConnection());
    switcher.switchTo(desktops[1]);
    settle();
    // The window server answers the old Space again without saying so: only the guard's timeout finds out.
    desktop.overrideSpaceList(before);
    queue.advance(999ms);
    EXPECT_THAT(messages(), Not(Contains(bounced)));
    queue.advance(1ms);
    EXPECT_THAT(messages(), Contains(bounced));
}

struct InputCase {
    std::string name;
    EventType type;
    bool undone;
};

class BounceInputTest : public SpaceSwitcherTest, public testing::WithParamInterface<InputCase> {};

TEST_P(BounceInputTest, OnlyPressesAndClicksSinceArrivalKeepTheBounce) {
    desktop.bounceBack(1, 500ms);
    switcher.switchTo(desktops[1]);
    settle();
    queue.advance(200ms);
    desktop.input(GetParam().type);
    queue.advance(2s);
    EXPECT_EQ(shown(), GetParam().undone ? desktops[1] : desktops[0]);
    EXPECT_EQ(std::ranges::count(messages(), bounced), GetParam().undone ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Inputs, BounceInputTest,
                         testing::Values(InputCase{"KeyDown", EventType::keyDown, false},
                                         InputCase{"LeftMouseDown", EventType::leftMouseDown, false},
                                         InputCase{"RightMouseDown", EventType::rightMouseDown, false},
                                         InputCase{"OtherMouseDown", EventType::otherMouseDown, false},
                                         InputCase{"KeyUp", EventType::keyUp, true}),
                         [](const auto& info) { return info.param.name; });

class SharedSpaceSwitcherTest : public SpaceSwitcherTest {
  protected:
    SharedSpaceSwitcherTest() : SpaceSwitcherTest(Form::shared) {}
};

TEST_F(SharedSpaceSwitcherTest, WithOneSpaceListForAllDisplaysThePointerStays) {
    desktop.movePointer({2000, 500});
    const Desktops model = spaces.desktops();
    const DisplaySpaces& second = model.displays()[1];
    int ran = 0;
    switcher.switchTo(second.spaces[2], counting(ran));
    settle();
    EXPECT_EQ(ran, 1);
    EXPECT_EQ(desktop.pointer(), Point(2000, 500));
    EXPECT_EQ(desktop.currentSpace(builtIn), desktops[2]);
    EXPECT_THAT(messages(), ElementsAre("switch Studio desktop 1 → desktop 3: 2 step(s) right"));
}

} // namespace
} // namespace quillmere

namespace quillmere {
namespace {

// Shows a Space of the simulated desktop at once, as a window manager asked for a desktop by number does.
class ShowingAtOnce final : public DirectSpaceSwitching {
  public:
    explicit ShowingAtOnce(SimulatedDesktop& desktop) : desktop_(desktop) {}
    bool showSpace(SpaceId space) override {
        asked.push_back(space);
        for (const DisplayId display : desktop_.activeDisplays())
            for (const SpaceId held : desktop_.spaceOrder(display))
                if (held == space && !refusing) {
                    desktop_.switchSpace(display, space);
                    return true;
                }
        return false;
    }
    std::vector<SpaceId> asked;
    bool refusing = false;

  private:
    SimulatedDesktop& desktop_;
};

class DirectSwitchTest : public SpaceSwitcherTest {
  protected:
    ShowingAtOnce direct{desktop};
    SpaceSwitcher directSwitcher{spaces, desktop, desktop, desktop, desktop, desktop, queue, &direct};
};

TEST_F(DirectSwitchTest, ADesktopThatShowsSpacesByIdIsAskedOnceWithoutSwipesOrKeys) {
    int ran = 0;
    directSwitcher.switchTo(desktops[3], counting(ran));
    settle();
    EXPECT_THAT(direct.asked, ElementsAre(desktops[3]));
    EXPECT_EQ(shown(), desktops[3]);
    EXPECT_EQ(ran, 1);
    EXPECT_THAT(swipePhases(), IsEmpty());
    EXPECT_THAT(keys(), IsEmpty());
    // The pointer stays where the user left it.
    EXPECT_EQ(desktop.pointer(), Point(700, 450));
}

TEST_F(DirectSwitchTest, ARefusedSwitchRunsItsCompletionAndSaysWhy) {
    direct.refusing = true;
    int ran = 0;
    directSwitcher.switchTo(desktops[2], counting(ran));
    settle();
    EXPECT_EQ(ran, 1);
    EXPECT_EQ(shown(), desktops[0]);
    EXPECT_THAT(messages(), Contains(testing::HasSubstr("the desktop refused it")));
    EXPECT_THAT(swipePhases(), IsEmpty());
}

} // namespace
} // namespace quillmere
