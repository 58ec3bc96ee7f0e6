#include "support/Printers.h"
#include "support/TwoTiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

namespace quillmere {
namespace {

using namespace std::chrono_literals;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;

std::vector<sim::MouseEvent> pressAndRelease(EventType down, EventType up, Point at) {
    return {{down, at}, {up, at}};
}

std::vector<std::string> writesTo(const std::vector<std::string>& trace, WindowId window) {
    std::vector<std::string> writes;
    for (const std::string& line : trace)
        if (line.starts_with("write window " + std::to_string(window) + " "))
            writes.push_back(line);
    return writes;
}

// The last drag reaches the centre of the right tile, which the preview offers to swap with, as the release does.
void releaseOverTheRightTile(TwoTiles& w, const Rect& left, const Rect& right) {
    w.desktop.mouseDrag(right.center());
    w.managed.settle();
    EXPECT_THAT(w.overlays(), ElementsAre(Overlay::Kind::swap("Mail")));
    w.desktop.mouseUp(0);
    w.managed.advance(std::chrono::seconds(1));
    EXPECT_EQ(w.frame(w.left), right);
    EXPECT_EQ(w.frame(w.right), left);
}

int resizeLines(const TwoTiles& w) {
    const std::string prefix = "resize " + std::to_string(w.left) + ": east edge by ";
    return static_cast<int>(std::ranges::count_if(w.managed.log.entries(), [&prefix](const LogEntry& entry) {
        return entry.message.starts_with(prefix);
    }));
}

TEST(MouseGesturesTest, APlainClickPassesBothEventsAndChangesNothing) {
    TwoTiles w;
    const Rect was = w.frame(w.left);
    w.drag(w.centre(w.right), {});
    EXPECT_EQ(w.desktop.applicationMouseEvents(),
              pressAndRelease(EventType::leftMouseDown, EventType::leftMouseUp, w.centre(w.right)));
    EXPECT_EQ(w.frame(w.left), was);
    EXPECT_EQ(w.keyWindowOf(w.mail), w.right) << "the click reached the application";
}

TEST(MouseGesturesTest, ATitleBarDragPreviewsOncePastTwoPointsAndDropsOnRelease) {
    TwoTiles w;
    const Rect left = w.frame(w.left);
    const Rect right = w.frame(w.right);
    const Point title = TwoTiles::above(left, 10);
    w.desktop.mouseDown(0, title);
    w.desktop.mouseDrag({title.x + 1, title.y});
    w.desktop.mouseDrag({title.x + 2, title.y});
    w.managed.settle();
    EXPECT_THAT(w.overlays(), IsEmpty()) << "two points may be the application's rounding";
    w.desktop.mouseDrag(w.centre(w.right));
    releaseOverTheRightTile(w, left, right);
    EXPECT_THAT(w.overlays(), IsEmpty());
    EXPECT_EQ(w.desktop.applicationMouseEvents().size(), 6u) << "a plain drag passes every event";
}

TEST(MouseGesturesTest, AFloatingWindowDraggedByItsTitleShowsAndDropsNothing) {
    TwoTiles w;
    w.run("float");
    const Rect floating = w.frame(w.left);
    const Point title = TwoTiles::above(floating, 10);
    w.desktop.mouseDown(0, title);
    w.desktop.mouseDrag({title.x + 30, title.y});
    w.desktop.mouseDrag(w.centre(w.right));
    w.managed.settle();
    EXPECT_THAT(w.overlays(), IsEmpty());
    w.desktop.mouseUp(0);
    w.managed.advance(1s);
    EXPECT_FALSE(w.manager().isTiled(w.left));
    EXPECT_EQ(w.frame(w.left).origin,
              (Point{floating.minX() + w.centre(w.right).x - title.x, floating.minY() + w.centre(w.right).y - title.y}))
        << "where its application put it";
}

// The user drags the left tile's right edge; the neighbour follows after each pause, the dragged window is
// the application's until the release, which turns what is left of the drag into the tiling.
TEST(MouseGesturesTest, AnEdgeDragRetilesTheNeighboursAfterPausesAndOnRelease) {
    TwoTiles w;
    const Rect left = w.frame(w.left);
    const Rect right = w.frame(w.right);
    w.desktop.traceAccessibility(true);
    const Point edge{left.maxX() - 2, left.midY()};
    w.desktop.mouseDown(0, edge);
    w.desktop.mouseDrag({edge.x + 20, edge.y});
    w.desktop.mouseDrag({edge.x + 40, edge.y});
    w.managed.advance(50ms);
    EXPECT_EQ(w.frame(w.right), right) << "not before the pointer pauses";
    w.managed.advance(20ms);
    EXPECT_NEAR(w.frame(w.right).minX(), right.minX() + 40, 1);
    EXPECT_EQ(resizeLines(w), 0);
    w.desktop.mouseDrag({edge.x + 80, edge.y});
    w.desktop.mouseUp(0);
    w.managed.settle();
    EXPECT_THAT(writesTo(w.desktop.accessibilityTrace(), w.left), IsEmpty());
    EXPECT_EQ(resizeLines(w), 1) << "only the release turns the drag into the tiling with a log line";
    EXPECT_NEAR(w.frame(w.right).minX(), right.minX() + 80, 1);
    w.managed.advance(1s);
    EXPECT_NEAR(w.frame(w.left).width(), left.width() + 80, 1);
}

TEST(MouseGesturesTest, FnDragMovesTheWindowItselfAndSwapsOnRelease) {
    TwoTiles w;
    const Rect left = w.frame(w.left);
    const Rect right = w.frame(w.right);
    w.desktop.mouseDown(0, w.centre(w.left), TwoTiles::fn);
    w.desktop.mouseDrag({left.midX() + 30, left.midY() + 20});
    w.managed.settle();
    EXPECT_EQ(w.frame(w.left).origin, (Point{left.minX() + 30, left.minY() + 20}));
    releaseOverTheRightTile(w, left, right);
    EXPECT_THAT(w.desktop.applicationMouseEvents(), IsEmpty()) << "fn gestures never reach the application";
}

TEST(MouseGesturesTest, FnDragReleasedAtAnOuterEdgeSendsTheWindowToTheNextDesktop) {
    TwoTiles w;
    const SpaceId second = w.desktop.addDesktop(w.main);
    w.managed.settle();
    w.desktop.mouseDown(0, w.centre(w.left), TwoTiles::fn);
    w.desktop.mouseDrag({0, w.centre(w.left).y});
    w.managed.settle();
    EXPECT_THAT(w.overlays(), ElementsAre(Overlay::Kind::send(2)));
    w.desktop.mouseUp(0);
    w.managed.advance(3s);
    EXPECT_THAT(w.desktop.spaces(w.left), ElementsAre(second));
    EXPECT_THAT(w.overlays(), IsEmpty());
}

TEST(MouseGesturesTest, FnCornerResizeMovesTheNearestCornerAndStopsAtTheMinimum) {
    struct Case {
        const char* name;
        EventFlags flags;
        int button;
    };
    for (const Case& c : {Case{"fn and Shift", TwoTiles::fn | TwoTiles::shift, 0}, Case{"fn and secondary", TwoTiles::fn, 1}}) {
        SCOPED_TRACE(c.name);
        TwoTiles w;
        w.run("float");
        const Rect was = w.frame(w.left);
        const Point lowerRight{was.maxX() - 20, was.maxY() - 20};
        w.desktop.mouseDown(c.button, lowerRight, c.flags);
        w.desktop.mouseDrag({lowerRight.x - 30, lowerRight.y + 10});
        w.managed.settle();
        EXPECT_EQ(w.frame(w.left), (Rect{was.minX(), was.minY(), was.width() - 30, was.height() + 10}));
        w.desktop.mouseDrag({was.minX() - 500, was.minY() - 500});
        w.managed.settle();
        EXPECT_EQ(w.frame(w.left).origin, was.origin) << "the opposite corner stays";
        EXPECT_GE(w.frame(w.left).width(), 1);
        EXPECT_GE(w.frame(w.left).height(), 1);
        w.desktop.mouseUp(c.button);
        w.managed.advance(1s);
        EXPECT_THAT(w.desktop.applicationMouseEvents(), IsEmpty());
    }
}

TEST(MouseGesturesTest, PastTheOppositeCornerATiledWindowKeepsItsLearnedMinimum) {
    TwoTiles w;
    w.probe().learnMinimumSize(w.left, {600, 300});
    const Rect was = w.frame(w.left);
    const Point upperLeft{was.minX() + 20, was.minY() + 20};
    w.desktop.mouseDown(0, upperLeft, TwoTiles::fn | TwoTiles::shift);
    w.desktop.mouseDrag({was.maxX() + 500, was.maxY() + 500});
    w.managed.settle();
    EXPECT_EQ(w.frame(w.left), (Rect{was.maxX() - 600, was.maxY() - 300, 600, 300}))
        << "the lower right corner stays";
    w.desktop.mouseUp(0);
}

TEST(MouseGesturesTest, WhilePausedEveryEventPassesAndNothingMoves) {
    TwoTiles w;
    w.run("pause");
    const Rect was = w.frame(w.left);
    w.drag(w.centre(w.left), {{was.midX() + 100, was.midY()}}, TwoTiles::fn);
    EXPECT_EQ(w.desktop.applicationMouseEvents().size(), 3u);
    EXPECT_EQ(w.frame(w.left), was);
}

TEST(MouseGesturesTest, APauseInTheMiddleEndsTheGesture) {
    TwoTiles w;
    const Rect was = w.frame(w.left);
    w.desktop.mouseDown(0, {was.maxX() - 20, was.maxY() - 20}, TwoTiles::fn | TwoTiles::shift);
    w.desktop.mouseDrag({was.maxX() - 40, was.maxY() - 40});
    w.managed.settle();
    w.manager().togglePause();
    w.managed.settle();
    w.desktop.mouseDrag({was.maxX() - 80, was.maxY() - 80});
    w.desktop.mouseUp(0);
    w.managed.settle();
    const Rect paused = w.frame(w.left);
    EXPECT_THAT(w.overlays(), IsEmpty());
    for (const sim::MouseEvent& event : w.desktop.applicationMouseEvents())
        EXPECT_NE(event.type, EventType::leftMouseUp) << "the release of a press the application never saw";

    w.manager().togglePause();
    w.managed.advance(1s);
    const Rect resumed = w.frame(w.left);
    w.drag(w.centre(w.left), {{was.midX() - 100, was.midY() - 100}}, 0, 1);
    w.managed.advance(1s);
    EXPECT_EQ(w.frame(w.left), resumed) << "an old resize does not come back";
    EXPECT_NE(paused, Rect()) << "only to keep the frame read after the pause";
    EXPECT_THAT(w.desktop.applicationMouseEvents(),
                Contains(sim::MouseEvent{EventType::rightMouseDragged, {was.midX() - 100, was.midY() - 100}}));
}

// Without waiting for the next mouse event: nothing of the gesture stays on screen, nothing pending changes
// the layouts while paused, and after the pause the next drag is an ordinary one that reaches the application.
TEST(MouseGesturesTest, APauseEndsTheGestureAtOnce) {
    struct Case {
        const char* name;
        std::function<void(TwoTiles&)> begin;
        // The tile that the gesture, had it stayed, would move on the next drag.
        bool movesLeft;
    };
    const std::vector<Case> cases{
        {"an fn move previewing a swap",
         [](TwoTiles& w) {
             w.desktop.mouseDown(0, w.centre(w.left), TwoTiles::fn);
             w.desktop.mouseDrag(w.centre(w.right));
             w.managed.settle();
             EXPECT_THAT(w.overlays(), ElementsAre(Overlay::Kind::swap("Mail")));
         },
         true},
        {"an fn move showing the send strip",
         [](TwoTiles& w) {
             w.desktop.addDesktop(w.main);
             w.managed.settle();
             w.desktop.mouseDown(0, w.centre(w.left), TwoTiles::fn);
             w.desktop.mouseDrag({0, w.centre(w.left).y});
             w.managed.settle();
             EXPECT_THAT(w.overlays(), ElementsAre(Overlay::Kind::send(2)));
         },
         true},
        {"an edge drag with its live re-tiling pending",
         [](TwoTiles& w) {
             const Point edge{w.frame(w.left).maxX() - 2, w.frame(w.left).midY()};
             w.desktop.mouseDown(0, edge);
             w.desktop.mouseDrag({edge.x + 20, edge.y});
             w.desktop.mouseDrag({edge.x + 40, edge.y});
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TwoTiles w;
        c.begin(w);
        const auto layouts = w.probe().layouts();
        w.manager().togglePause();
        w.managed.advance(1s);
        EXPECT_THAT(w.overlays(), IsEmpty());
        EXPECT_EQ(w.probe().layouts(), layouts);

        w.manager().togglePause();
        w.managed.advance(1s);
        const WindowId moved = c.movesLeft ? w.left : w.right;
        const Rect resumed = w.frame(moved);
        const std::size_t seen = w.desktop.applicationMouseEvents().size();
        w.desktop.mouseDrag({w.centre(w.left).x + 50, w.centre(w.left).y + 50});
        w.managed.advance(1s);
        EXPECT_EQ(w.frame(moved), resumed) << "no gesture left to go on with";
        EXPECT_EQ(w.desktop.applicationMouseEvents().size(), seen + 1) << "the drag reached the application";
        w.desktop.mouseUp(0);
    }
}

TEST(MouseGesturesTest, ATapTheSystemDisablesComesBackOnlyWhileTrusted) {
    TwoTiles w;
    w.desktop.disableTap(true);
    EXPECT_TRUE(w.desktop.tapEnabled());
    EXPECT_EQ(w.disabledNotices, 1);
    w.desktop.setTrusted(false);
    w.desktop.disableTap(false);
    EXPECT_FALSE(w.desktop.tapEnabled());
    EXPECT_EQ(w.disabledNotices, 2);
}

struct RefusedTap : PointerDesktop {
    RefusedTap() {
        desktop.refuseEventTaps(true);
        startWithMouse();
    }
    const DisplayId main = desktop.addDisplay({.name = "Main", .bounds = {0, 0, 1440, 900}});
    const std::int32_t editor = launch("Editor");
    const WindowId first = open(editor, {.frame = {100, 100, 500, 400}});
    const WindowId second = open(editor, {.frame = {200, 100, 500, 400}});
};

TEST(MouseGesturesTest, WithoutATapNothingIsSwallowedAndFocusDoesNotFollowTheMouse) {
    RefusedTap w;
    EXPECT_TRUE(w.managed.logged("mouse event tap unavailable"));
    w.click(w.first);
    const Rect was = *w.desktop.frame(w.first);
    w.drag(was.center(), {{was.midX() + 50, was.midY()}}, TwoTiles::fn);
    EXPECT_EQ(w.desktop.applicationMouseEvents().size(), 3u);
    w.desktop.movePointer(w.desktop.frame(w.second)->center());
    w.managed.advance(1s);
    EXPECT_EQ(w.keyWindowOf(w.editor), w.first);
}

TEST(MouseGesturesTest, CrossingToAnotherDisplayRefreshesTheStatusOncePerCrossing) {
    TwoTiles w;
    Settings settings = Settings::default_();
    settings.focusFollowsMouse = false;
    w.manager().update(settings);
    w.desktop.movePointer({100, 100});
    w.managed.advance(1s);
    const std::size_t before = w.managed.statuses.size();
    w.desktop.movePointer({2000, 100});
    w.desktop.movePointer({2100, 200});
    EXPECT_EQ(w.managed.statuses.size(), before + 1);
    w.desktop.movePointer({300, 200});
    EXPECT_EQ(w.managed.statuses.size(), before + 2);
}

TEST(MouseGesturesTest, AfterStopNeitherAPendingFocusNorAPendingRetilingRuns) {
    TwoTiles hovering;
    hovering.desktop.movePointer(hovering.centre(hovering.right));
    hovering.mouse->stop();
    hovering.managed.advance(1s);
    EXPECT_EQ(hovering.frontApp(), hovering.editor);
    EXPECT_FALSE(hovering.desktop.tapEnabled());

    TwoTiles resizing;
    const Rect left = resizing.frame(resizing.left);
    const Rect right = resizing.frame(resizing.right);
    resizing.desktop.mouseDown(0, {left.maxX() - 2, left.midY()});
    resizing.desktop.mouseDrag({left.maxX() + 20, left.midY()});
    resizing.desktop.mouseDrag({left.maxX() + 40, left.midY()});
    resizing.mouse->stop();
    resizing.managed.advance(1s);
    EXPECT_EQ(resizing.frame(resizing.right), right);
    EXPECT_THAT(resizing.overlays(), IsEmpty());

    TwoTiles moving;
    moving.desktop.mouseDown(0, moving.centre(moving.left), TwoTiles::fn);
    moving.desktop.mouseDrag(moving.centre(moving.right));
    moving.managed.settle();
    ASSERT_THAT(moving.overlays(), Not(IsEmpty()));
    moving.mouse->stop();
    EXPECT_THAT(moving.overlays(), IsEmpty()) << "the drop preview goes with the gesture";
}

} // namespace
} // namespace quillmere
