#include "support/CommandedDesktop.h"
#include "support/Printers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quillmere {
namespace {

using namespace std::chrono_literals;
using testing::ElementsAre;
using testing::IsEmpty;
using testing::UnorderedElementsAre;

// Long enough for the displays to settle after the last change.
constexpr MainQueue::Duration settled = 1600ms;

// A 1440 x 900 main display with one window, and a monitor beside it with two Desktops: two windows on the
// one it shows, one on the other.
struct TwoDisplays : CommandedDesktop {
    const SpaceLayout* layout(SpaceId space) { return probe().layout(space); }
    std::vector<WindowId> windowsOf(SpaceId space) {
        const SpaceLayout* found = layout(space);
        return found ? found->tree.windows() : std::vector<WindowId>{};
    }
    std::size_t spaceChanges() const {
        return static_cast<std::size_t>(std::ranges::count_if(managed.log.signposts(), [](const SignpostEntry& entry) {
            return entry.name == "Space change" && entry.edge == SignpostEdge::begin;
        }));
    }
    bool loggedStartingWith(const std::string& prefix) const {
        return std::ranges::any_of(managed.log.entries(),
                                   [&](const LogEntry& entry) { return entry.message.starts_with(prefix); });
    }

    const DisplayId main = desktop.addDisplay({.name = "Main", .bounds = {0, 0, 1440, 900}});
    const SpaceId home = desktop.currentSpace(main);
    const SimulatedDesktop::DisplaySetup monitor{
        .name = "Monitor", .bounds = {1440, 0, 1280, 800}, .vendor = 7, .model = 9, .serial = 1234, .uuid = "MONITOR",
        .desktops = 2};
    const DisplayId side = desktop.addDisplay(monitor);
    const SpaceId shownAside = desktop.spaceOrder(side)[0];
    const SpaceId hiddenAside = desktop.spaceOrder(side)[1];
    const std::int32_t editor = launch("Editor");
    const WindowId onMain = open(editor, {.frame = {100, 100, 500, 400}});
    const WindowId asideLeft = open(editor, {.frame = {1500, 100, 500, 400}});
    const WindowId asideRight = open(editor, {.frame = {1600, 100, 500, 400}});
    const WindowId asideHidden = open(editor, {.frame = {1500, 100, 500, 400}, .space = hiddenAside});
};

class DisplayChangesTest : public testing::Test, public TwoDisplays {};

TEST_F(DisplayChangesTest, AMonitorPluggedBackGetsItsLayoutsAndTheGatheredWindowsLeaveTheMainDisplay) {
    struct Case {
        const char* name;
        bool newSpaceIds;
    };
    for (const Case c : {Case{"same Space ids", false}, Case{"new Space ids", true}}) {
        TwoDisplays world;
        world.start();
        const std::vector<WindowId> shownTree = world.windowsOf(world.shownAside);

        world.desktop.removeDisplay(world.side);
        world.managed.advance(settled);
        EXPECT_THAT(world.windowsOf(world.home),
                    UnorderedElementsAre(world.onMain, world.asideLeft, world.asideRight, world.asideHidden))
            << c.name;

        SimulatedDesktop::DisplaySetup back = world.monitor;
        back.newSpaceIds = c.newSpaceIds;
        const DisplayId returned = world.desktop.addDisplay(back);
        world.managed.advance(settled);
        if (c.newSpaceIds) {
            EXPECT_THAT(world.windowsOf(world.home),
                        UnorderedElementsAre(world.onMain, world.asideLeft, world.asideRight, world.asideHidden));
            EXPECT_FALSE(world.loggedStartingWith("display back"));
            continue;
        }
        EXPECT_THAT(world.windowsOf(world.home), ElementsAre(world.onMain));
        EXPECT_EQ(world.windowsOf(world.shownAside), shownTree);
        EXPECT_THAT(world.windowsOf(world.hiddenAside), ElementsAre(world.asideHidden));
        EXPECT_TRUE(world.managed.logged("display back: restored desktop 1 with 2 window(s)"));
        EXPECT_TRUE(world.managed.logged("display back: restored desktop 2 with 1 window(s)"));
        EXPECT_TRUE(world.desktop.bounds(returned).contains(world.desktop.frame(world.asideLeft)->center()));
    }
}

// The system gathered the monitor's windows onto the main display, where they stay when it returns: put back
// by their frames alone they would show over the tiles of the Desktop the monitor shows, and the next
// re-tile would fold them into that one. Back soon, the monitor never counted as gone.
TEST(DisplayChanges, AMonitorPluggedBackPutsTheWindowsOfItsHiddenDesktopOnThatDesktop) {
    for (const MainQueue::Duration away : {MainQueue::Duration(3s), MainQueue::Duration(500ms)}) {
        SCOPED_TRACE(std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(away).count()) +
                     " ms away");
        TwoDisplays world;
        const WindowId secondHidden =
            world.open(world.editor, {.frame = {1600, 100, 500, 400}, .space = world.hiddenAside});
        world.start();
        const std::vector<WindowId> hiddenTree = world.windowsOf(world.hiddenAside);
        const std::vector<WindowId> shownTree = world.windowsOf(world.shownAside);
        ASSERT_THAT(hiddenTree, UnorderedElementsAre(world.asideHidden, secondHidden));

        world.desktop.removeDisplay(world.side);
        world.managed.advance(away);
        world.desktop.addDisplay(world.monitor);
        world.managed.advance(settled);
        for (WindowId window : hiddenTree)
            EXPECT_EQ(world.desktop.spaces(window), std::vector{world.hiddenAside}) << window;

        world.run("retile");
        EXPECT_EQ(world.windowsOf(world.hiddenAside), hiddenTree);
        EXPECT_EQ(world.windowsOf(world.shownAside), shownTree);
    }
}

TEST_F(DisplayChangesTest, AWindowClosedWhileItsMonitorWasAwayIsNotGivenBack) {
    start();
    desktop.removeDisplay(side);
    managed.advance(settled);
    desktop.closeWindow(asideLeft);
    managed.settle();
    desktop.addDisplay(monitor);
    managed.advance(settled);

    EXPECT_THAT(windowsOf(shownAside), ElementsAre(asideRight));
    EXPECT_TRUE(managed.logged("display back: restored desktop 1 with 1 window(s)"));
}

TEST_F(DisplayChangesTest, AWindowFloatingOnAReturningDesktopStaysWhenItsLayoutComesBack) {
    Settings settings = Settings::default_();
    settings.floatApps = {"Notes"};
    manager().update(settings);
    start();
    desktop.removeDisplay(side);
    managed.advance(settled);

    const DisplayId returned = desktop.addDisplay(monitor);
    const WindowId note = open(launch("Notes"), {.frame = {1500, 200, 400, 300}});
    managed.settle();
    ASSERT_EQ(desktop.spaces(note), std::vector<SpaceId>{desktop.currentSpace(returned)});
    managed.advance(settled);

    EXPECT_THAT(windowsOf(shownAside), UnorderedElementsAre(asideLeft, asideRight));
    EXPECT_THAT(layout(shownAside)->floating, ElementsAre(note));
}

// Monitors without a serial number are told apart by name only, so the last one to leave is remembered.
TEST(DisplayChanges, OfTwoIdenticalMonitorsOnlyTheLastToLeaveGetsItsLayoutBack) {
    CommandedDesktop world;
    const DisplayId main = world.desktop.addDisplay({.name = "Main", .bounds = {0, 0, 1440, 900}});
    const SimulatedDesktop::DisplaySetup first{.name = "Twin", .bounds = {1440, 0, 1000, 800}, .uuid = "TWIN-1"};
    const SimulatedDesktop::DisplaySetup second{.name = "Twin", .bounds = {2440, 0, 1000, 800}, .uuid = "TWIN-2"};
    const DisplayId one = world.desktop.addDisplay(first);
    const DisplayId two = world.desktop.addDisplay(second);
    const std::int32_t editor = world.launch("Editor");
    const WindowId onFirst = world.open(editor, {.frame = {1500, 100, 500, 400}});
    const WindowId onSecond = world.open(editor, {.frame = {2500, 100, 500, 400}});
    const SpaceId firstSpace = world.desktop.currentSpace(one);
    const SpaceId secondSpace = world.desktop.currentSpace(two);
    world.start();

    for (DisplayId leaving : {one, two}) {
        world.desktop.removeDisplay(leaving);
        world.managed.advance(settled);
    }
    world.desktop.addDisplay(second);
    world.managed.advance(settled);
    world.desktop.addDisplay(first);
    world.managed.advance(settled);

    EXPECT_EQ(world.manager().layoutSpace(onSecond), secondSpace);
    EXPECT_EQ(world.manager().layoutSpace(onFirst), world.desktop.currentSpace(main));
    EXPECT_THAT(world.probe().layout(firstSpace)->tree.windows(), IsEmpty());
}

TEST_F(DisplayChangesTest, WakingLaysEveryPresentSpaceOutAndLeavesMembershipForTheNextPass) {
    start();
    const Rect tile = *desktop.frame(asideHidden);
    desktop.moveWindow(asideHidden, {1700, 300});
    desktop.moveWindowToSpace(asideRight, hiddenAside);
    const std::size_t before = spaceChanges();

    desktop.sleepAndWake();
    managed.advance(settled);
    EXPECT_EQ(spaceChanges(), before + 1);
    EXPECT_FALSE(probe().displaysUnsettled());
    EXPECT_EQ(manager().layoutSpace(asideRight), shownAside) << "trusted right after the displays settled";
    EXPECT_EQ(desktop.frame(asideHidden), tile) << "the hidden Desktop was laid out too";

    run("retile");
    EXPECT_EQ(manager().layoutSpace(asideRight), hiddenAside);
}

TEST_F(DisplayChangesTest, ChangesInQuickSuccessionSettleOnce) {
    start();
    const std::size_t before = spaceChanges();
    desktop.moveDisplay(side, {1440, 100});
    managed.advance(1s);
    desktop.moveDisplay(side, {1440, 200});
    managed.advance(1499ms);
    EXPECT_TRUE(probe().displaysUnsettled());
    EXPECT_EQ(spaceChanges(), before);
    managed.advance(1ms);
    EXPECT_FALSE(probe().displaysUnsettled());
    EXPECT_EQ(spaceChanges(), before + 1);
    EXPECT_EQ(desktop.frame(asideLeft)->minY(), 200 + 25 + 5) << "laid out below the menu bar on its new place";
}

// A profile that applies itself when the monitor leaves must not keep the monitor's layouts from being parked:
// they come back with it as after any other departure.
TEST_F(DisplayChangesTest, AnAutomaticProfileOnDepartureStillParksTheLayoutsOfTheDisplayThatLeft) {
    start();
    const std::vector<WindowId> shownTree = windowsOf(shownAside);
    desktop.removeDisplay(side);
    managed.advance(settled);
    manager().capture("Alone", false);
    Profile alone = managed.profiles.load().profiles.at(0);
    alone.autoApply = true;
    ASSERT_FALSE(managed.profiles.save(alone));
    const DisplayId back = desktop.addDisplay(monitor);
    managed.advance(settled);
    ASSERT_EQ(windowsOf(shownAside), shownTree);

    desktop.removeDisplay(back);
    managed.advance(settled);
    ASSERT_TRUE(std::ranges::any_of(managed.log.entries(), [](const LogEntry& entry) {
        return entry.message.starts_with("displays changed to ") && entry.message.ends_with(", applying Alone");
    }));
    desktop.addDisplay(monitor);
    managed.advance(settled);
    EXPECT_EQ(windowsOf(shownAside), shownTree);
    EXPECT_THAT(windowsOf(hiddenAside), ElementsAre(asideHidden));
}

TEST_F(DisplayChangesTest, WhilePausedADisplayChangeOnlyEndsTheWait) {
    start();
    manager().togglePause();
    managed.settle();
    const std::size_t before = spaceChanges();
    desktop.traceAccessibility(true);

    const DisplayId extra = desktop.addDisplay({.name = "Extra", .bounds = {-1000, 0, 1000, 800}});
    const WindowId arrived = open(editor, {.frame = {-900, 100, 300, 200}});
    managed.advance(settled);
    EXPECT_FALSE(probe().displaysUnsettled());
    EXPECT_EQ(spaceChanges(), before);
    for (const std::string& line : desktop.accessibilityTrace())
        EXPECT_FALSE(line.starts_with("write window")) << line;

    manager().togglePause();
    managed.settle();
    EXPECT_EQ(manager().layoutSpace(arrived), desktop.currentSpace(extra));
    EXPECT_EQ(desktop.frame(arrived)->minX(), -1000 + 5);
}

} // namespace
} // namespace quillmere
