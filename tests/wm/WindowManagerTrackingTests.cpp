#include "support/ManagedDesktop.h"
#include "support/Printers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

namespace quillmere {
namespace {

using namespace std::chrono_literals;
using testing::ElementsAre;
using testing::UnorderedElementsAre;

// One display with two Desktops and an editor application, the manager not yet started.
struct EditorDesktop {
    std::int32_t launch(const std::string& name) { return managed.launch(name); }
    WindowId open(std::int32_t app, double x = 100) { return desktop.openWindow(app, {.frame = {x, 100, 500, 400}}); }
    void start() {
        managed.start();
    }
    const SpaceLayout& layout() { return *managed.probe().layout(desktop.currentSpace(main)); }
    // The user switches to the other Desktop and back.
    void switchAwayAndBack() {
        const std::vector<SpaceId> order = desktop.spaceOrder(main);
        for (SpaceId space : {order[1], order[0]}) {
            desktop.switchSpace(main, space);
            managed.settle();
        }
    }
    void click(WindowId window) {
        desktop.focus(window);
        managed.settle();
    }
    std::vector<WindowId> tiled() { return layout().tree.windows(); }

    ManagedDesktop managed;
    SimulatedDesktop& desktop = managed.desktop;
    const DisplayId main = desktop.addDisplay({.name = "Main", .bounds = {0, 0, 1440, 900}, .desktops = 2});
    const std::int32_t editor = launch("Editor");
};

class WindowTrackingTest : public testing::Test, public EditorDesktop {};

TEST_F(WindowTrackingTest, TracksOnlyStandardWindowsOfObservableOtherApplications) {
    struct Case {
        const char* kind;
        std::function<WindowId(EditorDesktop&)> open;
        bool tracked;
        bool fullScreen;
    };
    const std::vector<Case> cases{
        {"standard window", [](EditorDesktop& t) { return t.open(t.editor); }, true, false},
        {"dialog",
         [](EditorDesktop& t) {
             return t.desktop.openWindow(t.editor, {.frame = {0, 0, 300, 200}, .subrole = "AXDialog"});
         },
         false, false},
        {"own process",
         [](EditorDesktop& t) {
             t.managed.ownPid = t.launch("Quillmere");
             return t.open(t.managed.ownPid);
         },
         false, false},
        {"in full screen",
         [](EditorDesktop& t) {
             const WindowId window = t.open(t.launch("Player"));
             t.desktop.enterFullScreen({window});
             return window;
         },
         false, true},
        {"observer refused",
         [](EditorDesktop& t) {
             const auto stubborn = t.launch("Stubborn");
             t.desktop.refuseObservers(stubborn);
             return t.open(stubborn);
         },
         false, false},
    };
    for (const Case& c : cases) {
        EditorDesktop test;
        const WindowId window = c.open(test);
        test.start();
        // The Space-change pass at the end of start hands full-screen processes to a later look.
        test.managed.advance(500ms);
        const auto pid = test.desktop.describe({window}).front().ownerPid;
        EXPECT_EQ(test.managed.probe().isTracked(window), c.tracked) << c.kind;
        EXPECT_EQ(test.managed.manager().layoutSpace(window).has_value(), c.tracked) << c.kind;
        EXPECT_EQ(test.managed.probe().sawFullScreen(pid), c.fullScreen) << c.kind;
    }
}

TEST_F(WindowTrackingTest, ObservesALaunchedApplicationThreeTimesButTracksItsWindowOnce) {
    start();
    const auto mail = launch("Mail");
    const WindowId first = open(mail);
    const WindowId late = open(mail, 300);
    desktop.setWindowNumberAnswer(late, sim::WindowNumberAnswer::zero);
    managed.settle();
    EXPECT_TRUE(managed.probe().isTracked(first));
    EXPECT_FALSE(managed.probe().isTracked(late)) << "a window without a number is passed over";

    desktop.setWindowNumberAnswer(late, sim::WindowNumberAnswer::number);
    managed.advance(2s);

    EXPECT_TRUE(managed.probe().isTracked(late)) << "the looks 0.5 s and 1.5 s later find what the first missed";
    const auto trackedLines = std::ranges::count_if(managed.log.entries(), [&](const LogEntry& entry) {
        return entry.message.starts_with("tracked " + std::to_string(first) + " ");
    });
    EXPECT_EQ(trackedLines, 1);
    EXPECT_THAT(tiled(), UnorderedElementsAre(first, late));
}

TEST_F(WindowTrackingTest, PutsAMinimizedWindowBackInItsOldTile) {
    const WindowId a = open(editor, 100);
    const WindowId b = open(editor, 200);
    const WindowId c = open(editor, 300);
    start();
    const std::vector<WindowId> before = tiled();
    const Rect frame = *desktop.frame(b);

    desktop.minimize(b, true);
    managed.settle();
    EXPECT_THAT(tiled(), UnorderedElementsAre(a, c));
    EXPECT_TRUE(managed.probe().hasSavedSlot(b));

    desktop.minimize(b, false);
    managed.settle();
    EXPECT_EQ(tiled(), before);
    EXPECT_EQ(desktop.frame(b), frame);
    EXPECT_TRUE(managed.logged("window " + std::to_string(b) + " back in its old place"));
    EXPECT_FALSE(managed.probe().hasSavedSlot(b));
}

TEST_F(WindowTrackingTest, TerminatingAnApplicationForgetsItsWindowsAndSavedSlots) {
    const auto mail = launch("Mail");
    const WindowId kept = open(editor);
    const WindowId minimized = open(mail, 200);
    const WindowId shown = open(mail, 300);
    start();
    desktop.minimize(minimized, true);
    managed.settle();
    ASSERT_TRUE(managed.probe().hasSavedSlot(minimized));

    desktop.quit(mail);
    managed.settle();

    EXPECT_FALSE(managed.probe().hasSavedSlot(minimized));
    EXPECT_FALSE(managed.probe().isTracked(minimized));
    EXPECT_FALSE(managed.probe().isTracked(shown));
    EXPECT_FALSE(managed.probe().observes(mail));
    EXPECT_THAT(tiled(), ElementsAre(kept));
    EXPECT_EQ(desktop.frame(kept)->width(), 1440 - 10);
}

TEST_F(WindowTrackingTest, HidingTakesTheWindowsOutAndUnhidingAdmitsThemAgain) {
    const auto mail = launch("Mail");
    const WindowId kept = open(editor);
    const WindowId mailWindow = open(mail, 200);
    start();

    desktop.hide(mail);
    managed.settle();
    EXPECT_THAT(tiled(), ElementsAre(kept));
    EXPECT_TRUE(managed.probe().isTracked(mailWindow));
    EXPECT_EQ(desktop.frame(kept)->width(), 1440 - 10);

    desktop.unhide(mail);
    managed.settle();
    EXPECT_THAT(tiled(), UnorderedElementsAre(kept, mailWindow));
}

TEST_F(WindowTrackingTest, UnhidingLeavesAWindowThatALayoutAlreadyHoldsWhereItIs) {
    const auto mail = launch("Mail");
    start();
    desktop.hide(mail);
    managed.settle();
    const WindowId openedWhileHidden = open(mail);
    managed.settle();
    const SpaceId first = desktop.currentSpace(main);
    const SpaceId second = desktop.spaceOrder(main)[1];
    ASSERT_EQ(managed.manager().layoutSpace(openedWhileHidden), first);
    managed.spaces.move(openedWhileHidden, second);
    managed.settle();

    desktop.unhide(mail);
    managed.settle();

    EXPECT_EQ(managed.manager().layoutSpace(openedWhileHidden), first);
    EXPECT_EQ(managed.probe().layout(second), nullptr);
}

TEST_F(WindowTrackingTest, ASelectedTabTakesTheTileOfTheTabBeforeIt) {
    const WindowId other = open(editor, 100);
    const WindowId tab = open(editor, 300);
    start();
    const std::vector<WindowId> before = tiled();
    const Rect frame = *desktop.frame(tab);

    const WindowId next = desktop.openTab(tab);
    managed.advance(200ms);

    std::vector<WindowId> expected = before;
    std::ranges::replace(expected, tab, next);
    EXPECT_EQ(tiled(), expected);
    EXPECT_EQ(desktop.frame(next), frame);
    EXPECT_TRUE(managed.logged("window " + std::to_string(next) + " is the selected tab now, in " +
                               std::to_string(tab) + "'s place"));
    EXPECT_TRUE(layout().contains(other));
}

TEST_F(WindowTrackingTest, ReplacesOnlyTheFirstStaleTabAndRemovesTheOthers) {
    const SpaceId second = desktop.spaceOrder(main)[1];
    const WindowId here = open(editor, 100);
    const WindowId there = desktop.openWindow(editor, {.frame = {100, 100, 500, 400}, .space = second});
    start();

    desktop.openTab(there);
    const WindowId selected = desktop.openTab(here);
    managed.advance(200ms);

    EXPECT_EQ(managed.manager().layoutSpace(here), std::nullopt);
    EXPECT_EQ(managed.manager().layoutSpace(there), std::nullopt);
    EXPECT_EQ(managed.manager().layoutSpace(selected), desktop.currentSpace(main));
    const auto replacements = std::ranges::count_if(managed.log.entries(), [](const LogEntry& entry) {
        return entry.message.find("is the selected tab now") != std::string::npos;
    });
    EXPECT_EQ(replacements, 1);
}

TEST_F(WindowTrackingTest, TwoDisplayChangesOneSecondApartSettleOnce) {
    start();
    const std::size_t before = std::ranges::count_if(managed.log.signposts(), [](const SignpostEntry& entry) {
        return entry.name == "Space change" && entry.edge == SignpostEdge::begin;
    });
    const DisplayId side = desktop.addDisplay({.bounds = {1440, 0, 800, 600}});
    managed.advance(1s);
    desktop.removeDisplay(side);
    managed.advance(1400ms);
    EXPECT_TRUE(managed.probe().displaysUnsettled());
    managed.advance(200ms);

    const auto after = std::ranges::count_if(managed.log.signposts(), [](const SignpostEntry& entry) {
        return entry.name == "Space change" && entry.edge == SignpostEdge::begin;
    });
    EXPECT_EQ(static_cast<std::size_t>(after), before + 1);
    EXPECT_FALSE(managed.probe().displaysUnsettled());
    EXPECT_TRUE(managed.logged("displays changed; laying out again once displays settle"));
}

TEST_F(WindowTrackingTest, WakingPushesTheSettleBackToo) {
    start();
    desktop.sleepAndWake();
    managed.settle();
    EXPECT_TRUE(managed.probe().displaysUnsettled());
    EXPECT_TRUE(managed.logged("woke; laying out again once displays settle"));
    managed.advance(1500ms);
    EXPECT_FALSE(managed.probe().displaysUnsettled());
}

TEST_F(WindowTrackingTest, FocusingAFloatingWindowLeavesTheLastFocusedTileAlone) {
    const auto utility = launch("Utility");
    Settings settings = Settings::default_();
    settings.floatApps.push_back("Utility");
    managed.manager().update(settings);
    const WindowId tiledWindow = open(editor);
    const WindowId floating = open(utility, 300);
    start();

    desktop.focus(tiledWindow);
    managed.settle();
    const SpaceId space = desktop.currentSpace(main);
    EXPECT_EQ(managed.probe().lastFocusedTiled(space), tiledWindow);

    desktop.focus(floating);
    managed.settle();
    EXPECT_EQ(managed.probe().lastFocusedTiled(space), tiledWindow);
}

TEST_F(WindowTrackingTest, AWindowWithoutAnySpaceStaysTrackedInNoLayout) {
    start();
    desktop.removeDisplay(main);
    managed.settle();
    const WindowId lost = open(editor);
    managed.settle();

    EXPECT_TRUE(managed.probe().isTracked(lost));
    EXPECT_EQ(managed.manager().layoutSpace(lost), std::nullopt);
    EXPECT_EQ(managed.probe().layout(0), nullptr);
}

// An editor window beside a window of Mail, the application that will hang.
struct MailBesideEditor : EditorDesktop {
    const std::int32_t mail = launch("Mail");
    const WindowId kept = open(editor);
    const WindowId mailWindow = open(mail, 300);
};

// A window that comes back while its application hangs cannot be read, so it could not be admitted then.
TEST(HungApplication, AWindowThatCameBackWhileItsApplicationHungIsTiledAtTheNextChance) {
    struct Case {
        const char* name;
        std::function<void(SimulatedDesktop&, std::int32_t, WindowId)> away;
        std::function<void(SimulatedDesktop&, std::int32_t, WindowId)> back;
        // What gives the manager its next chance once the application answers again.
        std::function<void(MailBesideEditor&, WindowId)> chance;
    };
    const auto minimize = [](SimulatedDesktop& d, std::int32_t, WindowId w) { d.minimize(w, true); };
    const auto restore = [](SimulatedDesktop& d, std::int32_t, WindowId w) { d.minimize(w, false); };
    const auto hide = [](SimulatedDesktop& d, std::int32_t pid, WindowId) { d.hide(pid); };
    const auto unhide = [](SimulatedDesktop& d, std::int32_t pid, WindowId) { d.unhide(pid); };
    const auto switchAwayAndBack = [](MailBesideEditor& t, WindowId) { t.switchAwayAndBack(); };
    const auto click = [](MailBesideEditor& t, WindowId w) { t.click(w); };
    const std::vector<Case> cases{
        {"minimized, Space switch", minimize, restore, switchAwayAndBack},
        {"hidden, Space switch", hide, unhide, switchAwayAndBack},
        {"minimized, clicked", minimize, restore, click},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MailBesideEditor t;
        t.start();

        c.away(t.desktop, t.mail, t.mailWindow);
        t.managed.settle();
        t.desktop.setResponding(t.mail, false);
        c.back(t.desktop, t.mail, t.mailWindow);
        t.managed.settle();
        ASSERT_EQ(t.managed.manager().layoutSpace(t.mailWindow), std::nullopt);
        t.desktop.setResponding(t.mail, true);
        c.chance(t, t.mailWindow);

        EXPECT_THAT(t.tiled(), UnorderedElementsAre(t.kept, t.mailWindow));
        EXPECT_LT(t.desktop.frame(t.kept)->width(), 720) << "laid out beside it";
    }
}

TEST(HungApplication, AnApplicationThatHungAtStartUpIsObservedOnceItAnswers) {
    struct Case {
        const char* name;
        std::function<void(MailBesideEditor&, WindowId)> chance;
    };
    const std::vector<Case> cases{
        {"Space switch", [](MailBesideEditor& t, WindowId) { t.switchAwayAndBack(); }},
        {"its window clicked", [](MailBesideEditor& t, WindowId w) { t.click(w); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MailBesideEditor t;
        t.desktop.setResponding(t.mail, false);
        t.start();
        ASSERT_THAT(t.tiled(), ElementsAre(t.kept));

        t.desktop.setResponding(t.mail, true);
        c.chance(t, t.mailWindow);
        ASSERT_THAT(t.tiled(), UnorderedElementsAre(t.kept, t.mailWindow));
        const WindowId late = t.open(t.mail, 400);
        t.managed.settle();

        EXPECT_THAT(t.tiled(), UnorderedElementsAre(t.kept, t.mailWindow, late));
    }
}

} // namespace
} // namespace quillmere
