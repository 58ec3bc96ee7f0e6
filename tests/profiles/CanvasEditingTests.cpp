#include "profiles/CanvasEditing.h"
#include "profiles/TileMenuChoices.h"
#include "support/Snapshots.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace quillmere {
namespace {

using namespace snapshots;

// A canvas of 216 by 116 points: an area of 200 by 100 from (8, 8), split left | right at a gap of 6.
class CanvasEditingTest : public testing::Test {
  protected:
    const Rect canvas{0, 0, 216, 116};
    CanvasEditing editing{h(0.5, tile({ref("A", 0)}), v(0.5, tile(), tile())), 6};
};

TEST_F(CanvasEditingTest, widensTheGapIntoAHandleThatLiesAboveTheTiles) {
    const auto dividers = editing.dividers(canvas);
    ASSERT_EQ(dividers.size(), 2u);
    EXPECT_EQ(CanvasEditing::handle(dividers[0]), (Rect{102, 8, 12, 100}));
    EXPECT_EQ(CanvasEditing::handle(dividers[1]), (Rect{111, 52, 97, 12}));
    EXPECT_EQ(editing.dividerAt(canvas, {104, 50})->path, LayoutPath{});
    EXPECT_EQ(editing.dividerAt(canvas, {150, 54})->path, LayoutPath{true});
    EXPECT_EQ(editing.dividerAt(canvas, {50, 50}), std::nullopt);
    EXPECT_EQ(editing.tileAt(canvas, {50, 50})->path, LayoutPath{false});

    const LayoutDivider flush{{}, Axis::vertical, {0, 10, 100, 0}, {0, 0, 100, 20}};
    EXPECT_EQ(CanvasEditing::handle(flush), (Rect{0, 7, 100, 6}));
}

TEST(CanvasRatio, measuresAlongTheSplitOverItsWholeLengthAndNeedsALength) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        Axis axis;
        Rect bounds;
        Point location;
        std::optional<double> ratio;
    };
    const std::vector<Case> cases{
        {Axis::horizontal, {100, 0, 200, 50}, {150, 999}, 0.25},
        {Axis::vertical, {0, 100, 50, 200}, {999, 250}, 0.75},
        {Axis::horizontal, {100, 0, 200, 50}, {1000, 0}, 4.5},
        {Axis::horizontal, {100, 0, 0, 50}, {100, 0}, std::nullopt},
        {Axis::vertical, {0, 0, 50, 0}, {0, 10}, std::nullopt},
        {Axis::horizontal, {0, 0, inf, 50}, {10, 0}, std::nullopt},
        {Axis::horizontal, {0, 0, 100, 50}, {inf, 0}, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CanvasEditing::ratio({{}, c.axis, {}, c.bounds}, c.location), c.ratio);
}

TEST_F(CanvasEditingTest, aDividerDragDrawsAsItMovesClampedAndHandsOverOnceAtTheEnd) {
    ASSERT_TRUE(editing.press(canvas, {105, 50}));
    EXPECT_FALSE(editing.move({105.5, 50}));
    EXPECT_EQ(editing.dragging(), std::nullopt);
    EXPECT_TRUE(editing.move({58, 50}));
    EXPECT_EQ(editing.shown().ratio(), 0.25);
    EXPECT_EQ(editing.tree().ratio(), 0.5);
    EXPECT_TRUE(editing.move({-500, 50}));
    EXPECT_EQ(editing.shown().ratio(), 0.1);
    EXPECT_TRUE(editing.move({5000, 50}));

    const auto result = editing.release();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->ratio(), 0.9);
    EXPECT_EQ(result->second(), editing.tree().second());
    EXPECT_EQ(editing.dragging(), std::nullopt);
    EXPECT_EQ(editing.release(), std::nullopt);
}

TEST_F(CanvasEditingTest, aPressThatNeverMovesAPointOrMissesTheDividersHandsNothingOver) {
    ASSERT_TRUE(editing.press(canvas, {105, 50}));
    editing.move({105.6, 50.6});
    EXPECT_EQ(editing.release(), std::nullopt);

    EXPECT_FALSE(editing.press(canvas, {50, 50}));
    EXPECT_FALSE(editing.move({90, 50}));
    EXPECT_EQ(editing.release(), std::nullopt);
}

TEST(CanvasEditingZeroSize, aDragOverASplitOfNoSizeChangesAndSavesNothing) {
    CanvasEditing editing(h(0.5, tile(), tile()), 6);
    // As wide as the canvas's insets: no width left for the tiles.
    const Rect none{0, 0, 16, 116};
    const auto dividers = editing.dividers(none);
    ASSERT_EQ(dividers.size(), 1u);
    const Point grip = CanvasEditing::handle(dividers[0]).center();
    ASSERT_TRUE(editing.press(none, grip));
    EXPECT_FALSE(editing.move({grip.x + 20, grip.y}));
    EXPECT_EQ(editing.shown(), editing.tree());
    EXPECT_EQ(editing.release(), std::nullopt);
}

TEST(TileMenuChoices, offersWhatTheTileAllowsAndGivesEachLayout) {
    const auto a = ref("A", 3), b = ref("B", 1);
    const LayoutSnapshot two = h(0.4, tile({a, b}), tile());

    const TileMenuChoices single(tile(), {});
    EXPECT_FALSE(single.holdsApps());
    EXPECT_EQ(single.chooseTitle(), "Choose App");
    EXPECT_FALSE(single.canRemove());
    EXPECT_EQ(single.choosing("C"), tile({ref("C", 0)}));
    EXPECT_EQ(single.splitting(Axis::vertical), v(0.5, tile(), tile()));

    const TileMenuChoices full(two, {false});
    EXPECT_TRUE(full.holdsApps());
    EXPECT_EQ(full.chooseTitle(), "Replace App");
    EXPECT_TRUE(full.canRemove());
    EXPECT_EQ(full.choosing("C"), h(0.4, tile({ref("C", 0)}), tile()));
    EXPECT_EQ(full.stacking("C"), h(0.4, tile({a, b, ref("C", 0)}), tile()));
    EXPECT_EQ(full.splitting(Axis::horizontal), h(0.4, h(0.5, tile({a, b}), tile()), tile()));
    EXPECT_EQ(full.clearing(), h(0.4, tile(), tile()));
    EXPECT_EQ(TileMenuChoices(two, {true}).removing(), tile({a, b}));

    const TileMenuChoices alone(tile({a}), {});
    EXPECT_TRUE(alone.canRemove());
    EXPECT_EQ(alone.removing(), tile());
    EXPECT_TRUE(TileMenuChoices(two, {true}).canRemove());
}

} // namespace
} // namespace quillmere
