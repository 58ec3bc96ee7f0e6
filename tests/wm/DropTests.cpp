#include "support/Printers.h"
#include "support/TwoTiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

namespace quillmere {
namespace {

using namespace std::chrono_literals;
using ::testing::Contains;
using ::testing::ElementsAre;

struct Frames {
    Rect left, right, other;
};

TEST(DropTest, DropsSwapInsertAndMoveAcrossDisplays) {
    struct Case {
        const char* name;
        std::function<void(TwoTiles&)> before;
        std::function<Point(TwoTiles&)> at;
        std::optional<Overlay::Kind> preview;
        std::function<void(TwoTiles&, const Frames&)> check;
    };
    const auto nothing = [](TwoTiles&) {};
    const auto unchanged = [](TwoTiles& w, const Frames& was) {
        EXPECT_EQ(w.frame(w.left), was.left);
        EXPECT_EQ(w.frame(w.right), was.right);
        EXPECT_EQ(w.frame(w.other), was.other);
        EXPECT_THAT(w.desktop.spaces(w.left), ElementsAre(w.space));
    };
    const std::vector<Case> cases{
        {"centre of the other tile", nothing, [](TwoTiles& w) { return w.centre(w.right); },
         Overlay::Kind::swap("Mail"),
         [](TwoTiles& w, const Frames& was) {
             EXPECT_EQ(w.frame(w.left), was.right);
             EXPECT_EQ(w.frame(w.right), was.left);
         }},
        {"bottom edge of the other tile", nothing,
         [](TwoTiles& w) { return Point{w.centre(w.right).x, w.frame(w.right).maxY() - 10}; },
         Overlay::Kind::insert(Direction::south, "Mail"),
         [](TwoTiles& w, const Frames&) {
             EXPECT_EQ(w.frame(w.left).minX(), w.frame(w.right).minX());
             EXPECT_GT(w.frame(w.left).minY(), w.frame(w.right).maxY());
         }},
        {"edge of a window on the other display", nothing,
         [](TwoTiles& w) { return Point{w.frame(w.other).minX() + 10, w.centre(w.other).y}; },
         Overlay::Kind::insert(Direction::west, "Notes"),
         [](TwoTiles& w, const Frames& was) {
             EXPECT_THAT(w.desktop.spaces(w.left), ElementsAre(w.sideSpace)) << "moved by the window server";
             EXPECT_FALSE(w.probe().layout(w.space)->contains(w.left));
             EXPECT_GT(w.frame(w.right).width(), was.right.width()) << "the Space it left is written";
             EXPECT_LT(w.frame(w.left).maxX(), w.frame(w.other).minX());
             EXPECT_GE(w.frame(w.left).minX(), 1440);
         }},
        // The dragged window already shares the display with it, to its east.
        {"centre of a window on the other display", nothing, [](TwoTiles&) { return Point{1440 + 1280 / 4, 400}; },
         Overlay::Kind::swap("Notes"),
         [](TwoTiles& w, const Frames& was) {
             EXPECT_THAT(w.desktop.spaces(w.left), ElementsAre(w.sideSpace));
             EXPECT_THAT(w.desktop.spaces(w.other), ElementsAre(w.space));
             EXPECT_EQ(w.frame(w.other), was.left) << "in the dragged window's old slot";
             EXPECT_EQ(w.frame(w.left), was.other);
         }},
        {"an empty tile",
         [](TwoTiles& w) {
             SpaceLayout& layout = w.probe().editLayout(w.space);
             const WindowId hole = layout.makeHole();
             layout.tree.insert(hole, w.right, *w.manager().visibleArea(w.space), 0, Direction::south, 0.5, {}, {});
             w.manager().apply(w.space);
             w.managed.settle();
         },
         [](TwoTiles& w) {
             const FrameMap tiles = w.probe().layout(w.space)->frames(*w.manager().visibleArea(w.space), 0);
             return std::prev(tiles.end())->second.center();
         },
         Overlay::Kind::fillHole(),
         [](TwoTiles& w, const Frames&) {
             EXPECT_TRUE(w.probe().layout(w.space)->tree.holes().empty());
             EXPECT_GT(w.frame(w.left).minY(), w.frame(w.right).maxY());
             EXPECT_THAT(w.desktop.spaces(w.other), ElementsAre(w.sideSpace)) << "nothing sent back";
         }},
        {"a full-screen Space",
         [](TwoTiles& w) {
             w.desktop.enterFullScreen({w.other});
             w.managed.advance(2s);
         },
         [](TwoTiles&) { return Point{2000, 400}; }, std::nullopt,
         [](TwoTiles& w, const Frames& was) {
             EXPECT_EQ(w.frame(w.left), was.left);
             EXPECT_THAT(w.desktop.spaces(w.left), ElementsAre(w.space));
         }},
        {"outside every display", nothing, [](TwoTiles&) { return Point{5000, 5000}; }, std::nullopt, unchanged},
        {"a stacking layout", [](TwoTiles& w) { w.run("layout stack"); },
         [](TwoTiles& w) { return w.centre(w.right); }, std::nullopt, [](TwoTiles& w, const Frames&) {
             EXPECT_THAT(w.desktop.spaces(w.left), ElementsAre(w.space));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TwoTiles w;
        c.before(w);
        const Frames was{w.frame(w.left), w.frame(w.right), w.frame(w.other)};
        const Point at = c.at(w);
        const auto preview = w.manager().dropHighlight(w.left, at);
        EXPECT_EQ(preview ? std::optional(preview->kind) : std::nullopt, c.preview);
        w.manager().drop(w.left, at);
        w.managed.advance(1s);
        c.check(w, was);
    }
}

TEST(DropTest, ADropIntoTheEmptyPartOfAnotherDisplayMovesTheWindowThere) {
    TwoTiles w;
    w.desktop.closeWindow(w.other);
    w.managed.advance(1s);
    const auto preview = w.manager().dropHighlight(w.left, {2000, 400});
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->kind, Overlay::Kind::moveToDisplay("Side"));
    w.manager().drop(w.left, {2000, 400});
    w.managed.advance(1s);
    EXPECT_THAT(w.desktop.spaces(w.left), ElementsAre(w.sideSpace));
    EXPECT_TRUE(w.managed.logged("drop " + std::to_string(w.left) + " onto Side"));
}

// The Editor window has shown that it cannot be narrower than 700.4 points, the Notes window from the other
// display not narrower than 300: dropped beside the Editor window, it finds the tile too narrow for both.
TEST(DropTest, AnInsertThatForcesAStackSaysWhoseMinimumSizeWasInTheWay) {
    TwoTiles w;
    w.probe().learnMinimumSize(w.left, {700.4, 0});
    w.probe().learnMinimumSize(w.other, {300, 200});
    const Point eastOfLeft{w.frame(w.left).maxX() - 10, w.centre(w.left).y};
    w.manager().drop(w.other, eastOfLeft);
    w.managed.settle();
    const std::string notice = "No room to split: Editor needs to be at least 700 pt wide";
    EXPECT_THAT(w.overlays(), Contains(Overlay::Kind::refused(notice)));
    EXPECT_TRUE(w.managed.logged("drop " + std::to_string(w.other) + ": stacked, " + notice));
    w.managed.advance(1900ms);
    EXPECT_THAT(w.overlays(), Contains(Overlay::Kind::refused(notice)));
    w.managed.advance(1s);
    EXPECT_THAT(w.overlays(), ::testing::Not(Contains(Overlay::Kind::refused(notice))));
}

} // namespace
} // namespace quillmere
