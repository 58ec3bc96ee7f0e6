#include "core/BSPTree.h"
#include "support/Printers.h"
#include "support/Trees.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

using namespace trees;

constexpr WindowId A = 1, B = 2, C = 3, D = 4;
constexpr WindowId H = BSPTree::firstHole;
const Rect area(0, 0, 1000, 600);

Size wide(double width) { return {width, 0}; }

TEST(MinimumLengthTest, AddsAlongTheAxisAndTakesTheLargestAcrossIt) {
    const MinimumSizes sizes{{A, {300, 100}}, {B, {200, 150}}, {C, {250, 120}}};
    const Node tree = h(0.5, tile({A}), v(0.5, tile({B}), tile({C})));
    EXPECT_EQ(BSPTree::minimumLength(tree, Axis::horizontal, 10, sizes), 10 + 300 + 250);
    EXPECT_EQ(BSPTree::minimumLength(tree, Axis::vertical, 10, sizes), 10 + 150 + 120);
    // A stack needs what its most demanding window needs; windows without a size need nothing.
    EXPECT_EQ(BSPTree::minimumLength(tile({D, A, B}), Axis::horizontal, 10, sizes), 300);
    EXPECT_EQ(BSPTree::minimumLength(tile({D, H}), Axis::vertical, 10, sizes), 0);
}

struct NormalizeCase {
    const char* name;
    Node before;
    double gap;
    MinimumSizes sizes;
    Node after;
};

class NormalizeTest : public testing::TestWithParam<NormalizeCase> {};

TEST_P(NormalizeTest, ReachesItsFixedPoint) {
    const auto& c = GetParam();
    BSPTree tree{c.before};
    tree.normalize(area, c.gap, c.sizes);
    EXPECT_EQ(tree.root, c.after);
    EXPECT_FALSE(tree.overflows(area, c.gap, c.sizes));
}

INSTANTIATE_TEST_SUITE_P(
    Unstack, NormalizeTest,
    testing::Values(
        NormalizeCase{"TwoWindowsSideBySide", tile({A, B}), 10, {}, h(0.5, tile({A}), tile({B}))},
        NormalizeCase{"BackWindowLeavesFirstThenTheHalfIsDividedAcrossItsLongerSide", tile({A, B, C}), 10, {},
                      h(0.5, v(0.5, tile({A}), tile({B})), tile({C}))},
        NormalizeCase{"FirstStackInTreeOrderFirst", h(0.5, tile({A, B}), tile({C, D})), 10, {},
                      h(0.5, v(0.5, tile({A}), tile({B})), v(0.5, tile({C}), tile({D})))},
        NormalizeCase{"BackWindowTooWideStaysStacked", tile({A, B}), 10, {{B, wide(600)}}, tile({A, B})},
        NormalizeCase{"FrontWindowsTooWideStayStacked", tile({A, B, C}), 10, {{A, wide(506)}}, tile({A, B, C})},
        NormalizeCase{"WithinTheToleranceUnstacks", tile({A, B}), 10, {{A, wide(505)}, {B, wide(505)}},
                      h(0.5, tile({A}), tile({B}))},
        NormalizeCase{"AStackThatCannotSplitLeavesTheSearchToTheNext",
                      h(0.5, tile({A, B}), tile({C, D})), 0, {{B, {0, 400}}}, h(0.5, tile({A, B}), v(0.5, tile({C}), tile({D})))},
        NormalizeCase{"HolesUnstackLikeWindows", tile({A, H}), 0, {}, h(0.5, tile({A}), tile({H}))}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Fit, NormalizeTest,
    testing::Values(
        NormalizeCase{"NoMinimumSizesKeepEveryRatio", h(0.3, tile({A}), v(0.8, tile({B}), tile({C}))), 10, {},
                      h(0.3, tile({A}), v(0.8, tile({B}), tile({C})))},
        NormalizeCase{"FirstSideGrowsToItsNeed", h(0.5, tile({A}), tile({B})), 0, {{A, wide(700)}, {B, wide(200)}},
                      h(0.7, tile({A}), tile({B}))},
        NormalizeCase{"SecondSideGrowsToItsNeed", h(0.9, tile({A}), tile({B})), 0, {{B, wide(300)}},
                      h(0.7, tile({A}), tile({B}))},
        NormalizeCase{"RatioMayLeaveTheInteractiveRange", h(0.5, tile({A}), tile({B})), 0, {{A, wide(950)}},
                      h(0.95, tile({A}), tile({B}))},
        NormalizeCase{"ChildrenFitInTheirFittedParts", h(0.5, tile({A}), v(0.5, tile({B}), tile({C}))), 0,
                      {{A, wide(200)}, {C, {600, 450}}}, h(0.4, tile({A}), v(0.25, tile({B}), tile({C})))}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Merge, NormalizeTest,
    testing::Values(
        // A first child goes to the sibling's tile at its near end; across the axis that is the first tile.
        NormalizeCase{"FirstChildJoinsTheSiblingsFirstTileAcrossTheAxis", h(0.5, tile({A}), v(0.5, tile({B}), tile({C}))), 0,
                      {{A, wide(600)}, {B, wide(500)}}, v(0.5, tile({B, A}), tile({C}))},
        NormalizeCase{"FirstChildJoinsTheSiblingsLeadingTile", h(0.5, h(0.5, tile({A}), tile({B})), tile({C})), 0,
                      {{A, wide(300)}, {B, wide(400)}, {C, wide(400)}}, h(0.5, tile({B, A}), tile({C}))},
        // A second child goes to the sibling's far end along the axis, behind its windows.
        NormalizeCase{"SecondChildJoinsTheSiblingsTrailingTile", h(0.5, h(0.3, tile({A, D}), tile({B})), tile({C})), 0,
                      {{A, wide(300)}, {B, wide(300)}, {C, wide(600)}}, h(0.3, tile({A, D}), tile({B, C}))},
        NormalizeCase{"HoleOnlyTileIsReplacedByTheMergedWindows", h(0.5, tile({H}), tile({C})), 0,
                      {{C, {0, 700}}}, tile({C})},
        NormalizeCase{"LoneTileThatCannotFitStays", tile({A}), 0, {{A, {2000, 2000}}}, tile({A})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NormalizeTest, EmptyTreeStaysEmpty) {
    BSPTree tree;
    tree.normalize(area, 10, {{A, wide(100)}});
    EXPECT_EQ(tree.root, std::nullopt);
    EXPECT_FALSE(tree.overflows(area, 10, {}));
}

TEST(FittingTest, MovesRatiosOnlyWhereBothSidesCanBeServed) {
    const Node even = h(0.5, tile({A}), tile({B}));
    const Rect room(0, 0, 1010, 600);
    EXPECT_EQ(BSPTree::fitting(even, room, 10, {{A, wide(700)}, {B, wide(200)}}), h(0.7, tile({A}), tile({B})));
    EXPECT_EQ(BSPTree::fitting(even, room, 10, {{A, wide(700)}, {B, wide(400)}}), even);
    EXPECT_EQ(BSPTree::fitting(even, room, 10, {{A, wide(100)}, {B, wide(100)}}), even);
    EXPECT_TRUE(matches(BSPTree::fitting(even, Rect(0, 0, 1440, 900), 8, {{A, wide(1000)}}),
                        h(1000.0 / 1432, tile({A}), tile({B}))));
    // No length left once the gap is taken: nothing to share out.
    EXPECT_EQ(BSPTree::fitting(even, Rect(0, 0, 10, 600), 10, {}), even);
}

TEST(FittingTest, KeepsTheRatioAskedForSoThatABorderComesBack) {
    const Rect room(0, 0, 1010, 600);
    const Node even = h(0.5, tile({A}), tile({B}));

    // The window that needed the room has gone smaller: the border goes back where it was asked to be.
    const Node pushed = BSPTree::fitting(even, room, 10, {{A, wide(700)}});
    ASSERT_EQ(pushed, h(0.7, tile({A}), tile({B})));
    EXPECT_EQ(BSPTree::fitting(pushed, room, 10, {}), even);

    // Turned a quarter, fitted across the other axis, where B needs most of the height, and turned back.
    const MinimumSizes sizes{{A, wide(300)}, {B, {0, 500}}};
    BSPTree turned{BSPTree::fitting(even, room, 10, sizes)};
    ASSERT_EQ(turned.root, even);
    turned.rotate(Rotation::quarter);
    turned.root = BSPTree::fitting(*turned.root, room, 10, sizes);
    ASSERT_NE(turned.root->ratio(), 0.5);
    turned.rotate(Rotation::threeQuarter);
    EXPECT_EQ(BSPTree::fitting(*turned.root, room, 10, sizes), even);
}

TEST(OverflowsTest, AnswersWhetherTheMergeStageWouldChangeTheTree) {
    const BSPTree tree{h(0.5, tile({A}), tile({B}))};
    EXPECT_TRUE(tree.overflows(area, 0, {{A, wide(502)}}));
    EXPECT_FALSE(tree.overflows(area, 0, {{A, wide(501)}}));
    EXPECT_TRUE(tree.overflows(area, 0, {{B, {0, 602}}}));
    EXPECT_FALSE(tree.overflows(area, 0, {{B, {0, 601}}}));
    // The tolerance is the gap once the gap is wider than a point.
    EXPECT_FALSE(tree.overflows(area, 10, {{A, wide(505)}}));
    EXPECT_TRUE(tree.overflows(area, 10, {{A, wide(506)}}));
    EXPECT_FALSE(BSPTree{tile({A})}.overflows(area, 0, {{A, wide(5000)}}));
    EXPECT_FALSE(BSPTree{}.overflows(area, 0, {}));
}

TEST(AppendingTest, WalksToTheNearTileAndStacksBehindItsWindows) {
    const Node row = h(0.5, tile({A}), v(0.5, tile({B}), h(0.5, tile({C}), tile({H}))));
    EXPECT_EQ(BSPTree::appending({D}, true, Axis::horizontal, row),
              h(0.5, tile({A, D}), v(0.5, tile({B}), h(0.5, tile({C}), tile({H})))));
    EXPECT_EQ(BSPTree::appending({D}, false, Axis::horizontal, row),
              h(0.5, tile({A}), v(0.5, tile({B, D}), h(0.5, tile({C}), tile({H})))));
    EXPECT_EQ(BSPTree::appending({D}, false, Axis::vertical, row),
              h(0.5, tile({A, D}), v(0.5, tile({B}), h(0.5, tile({C}), tile({H})))));
    EXPECT_EQ(BSPTree::appending({D, A}, false, Axis::horizontal, v(0.5, tile({B}), h(0.5, tile({C}), tile({H})))),
              v(0.5, tile({B, D, A}), h(0.5, tile({C}), tile({H}))));
    EXPECT_EQ(BSPTree::appending({D}, false, Axis::horizontal, h(0.5, tile({C}), tile({H}))), h(0.5, tile({C}), tile({D})));
}

} // namespace
} // namespace quillmere
