#include "support/ManagedDesktop.h"
#include "support/Printers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace quillmere {
namespace {

using namespace std::chrono_literals;
using testing::Contains;
using testing::ElementsAre;
using testing::Not;

std::size_t countOf(const std::vector<std::string>& lines, const std::string& prefix) {
    return static_cast<std::size_t>(
        std::ranges::count_if(lines, [&](const std::string& line) { return line.starts_with(prefix); }));
}

std::size_t intervals(const CapturingLogSink& log, const std::string& name) {
    return static_cast<std::size_t>(std::ranges::count_if(log.signposts(), [&](const SignpostEntry& entry) {
        return entry.name == name && entry.edge == SignpostEdge::begin;
    }));
}

class WindowManagerCoreTest : public testing::Test {
  protected:
    std::int32_t launch(const std::string& name) { return managed.launch(name); }

    ManagedDesktop managed;
    SimulatedDesktop& desktop = managed.desktop;
    const DisplayId main = desktop.addDisplay({.name = "Main", .bounds = {0, 0, 1440, 900}, .desktops = 2});
};

TEST_F(WindowManagerCoreTest, StartsOnTwoDisplaysWritingEachWindowOnceAfterEverySpaceIsSettled) {
    const DisplayId side = desktop.addDisplay({.name = "Side", .bounds = {1440, 0, 1920, 1080}});
    const auto editor = launch("Editor");
    const auto terminal = launch("Terminal");
    std::vector<WindowId> windows;
    for (const double x : {100.0, 200.0, 300.0})
        windows.push_back(desktop.openWindow(editor, {.frame = {x, 100, 500, 400}}));
    for (const double x : {1500.0, 1600.0})
        windows.push_back(desktop.openWindow(terminal, {.frame = {x, 100, 500, 400}}));
    managed.settle();
    desktop.traceAccessibility(true);

    managed.manager().start();

    for (WindowId window : windows) {
        const std::string prefix = "write window " + std::to_string(window) + " ";
        EXPECT_EQ(countOf(desktop.accessibilityTrace(), prefix + "AXSize"), 2u) << window;
        EXPECT_EQ(countOf(desktop.accessibilityTrace(), prefix + "AXPosition"), 1u) << window;
    }
    // One apply for each of the two Spaces with windows, then the Space-change pass lays both out again.
    EXPECT_EQ(intervals(managed.log, "Layout"), 4u);
    EXPECT_EQ(intervals(managed.log, "Space change"), 1u);
    EXPECT_TRUE(managed.probe().isSettled(desktop.currentSpace(main)));
    EXPECT_TRUE(managed.probe().isSettled(desktop.currentSpace(side)));
    EXPECT_EQ(std::min(desktop.frame(windows[3])->minX(), desktop.frame(windows[4])->minX()), 1440 + 10);
}

TEST_F(WindowManagerCoreTest, AdmitsTheWindowsAtStartUnderTheConfigurationDeliveredBeforeIt) {
    const auto notes = launch("Notes");
    const WindowId window = desktop.openWindow(notes, {.frame = {100, 100, 500, 400}});
    Settings settings = Settings::default_();
    settings.floatApps.push_back("Notes");
    settings.spaces = {{.space = 1, .label = "Mail", .layout = LayoutMode::stack}};
    desktop.traceAccessibility(true);

    managed.manager().update(settings);
    EXPECT_EQ(countOf(desktop.accessibilityTrace(), "write"), 0u) << "nothing is written before start";
    managed.manager().start();

    const SpaceLayout* layout = managed.probe().layout(desktop.currentSpace(main));
    ASSERT_NE(layout, nullptr);
    EXPECT_EQ(layout->mode, LayoutMode::stack);
    EXPECT_TRUE(layout->floating.contains(window));
    EXPECT_EQ(managed.manager().status().label, "Mail");
}

TEST_F(WindowManagerCoreTest, ReappliesOnlyWhenSpacingOrAlgorithmsChange) {
    const auto editor = launch("Editor");
    desktop.openWindow(editor, {.frame = {100, 100, 500, 400}});
    desktop.openWindow(editor, {.frame = {200, 100, 500, 400}});
    managed.manager().start();

    struct Case {
        const char* change;
        std::function<void(Settings&)> edit;
        bool reapplies;
    };
    const std::vector<Case> cases{
        {"ratio alone", [](Settings& s) { s.ratio = 0.7; }, false},
        {"animation switch", [](Settings& s) { s.animateWindows = true; }, false},
        {"padding unset to 0", [](Settings& s) { s.padding = 0; }, true},
        {"gap set", [](Settings& s) { s.gap = 20; }, true},
        {"spacing unset to true", [](Settings& s) { s.spacing = true; }, false},
        {"spacing off", [](Settings& s) { s.spacing = false; }, true},
        {"stacking", [](Settings& s) { s.stacking = StackAlgorithm::accordion; }, true},
        {"stacking unset to fill", [](Settings& s) { s.stacking = StackAlgorithm::fill; }, false},
        {"tiling unset to bsp", [](Settings& s) { s.tiling = TileAlgorithm::bsp; }, false},
        {"tiling", [](Settings& s) { s.tiling = TileAlgorithm::i3; }, true},
    };
    for (const Case& c : cases) {
        Settings settings = Settings::default_();
        managed.manager().update(settings);
        c.edit(settings);
        const std::size_t before = intervals(managed.log, "Layout");
        const std::size_t published = managed.statuses.size();
        managed.manager().update(settings);
        EXPECT_EQ(intervals(managed.log, "Layout") > before, c.reapplies) << c.change;
        // Laying out the current Space publishes as well.
        EXPECT_EQ(managed.statuses.size() > published + 1, c.reapplies) << c.change;
        EXPECT_GT(managed.statuses.size(), published) << c.change << ": every update publishes";
    }
}

TEST_F(WindowManagerCoreTest, ATilingChangeReachesTheLayoutsOfSpacesNotShown) {
    const SpaceId hidden = desktop.spaceOrder(main)[1];
    const auto editor = launch("Editor");
    desktop.openWindow(editor, {.frame = {100, 100, 500, 400}, .space = hidden});
    managed.manager().start();
    ASSERT_NE(managed.probe().layout(hidden), nullptr);

    Settings settings = Settings::default_();
    settings.tiling = TileAlgorithm::masterStack;
    settings.stacking = StackAlgorithm::accordion;
    managed.manager().update(settings);

    EXPECT_EQ(managed.probe().layout(hidden)->tiling, TileAlgorithm::masterStack);
    EXPECT_EQ(managed.probe().layout(hidden)->stacking, StackAlgorithm::accordion);
}

TEST_F(WindowManagerCoreTest, ClampsTheHighlightOpacities) {
    desktop.addDisplay({.bounds = {1440, 0, 800, 600}});
    const auto editor = launch("Editor");
    const WindowId window = desktop.openWindow(editor, {.frame = {100, 100, 500, 400}});
    desktop.focus(window);
    managed.manager().start();

    Settings settings = Settings::default_();
    settings.activeBorder = true;
    settings.dimInactive = true;
    settings.borderOpacity = 0;
    settings.dimOpacity = 1;
    managed.manager().update(settings);
    managed.settle();

    bool sawBorder = false;
    bool sawShade = false;
    for (const sim::Panel* panel : desktop.panels()) {
        if (const auto* border = dynamic_cast<const BorderView*>(panel->content.get())) {
            EXPECT_DOUBLE_EQ(border->opacity, 0.1);
            sawBorder = true;
        } else if (!panel->content && panel->visible) {
            EXPECT_EQ(panel->style.background, Color::black(0.9));
            sawShade = true;
        }
    }
    EXPECT_TRUE(sawBorder && sawShade);
}

TEST_F(WindowManagerCoreTest, PausingSuspendsTheBorderAndResumingRunsTheSpacePass) {
    const auto editor = launch("Editor");
    const WindowId window = desktop.openWindow(editor, {.frame = {100, 100, 500, 400}});
    desktop.focus(window);
    Settings settings = Settings::default_();
    settings.activeBorder = true;
    managed.manager().update(settings);
    managed.manager().start();
    managed.settle();
    const auto borderShown = [&] {
        return std::ranges::any_of(desktop.panels(), [](const sim::Panel* panel) {
            return dynamic_cast<const BorderView*>(panel->content.get()) && panel->visible;
        });
    };
    ASSERT_TRUE(borderShown());

    const std::size_t passes = intervals(managed.log, "Space change");
    managed.manager().togglePause();
    EXPECT_TRUE(managed.manager().pausedByHand());
    EXPECT_TRUE(managed.manager().status().paused);
    EXPECT_FALSE(borderShown());
    EXPECT_TRUE(managed.logged("tiling paused"));

    managed.manager().togglePause();
    EXPECT_TRUE(borderShown());
    EXPECT_TRUE(managed.logged("tiling resumed"));
    EXPECT_EQ(intervals(managed.log, "Space change"), passes + 2);
}

TEST_F(WindowManagerCoreTest, ForgetsACurrentProfileThatNoLongerExists) {
    desktop.setString("lastProfile", "Gone");
    managed.manager().start();

    EXPECT_EQ(managed.manager().lastProfile(), std::nullopt);
    EXPECT_EQ(managed.probe().lastProfileIcon(), std::nullopt);
    EXPECT_EQ(desktop.string("lastProfile"), std::nullopt);
}

TEST_F(WindowManagerCoreTest, KeepsACurrentProfileThatExistsWithItsSymbol) {
    Profile profile;
    profile.name = "Writing";
    ASSERT_FALSE(managed.profiles.save(profile));
    desktop.setString("lastProfile", "Writing");
    managed.manager().start();

    EXPECT_EQ(managed.manager().lastProfile(), "Writing");
    EXPECT_EQ(managed.manager().status().profile, "Writing");
    EXPECT_EQ(managed.manager().status().profileIcon, std::string(Profile::defaultIcon));
}

TEST_F(WindowManagerCoreTest, KeepsTheFirstOfTwoSessionSpacesWithOneId) {
    Session::Space first{.id = 7};
    first.layout.space = 1;
    Session::Space second = first;
    second.layout.space = 2;
    managed.sessions.save(managed.sessions.session({first, second}));
    managed.manager().start();

    EXPECT_EQ(managed.probe().pendingSessionSpaces(), 1u);
}

TEST_F(WindowManagerCoreTest, IgnoresASessionOfAnotherWindowServer) {
    Session::Space space{.id = 7};
    const SessionStore other(std::int64_t{1}, std::int32_t{4242}, managed.folder / "session.json");
    other.save(other.session({space}));
    managed.manager().start();

    EXPECT_EQ(managed.probe().pendingSessionSpaces(), 0u);
}

TEST_F(WindowManagerCoreTest, ADestroyedManagerLeavesNothingBehindOnTheQueue) {
    const auto editor = launch("Editor");
    desktop.openWindow(editor, {.frame = {100, 100, 500, 400}});
    managed.manager().start();
    desktop.removeDisplay(desktop.addDisplay({.bounds = {1440, 0, 800, 600}}));
    managed.settle();
    ASSERT_TRUE(managed.probe().displaysUnsettled());

    managed.made.reset();
    desktop.launch({.name = "Late"});
    desktop.openWindow(editor, {.frame = {100, 100, 500, 400}});
    managed.advance(5s);
    EXPECT_EQ(managed.queue.scheduledCount(), 0u);
}

} // namespace
} // namespace quillmere
