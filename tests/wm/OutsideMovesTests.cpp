#include "support/CommandedDesktop.h"
#include "support/Printers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace quillmere {
namespace {

using namespace std::chrono_literals;

// Two editor windows tiled side by side on the only Desktop of a 1440 x 900 display, the left one focused,
// left alone for a second so that the manager's own writes are long past.
struct SideBySide : CommandedDesktop {
    SideBySide() {
        start();
        if (desktop.frame(left)->minX() > desktop.frame(right)->minX())
            std::swap(left, right);
        click(left);
        managed.advance(1s);
    }
    Rect visible() { return *manager().visibleArea(space); }
    Rect tile(WindowId window) { return probe().layout(space)->frames(area(), 5).at(window); }
    Rect area() { return visible().insetBy(5, 5); }
    void moveTo(WindowId window, Rect frame) {
        desktop.resizeWindow(window, frame.size);
        desktop.moveWindow(window, frame.origin);
        managed.settle();
    }
    bool collected(WindowId window) { return probe().collectedMoves().contains(window); }
    std::string id(WindowId window) { return std::to_string(window); }

    const DisplayId main = desktop.addDisplay({.name = "Main", .bounds = {0, 0, 1440, 900}});
    const SpaceId space = desktop.currentSpace(main);
    const std::int32_t editor = launch("Editor");
    WindowId left = open(editor, {.frame = {100, 100, 500, 400}});
    WindowId right = open(editor, {.frame = {200, 100, 500, 400}});
};

Rect grown(Rect frame, double by) {
    return {frame.minX() - by, frame.minY() - by, frame.width() + 2 * by, frame.height() + 2 * by};
}

TEST(OutsideMovesTest, CollectsOnlyWhatSomeoneElseMovedWhileTilingListens) {
    struct Case {
        const char* name;
        std::function<void(SideBySide&)> before;
        // How far off its tile the window ends up.
        std::function<Rect(Rect)> moved;
        bool collected;
    };
    const auto none = [](SideBySide&) {};
    const auto echo = [](Rect tile) { return grown(tile, 1.5); };
    const auto oneEdge = [](Rect tile) { return Rect(tile.origin, {tile.width() - 2.5, tile.height()}); };
    const std::vector<Case> cases{
        {"1.5 points off on every edge is the manager's own write", none, echo, false},
        {"2.5 points off on one edge", none, oneEdge, true},
        {"never written", [](SideBySide& w) { w.probe().forgetWrite(w.left); }, echo, true},
        {"setting off",
         [](SideBySide& w) {
             Settings settings = Settings::default_();
             settings.nativeTiling = false;
             w.manager().update(settings);
         },
         oneEdge, false},
        {"paused", [](SideBySide& w) { w.manager().togglePause(); }, oneEdge, false},
        {"button held", [](SideBySide& w) { w.desktop.pressButton(0); }, oneEdge, false},
        {"displays unsettled",
         [](SideBySide& w) {
             w.desktop.addDisplay({.name = "Side", .bounds = {1440, 0, 1280, 800}});
             w.managed.settle();
         },
         oneEdge, false},
        {"floating window",
         [](SideBySide& w) {
             w.run("float");
             w.managed.advance(1s);
         },
         [](Rect) { return Rect(300, 300, 400, 300); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SideBySide world;
        const Rect tile = *world.desktop.frame(world.left);
        c.before(world);
        world.moveTo(world.left, c.moved(tile));
        EXPECT_EQ(world.collected(world.left), c.collected);
    }
}

TEST(OutsideMovesTest, AStreamOfMovesSettlesOnceAQuarterSecondAfterTheLast) {
    SideBySide world;
    const Rect tile = *world.desktop.frame(world.left);
    for (int step = 1; step <= 10; ++step) {
        world.desktop.moveWindow(world.left, {tile.minX() + 10.0 * step, tile.minY()});
        world.managed.advance(100ms);
    }
    // The tenth move came 0.1 s ago.
    world.managed.advance(149ms);
    EXPECT_TRUE(world.collected(world.left));
    EXPECT_FALSE(world.managed.logged(world.id(world.left) + " moved on desktop 1, not to a tile: putting it back"));

    world.managed.advance(1ms);
    EXPECT_FALSE(world.collected(world.left));
    EXPECT_TRUE(world.managed.logged(world.id(world.left) + " moved on desktop 1, not to a tile: putting it back"));
    EXPECT_EQ(world.desktop.frame(world.left), tile);
}

// Each story moves windows as the system's own tiling does, in a glide of three steps over 0.1 s, and looks
// at the layout once everything has settled.
struct SystemTiling : SideBySide {
    void arrange(const std::map<WindowId, Rect>& frames) {
        desktop.arrangeAsSystem(frames, 100ms, 3);
        managed.advance(1s);
    }
    Rect half(Direction side) {
        const Rect v = visible();
        const double width = v.width() / 2;
        return {side == Direction::west ? v.minX() : v.minX() + width, v.minY(), width, v.height()};
    }
    Rect quarter(Direction vertical) {
        const Rect east = half(Direction::east);
        const double height = east.height() / 2;
        return {east.minX(), vertical == Direction::north ? east.minY() : east.minY() + height, east.width(),
                height};
    }
    const SpaceLayout& layout() { return *probe().layout(space); }
    // A tile that is a half of the display reads as the system's own half: the border moves well off the
    // middle so that the tiles read as nothing the system makes.
    void moveTheBorderOffTheMiddle() {
        run("border horizontal 200");
        ASSERT_GT(std::abs(desktop.frame(left)->width() - desktop.frame(right)->width()), 100);
    }
};

// One named story told on a fresh desktop.
struct Story {
    const char* name;
    std::function<void(SystemTiling&)> tell;
};

TEST(SystemTilingTest, ReadsWhatTheSystemsTilingDid) {
    const std::vector<Story> stories{
        {"a window tiled to the left half is placed west, and restored when it goes back",
         [](SystemTiling& w) {
             w.moveTheBorderOffTheMiddle();
             const Rect before = *w.desktop.frame(w.right);
             w.arrange({{w.right, w.half(Direction::west)}});
             EXPECT_TRUE(w.managed.logged("macOS tiled " + w.id(w.right) + " on desktop 1: place left 1/2"));
             EXPECT_EQ(w.desktop.frame(w.right)->minX(), w.area().minX());

             w.arrange({{w.right, before.offsetBy(4, -4)}});
             EXPECT_TRUE(
                 w.managed.logged(w.id(w.right) + " returned to its previous size on desktop 1: restore"));
             EXPECT_EQ(w.desktop.frame(w.right), before);
         }},
        {"a window filling the display is zoomed, and unzoomed when it goes back",
         [](SystemTiling& w) {
             w.moveTheBorderOffTheMiddle();
             const Rect before = *w.desktop.frame(w.left);
             w.arrange({{w.left, w.visible()}});
             EXPECT_TRUE(w.managed.logged("macOS filled the display with " + w.id(w.left) + " on desktop 1: zoom"));
             EXPECT_EQ(w.layout().zoomed, w.left);

             w.arrange({{w.left, before.offsetBy(-5, 5)}});
             EXPECT_TRUE(
                 w.managed.logged(w.id(w.left) + " returned to its previous size on desktop 1: restore"));
             EXPECT_EQ(w.layout().zoomed, std::nullopt);
             EXPECT_EQ(w.desktop.frame(w.left), before);
         }},
        {"two windows over the display are adopted as they stand",
         [](SystemTiling& w) {
             w.arrange({{w.left, w.half(Direction::east)}, {w.right, w.half(Direction::west)}});
             EXPECT_TRUE(w.managed.logged("macOS arranged 2 windows on desktop 1: adopting it"));
             EXPECT_GT(w.desktop.frame(w.left)->minX(), w.desktop.frame(w.right)->maxX());
         }},
        {"two windows over the right half take the east half and leave the west to the rest",
         [](SystemTiling& w) {
             const WindowId third = w.open(w.editor, {.frame = {300, 100, 500, 400}});
             w.managed.advance(1s);
             w.arrange({{w.left, w.quarter(Direction::north)}, {third, w.quarter(Direction::south)}});
             EXPECT_TRUE(w.managed.logged("macOS arranged 2 windows on desktop 1 in the east half: adopting it"));
             const double middle = w.area().midX();
             EXPECT_GE(w.desktop.frame(w.left)->minX(), middle);
             EXPECT_GE(w.desktop.frame(third)->minX(), middle);
             EXPECT_LE(w.desktop.frame(w.right)->maxX(), middle);
             EXPECT_LT(w.desktop.frame(w.left)->maxY(), w.desktop.frame(third)->minY());
         }},
        {"a float Space never changes",
         [](SystemTiling& w) {
             w.run("layout float");
             w.arrange({{w.left, {300, 300, 400, 300}}});
             EXPECT_EQ(w.desktop.frame(w.left), Rect(300, 300, 400, 300));
         }},
        {"a stack Space puts the window back",
         [](SystemTiling& w) {
             w.run("layout stack");
             const Rect stacked = *w.desktop.frame(w.left);
             w.arrange({{w.left, {300, 300, 400, 300}}});
             EXPECT_EQ(w.desktop.frame(w.left), stacked);
         }},
        {"a button held when the moves settle leaves everything as it is",
         [](SystemTiling& w) {
             const SpaceLayout before = w.layout();
             w.desktop.arrangeAsSystem({{w.left, w.visible()}}, 100ms, 3);
             w.managed.advance(150ms);
             w.desktop.pressButton(0);
             w.managed.advance(1s);
             EXPECT_TRUE(w.probe().collectedMoves().empty());
             EXPECT_EQ(w.layout(), before);
             EXPECT_EQ(w.desktop.frame(w.left), w.visible());
         }},
        {"a floating window moved with a tiled one stays floating",
         [](SystemTiling& w) {
             w.click(w.right);
             w.run("float");
             w.arrange({{w.left, w.half(Direction::west)}, {w.right, w.half(Direction::east)}});
             EXPECT_FALSE(w.managed.logged("macOS arranged 2 windows on desktop 1: adopting it"));
             EXPECT_TRUE(w.layout().floating.contains(w.right));
             EXPECT_EQ(w.desktop.frame(w.right), w.half(Direction::east));
         }},
    };
    for (const Story& story : stories) {
        SCOPED_TRACE(story.name);
        SystemTiling world;
        story.tell(world);
    }
}

TEST(SystemTilingTest, LeavesAnApplicationsAnswerToAFreshWriteButNotALaterMove) {
    struct Case {
        MainQueue::Duration afterWrite;
        bool stays;
    };
    for (const Case c : {Case{300ms, true}, Case{700ms, false}}) {
        SCOPED_TRACE(c.afterWrite.count());
        SystemTiling world;
        world.manager().perform(*Command::parse("swap east"));
        world.managed.advance(c.afterWrite);
        const Rect tile = *world.desktop.frame(world.right);
        const Rect shrunk(tile.origin, {tile.width() - 100, tile.height() - 100});
        world.moveTo(world.right, shrunk);
        world.managed.advance(1s);
        EXPECT_EQ(world.desktop.frame(world.right), c.stays ? shrunk : tile);
    }
}

// A re-apply that finds every window in place writes nothing, so it must not make a later move look like
// an answer to it.
TEST(SystemTilingTest, ARewriteThatChangedNothingHidesNoMove) {
    SystemTiling world;
    const Rect tile = *world.desktop.frame(world.left);
    world.manager().apply(world.space);
    world.managed.advance(100ms);
    world.moveTo(world.left, {300, 300, 400, 300});
    world.managed.advance(1s);
    EXPECT_EQ(world.desktop.frame(world.left), tile);
}

TEST(AdoptArrangementTest, RefusesTooFewWindowsAndAnArrangementThatLeavesTooMuchBare) {
    const std::vector<Story> stories{
        {"one window",
         [](SystemTiling& w) {
             w.desktop.closeWindow(w.right);
             w.managed.advance(1s);
         }},
        {"below 85 %",
         [](SystemTiling& w) {
             w.manager().togglePause();
             w.desktop.resizeWindow(w.left, {300, 300});
             w.desktop.resizeWindow(w.right, {300, 300});
             w.managed.settle();
         }},
    };
    for (const Story& story : stories) {
        SCOPED_TRACE(story.name);
        SystemTiling world;
        story.tell(world);
        const SpaceLayout before = world.layout();
        EXPECT_FALSE(world.probe().adoptArrangement(world.space));
        EXPECT_EQ(world.layout(), before);
    }
}

TEST(AdoptArrangementTest, AFirstSeenSpaceKeepsTheArrangementOnScreen) {
    CommandedDesktop world;
    world.desktop.addDisplay({.name = "Main", .bounds = {0, 0, 1440, 900}});
    const auto editor = world.launch("Editor");
    // Admission alone would tile the newer window first, on the left.
    const WindowId older = world.open(editor, {.frame = {0, 25, 720, 875}});
    const WindowId newer = world.open(editor, {.frame = {720, 25, 720, 875}});
    world.start();

    EXPECT_TRUE(world.managed.logged("first shown: keeping the arrangement on desktop 1"));
    EXPECT_LT(world.desktop.frame(older)->maxX(), world.desktop.frame(newer)->minX());
}

TEST(AdoptArrangementTest, ResumingKeepsWhatWasArrangedWhilePaused) {
    SystemTiling world;
    world.manager().togglePause();
    world.arrange({{world.left, world.half(Direction::east)}, {world.right, world.half(Direction::west)}});
    world.manager().togglePause();
    world.managed.settle();

    EXPECT_TRUE(world.managed.logged("resumed: keeping the arrangement on desktop 1"));
    EXPECT_GT(world.desktop.frame(world.left)->minX(), world.desktop.frame(world.right)->maxX());
}

} // namespace
} // namespace quillmere
