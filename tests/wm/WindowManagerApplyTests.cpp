#include "support/ManagedDesktop.h"
#include "support/Printers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace quillmere {
namespace {

using namespace std::chrono_literals;

bool anyWrite(const std::vector<std::string>& trace) {
    return std::ranges::any_of(trace, [](const std::string& line) { return line.starts_with("write window"); });
}

// A display whose two tiles are 600 points wide each: 1215 wide, 5 points of padding on each side and a gap
// of 5 between the tiles.
struct TwoTileDesktop {
    std::int32_t launch(const std::string& name) { return managed.launch(name); }
    WindowId open(std::int32_t app, Size minimum = {}) {
        return desktop.openWindow(app, {.frame = {100, 100, 500, 400}, .minimumSize = minimum});
    }
    void start(const Settings& settings = Settings::default_()) {
        managed.manager().update(settings);
        managed.start();
    }
    SpaceId current() { return desktop.currentSpace(main); }

    ManagedDesktop managed;
    SimulatedDesktop& desktop = managed.desktop;
    const DisplayId main = desktop.addDisplay({.name = "Main", .bounds = {0, 0, 1215, 900}, .desktops = 2});
    const std::int32_t editor = launch("Editor");
};

class ApplyTest : public testing::Test, public TwoTileDesktop {};

TEST_F(ApplyTest, LearnsThatAWindowRefusesToShrinkAndLaysTheSpaceOutAgain) {
    const WindowId wide = open(editor, {800, 0});
    const WindowId other = open(editor);
    start();

    EXPECT_EQ(managed.probe().minimumSize(wide), Size(800, 0));
    EXPECT_TRUE(managed.logged("window " + std::to_string(wide) + " minimum size 800x0"));
    EXPECT_EQ(desktop.frame(wide)->width(), 800);
    EXPECT_EQ(desktop.frame(other)->width(), 1205 - 800 - 5);
    EXPECT_EQ(managed.probe().minimumSize(other), std::nullopt);
}

TEST_F(ApplyTest, ToleratesOnePointOverTheAskedSizeButNotMore) {
    struct Case {
        double minimum;
        bool learned;
    };
    for (const Case c : {Case{600, false}, Case{601, false}, Case{601.5, true}}) {
        TwoTileDesktop test;
        const WindowId refusing = test.open(test.editor, {c.minimum, 0});
        test.open(test.editor);
        test.start();
        EXPECT_EQ(test.managed.probe().minimumSize(refusing).has_value(), c.learned) << c.minimum;
    }
}

// A wide display with a window 1800 points wide of an application that applies writes 100 ms late, beside a
// window of a prompt one.
struct SlowApplicationDesktop {
    SlowApplicationDesktop() { desktop.setWriteBehaviour(slow, {.delay = 100ms}); }
    double width(WindowId window) const { return desktop.frame(window)->width(); }

    ManagedDesktop managed;
    SimulatedDesktop& desktop = managed.desktop;
    const DisplayId main = desktop.addDisplay({.name = "Main", .bounds = {0, 0, 1920, 1080}});
    const std::int32_t slow = managed.launch("Slow");
    const WindowId wide = desktop.openWindow(slow, {.frame = {50, 50, 1800, 700}});
    const WindowId neighbour = desktop.openWindow(managed.launch("Editor"), {.frame = {100, 100, 500, 400}});
};

TEST(SlowApplication, AReadBackFromBeforeTheWriteTookEffectTeachesNoMinimumSize) {
    SlowApplicationDesktop world;
    world.managed.start();
    world.managed.advance(1s);

    EXPECT_EQ(world.managed.probe().minimumSize(world.wide), std::nullopt);
    EXPECT_EQ(world.width(world.wide), world.width(world.neighbour));
}

// As a wrong reading left it: learned minimum sizes only grow, so nothing else would ever mend it.
TEST(SlowApplication, AMinimumSizeIsCorrectedWhenTheWindowIsSeenSmallerThanIt) {
    SlowApplicationDesktop world;
    world.managed.probe().learnMinimumSize(world.wide, {1400, 600});
    world.managed.start();
    world.managed.advance(1s);

    world.desktop.resizeWindow(world.wide, {900, 700});
    world.managed.advance(1s);

    EXPECT_EQ(world.managed.probe().minimumSize(world.wide), Size(900, 600));
    EXPECT_TRUE(world.managed.logged("window " + std::to_string(world.wide) + " minimum size 900x600"));
}

TEST_F(ApplyTest, NeverLearnsFromAWindowLargerThanTheArea) {
    const WindowId huge = open(editor, {1207, 0});
    start();

    EXPECT_EQ(managed.probe().minimumSize(huge), std::nullopt);
}

TEST_F(ApplyTest, SwitchesAnEnhancedUserInterfaceOffForTheWriteOnly) {
    const auto assisted = launch("Assisted");
    const auto plain = launch("Plain");
    desktop.setEnhancedUserInterface(assisted, true);
    desktop.setEnhancedUserInterface(plain, false);
    const WindowId assistedWindow = open(assisted);
    open(plain);
    managed.settle();
    desktop.traceAccessibility(true);
    start();

    const auto& trace = desktop.accessibilityTrace();
    const auto at = [&](const std::string& line) {
        return std::ranges::find(trace, line) - trace.begin();
    };
    const std::string off = "write app " + std::to_string(assisted) + " AXEnhancedUserInterface false";
    const std::string on = "write app " + std::to_string(assisted) + " AXEnhancedUserInterface true";
    const auto firstWrite = std::ranges::find_if(trace, [&](const std::string& line) {
        return line.starts_with("write window " + std::to_string(assistedWindow));
    });
    ASSERT_NE(firstWrite, trace.end());
    EXPECT_LT(at(off), firstWrite - trace.begin());
    EXPECT_GT(at(on), firstWrite - trace.begin());
    EXPECT_EQ(desktop.enhancedUserInterface(assisted), true);
    EXPECT_EQ(std::ranges::count_if(trace, [&](const std::string& line) {
                  return line.starts_with("write app " + std::to_string(plain));
              }),
              0);
}

TEST_F(ApplyTest, LeavesTheSkippedWindowAsItIs) {
    const WindowId dragged = open(editor);
    const WindowId other = open(editor);
    start();
    const auto writtenAt = managed.probe().writtenAt(dragged);
    desktop.pressButton(0);
    desktop.moveWindow(dragged, {30, 40});
    desktop.resizeWindow(other, {100, 100});
    managed.advance(1s);

    managed.manager().apply(current(), dragged);

    EXPECT_EQ(desktop.frame(dragged)->origin, Point(30, 40));
    EXPECT_EQ(managed.probe().writtenAt(dragged), writtenAt);
    EXPECT_EQ(desktop.frame(other)->width(), 600);
}

TEST_F(ApplyTest, RenewsTheWriteTimeOnlyWhenAFrameReallyChanges) {
    const WindowId window = open(editor);
    start();
    const auto first = managed.probe().writtenAt(window);
    ASSERT_TRUE(first.has_value());

    managed.advance(2s);
    managed.manager().apply(current());
    EXPECT_EQ(managed.probe().writtenAt(window), first);

    desktop.pressButton(0);
    desktop.moveWindow(window, {50, 50});
    managed.advance(2s);
    managed.manager().apply(current());
    EXPECT_EQ(managed.probe().writtenAt(window), managed.queue.now());
}

TEST_F(ApplyTest, RemembersWritesOfTrackedWindowsOnly) {
    const WindowId window = open(editor);
    start();
    SpaceLayout& layout = managed.probe().editLayout(current());
    const WindowId hole = layout.makeHole();
    layout.tree.insert(hole, window, Rect(5, 30, 1205, 865), 5, std::nullopt, 0.5, {}, {});

    managed.manager().apply(current());

    EXPECT_TRUE(managed.probe().wasWritten(window));
    EXPECT_FALSE(managed.probe().wasWritten(hole));
    EXPECT_EQ(desktop.frame(window)->width(), 600);
}

TEST_F(ApplyTest, WhilePausedOnlyRepublishesTheStatusOfTheSpaceShown) {
    const WindowId window = open(editor);
    start();
    managed.manager().togglePause();
    desktop.moveWindow(window, {50, 50});
    desktop.traceAccessibility(true);

    const std::size_t published = managed.statuses.size();
    managed.manager().apply(current());
    EXPECT_EQ(managed.statuses.size(), published + 1);
    managed.manager().apply(desktop.spaceOrder(main)[1]);
    EXPECT_EQ(managed.statuses.size(), published + 1);
    EXPECT_FALSE(anyWrite(desktop.accessibilityTrace()));
    EXPECT_EQ(desktop.frame(window)->origin, Point(50, 50));
}

TEST_F(ApplyTest, MarksALivePreselectionAfterEveryApplyUntilItIsGone) {
    const WindowId window = open(editor);
    start();
    const auto marked = [&] {
        return std::ranges::any_of(desktop.panels(), [](const sim::Panel* panel) {
            const auto* view = dynamic_cast<const OverlayView*>(panel->content.get());
            return view && view->kind == Overlay::Kind::preselect() &&
                   panel->ordering != WindowOrderingMode::out;
        });
    };

    managed.probe().editLayout(current()).preselect(Direction::east, window);
    managed.manager().apply(current());
    EXPECT_TRUE(marked());

    managed.probe().editLayout(current()).preselect(Direction::east, window);
    managed.manager().apply(current());
    EXPECT_FALSE(marked());
}

TEST_F(ApplyTest, DoesNothingWithoutAnyScreen) {
    const WindowId window = open(editor);
    start();
    const SpaceId space = current();
    desktop.removeDisplay(main);
    managed.settle();
    desktop.traceAccessibility(true);

    managed.manager().apply(space);

    EXPECT_FALSE(anyWrite(desktop.accessibilityTrace()));
    EXPECT_TRUE(managed.probe().isTracked(window));
}

// Windows glide when animation is on: steps on the main queue every 1/120 s for 0.15 s, then the exact frame.
class AnimationTest : public ApplyTest {
  protected:
    AnimationTest() {
        Settings settings = Settings::default_();
        settings.animateWindows = true;
        first = open(editor);
        start(settings);
        managed.advance(1s);
        target = *desktop.frame(first);
        desktop.moveWindow(first, {300, 300});
        desktop.resizeWindow(first, {300, 200});
        managed.settle();
    }

    WindowId first = 0;
    Rect target;
};

TEST_F(AnimationTest, GlidesInStepsOnTheQueueAndEndsExactly) {
    desktop.traceAccessibility(true);
    managed.manager().apply(current());
    EXPECT_TRUE(managed.probe().isAnimating());
    EXPECT_NE(desktop.frame(first), target);

    std::vector<Rect> seen;
    for (int step = 0; step < 30 && managed.probe().isAnimating(); ++step) {
        managed.advance(std::chrono::duration_cast<MainQueue::Duration>(std::chrono::duration<double>(1.0 / 120)));
        seen.push_back(*desktop.frame(first));
    }

    EXPECT_FALSE(managed.probe().isAnimating());
    EXPECT_EQ(desktop.frame(first), target);
    EXPECT_GE(seen.size(), 17u);
    EXPECT_LE(seen.size(), 20u);
    EXPECT_TRUE(std::ranges::is_sorted(seen, std::greater<>(), &Rect::minX)) << "always toward the target";
    EXPECT_LT(seen.front().minX(), 300);
    EXPECT_GT(seen.front().minX(), target.minX());
}

TEST_F(AnimationTest, DoesNotGlideOnASpaceNotShownNorWhenMotionIsReduced) {
    desktop.setReduceMotion(true);
    managed.manager().apply(current());
    EXPECT_FALSE(managed.probe().isAnimating());
    EXPECT_EQ(desktop.frame(first), target);

    desktop.setReduceMotion(false);
    const SpaceId hidden = desktop.spaceOrder(main)[1];
    const WindowId away = desktop.openWindow(editor, {.frame = {100, 100, 300, 200}, .space = hidden});
    managed.settle();
    EXPECT_FALSE(managed.probe().isAnimating());
    EXPECT_EQ(desktop.frame(away)->width(), 1205);
}

TEST_F(AnimationTest, KeepsTheEnhancedUserInterfaceOffForTheWholeGlide) {
    desktop.setEnhancedUserInterface(editor, true);
    managed.manager().apply(current());
    managed.advance(50ms);
    EXPECT_EQ(desktop.enhancedUserInterface(editor), false);
    managed.advance(200ms);
    EXPECT_EQ(desktop.enhancedUserInterface(editor), true);
}

TEST_F(AnimationTest, PausingStopsTheGlideWhereItIs) {
    desktop.setEnhancedUserInterface(editor, true);
    managed.manager().apply(current());
    managed.advance(50ms);
    const Rect halfway = *desktop.frame(first);

    managed.manager().togglePause();
    managed.advance(1s);

    EXPECT_FALSE(managed.probe().isAnimating());
    EXPECT_EQ(desktop.frame(first), halfway);
    EXPECT_EQ(desktop.enhancedUserInterface(editor), true);
}

TEST_F(AnimationTest, ANewApplyOrAClosingWindowStartsTheGlideAfresh) {
    const WindowId second = open(editor);
    managed.settle();
    managed.advance(20ms);
    ASSERT_TRUE(managed.probe().isAnimating());

    desktop.closeWindow(second);
    managed.settle();
    EXPECT_TRUE(managed.probe().isAnimating());
    managed.advance(1s);

    EXPECT_FALSE(managed.probe().isAnimating());
    EXPECT_EQ(desktop.frame(first), target);
}

} // namespace
} // namespace quillmere
