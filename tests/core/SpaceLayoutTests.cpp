#include "core/SpaceLayout.h"
#include "support/Layouts.h"
#include "support/Printers.h"
#include "support/Trees.h"

#include <gtest/gtest.h>
#include <limits>

namespace quillmere {
namespace {

using namespace trees;
using layouts::Given;

constexpr WindowId A = 1, B = 2, C = 3, D = 4, F = 6, W = 9;
constexpr WindowId H0 = BSPTree::firstHole, H1 = H0 + 1, H2 = H0 + 2, H3 = H0 + 3;
const Rect area(0, 0, 1000, 600);

// ---- add ----

struct SpaceLayoutAddCase {
    const char* name;
    SpaceLayout before;
    WindowId window;
    std::optional<std::string> app;
    bool floats;
    SpaceLayout after;
};

class SpaceLayoutAddTest : public testing::TestWithParam<SpaceLayoutAddCase> {};

TEST_P(SpaceLayoutAddTest, FollowsTheOrderOfPrecedence) {
    const auto& c = GetParam();
    SpaceLayout layout = c.before;
    layout.add(c.window, c.app, std::nullopt, area, 0, c.floats, 0.5, {});
    EXPECT_TRUE(matches(layout.tree.root, *c.after.tree.root));
    layout.tree = c.after.tree;
    EXPECT_EQ(layout, c.after);
}

const Node rowAB = h(0.5, tile({A}), tile({B}));

INSTANTIATE_TEST_SUITE_P(
    Cases, SpaceLayoutAddTest,
    testing::Values(
        SpaceLayoutAddCase{"ReservedHoleBeatsFloating",
                           Given().tree(h(0.5, tile({A}), tile({H1}))).waiting({{H1, "app"}}), W, "app", true,
                           Given().tree(h(0.5, tile({A}), tile({W})))},
        SpaceLayoutAddCase{
            "LowestReservedHoleOfTheAppIsTaken",
            Given()
                .tree(h(0.5, tile({H3}), v(0.5, tile({H1}), tile({A}))))
                .waiting({{H3, "app"}, {H1, "app"}}),
            W, "app", false,
            Given().tree(h(0.5, tile({H3}), v(0.5, tile({W}), tile({A})))).waiting({{H3, "app"}})},
        SpaceLayoutAddCase{
            "ReservedHoleOfAnotherAppIsNotTaken",
            Given().tree(h(0.5, tile({A}), tile({H1}))).waiting({{H1, "other"}}), W, "app", false,
            Given().tree(h(0.5, v(0.5, tile({A}), tile({W})), tile({H1}))).waiting({{H1, "other"}})},
        SpaceLayoutAddCase{
            "ReservedHoleLeavesZoomAndPreselection",
            Given()
                .tree(h(0.5, tile({A}), tile({H1})))
                .waiting({{H1, "app"}})
                .zoomed(A)
                .preselection(A, Direction::west),
            W, "app", false,
            Given().tree(h(0.5, tile({A}), tile({W}))).zoomed(A).preselection(A, Direction::west)},
        SpaceLayoutAddCase{"StaleReservedHoleIsDroppedAndTheWindowTiled",
                           Given().tree(tile({A})).waiting({{H1, "app"}}), W, "app", false,
                           Given().tree(h(0.5, tile({A}), tile({W})))},
        SpaceLayoutAddCase{"StaleReservedHoleIsDroppedAndTheWindowFloats",
                           Given().tree(tile({A})).waiting({{H1, "app"}}), W, "app", true,
                           Given().tree(tile({A})).floating({W})},
        SpaceLayoutAddCase{
            "StaleReservedHoleGivesWayToALiveOne",
            Given().tree(h(0.5, tile({A}), tile({H2}))).waiting({{H1, "app"}, {H2, "app"}, {H3, "other"}}), W,
            "app", false, Given().tree(h(0.5, tile({A}), tile({W}))).waiting({{H3, "other"}})},
        SpaceLayoutAddCase{"FloatingFlagKeepsZoom", Given().tree(tile({A})).zoomed(A), W, std::nullopt, true,
                           Given().tree(tile({A})).zoomed(A).floating({W})},
        SpaceLayoutAddCase{
            "LivePreselectionBeatsTheAlgorithmAndIsCleared",
            Given().tiling(TileAlgorithm::masterStack).tree(rowAB).preselection(A, Direction::west), W,
            std::nullopt, false,
            Given().tiling(TileAlgorithm::masterStack).tree(h(0.5, h(0.5, tile({W}), tile({A})), tile({B})))},
        SpaceLayoutAddCase{"LivePreselectionBeatsAFreeHole",
                           Given().tree(h(0.5, tile({A}), tile({H0}))).preselection(A, Direction::south), W,
                           std::nullopt, false,
                           Given().tree(h(0.5, v(0.5, tile({A}), tile({W})), tile({H0})))},
        SpaceLayoutAddCase{"PreselectionOfAWindowOutsideTheTreeIsPassedOverAndStays",
                           Given().tree(tile({A})).preselection(C, Direction::west), W, std::nullopt, false,
                           Given().tree(h(0.5, tile({A}), tile({W}))).preselection(C, Direction::west)},
        SpaceLayoutAddCase{
            "FreeHoleBeatsTheAlgorithm",
            Given().tree(h(0.5, tile({A}), v(0.5, tile({H0}), tile({H1})))).waiting({{H0, "other"}}), W,
            std::nullopt, false,
            Given().tree(h(0.5, tile({A}), v(0.5, tile({H0}), tile({W})))).waiting({{H0, "other"}})},
        SpaceLayoutAddCase{"ReservedHolesAreKeptInBsp", Given().tree(tile({H0})).waiting({{H0, "other"}}), W,
                           std::nullopt, false,
                           Given().tree(h(0.5, tile({H0}), tile({W}))).waiting({{H0, "other"}})},
        SpaceLayoutAddCase{"TilingClearsZoom", Given().tree(tile({A})).zoomed(A), W, std::nullopt, false,
                           Given().tree(h(0.5, tile({A}), tile({W})))},
        SpaceLayoutAddCase{
            "I3JoinsTheRow", Given().tiling(TileAlgorithm::i3).tree(rowAB), W, std::nullopt, false,
            Given().tiling(TileAlgorithm::i3).tree(h(1.0 / 3, tile({A}), h(0.5, tile({B}), tile({W}))))},
        SpaceLayoutAddCase{
            "MasterStackJoinsTheStack",
            Given().tiling(TileAlgorithm::masterStack).tree(h(0.6, tile({A}), tile({B}))), W, std::nullopt,
            false,
            Given().tiling(TileAlgorithm::masterStack).tree(h(0.6, tile({A}), v(0.5, tile({B}), tile({W}))))},
        SpaceLayoutAddCase{"TiledWindowIsNotAddedAgain", Given().tree(rowAB).waiting({{H1, "app"}}), A, "app",
                           true, Given().tree(rowAB).waiting({{H1, "app"}})},
        SpaceLayoutAddCase{"FloatingWindowIsNotAddedAgain", Given().tree(tile({A})).floating({F}), F,
                           std::nullopt, false, Given().tree(tile({A})).floating({F})},
        SpaceLayoutAddCase{"HoleIdIsNeverAWindow", Given().tree(tile({A})), H2, std::nullopt, true,
                           Given().tree(tile({A}))}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpaceLayoutAdd, BesideAndMinimumSizesReachTheTree) {
    SpaceLayout layout = Given().tree(h(0.5, tile({A}), tile({B})));
    layout.add(W, std::nullopt, A, area, 10, false, 0.6, {{W, {0, 300}}});
    // A's tile is 495 × 600: split across its height W would get 236 points, too few; across its width it
    // fits.
    EXPECT_TRUE(matches(layout.tree.root, h(0.5, h(0.6, tile({A}), tile({W})), tile({B}))));
}

TEST(SpaceLayoutAdd, BalanceLeavesAReservedPlaceStaleAndTheWindowStillArrives) {
    SpaceLayout layout =
        Given().tree(h(0.5, tile({A}), h(0.5, tile({H0}), tile({B})))).waiting({{H0, "app"}});
    layout.balance();
    ASSERT_EQ(layout.waiting.size(), 1u);
    layout.add(W, "app", std::nullopt, area, 0, false, 0.5, {});
    EXPECT_TRUE(layout.tree.contains(W));
    EXPECT_TRUE(layout.waiting.empty());
}

// ---- holes ----

TEST(SpaceLayoutHoles, AreHandedOutInOrder) {
    SpaceLayout layout = Given();
    EXPECT_EQ(layout.makeHole(), H0);
    EXPECT_EQ(layout.makeHole(), H1);
    EXPECT_EQ(layout.nextHole, H2);
}

TEST(SpaceLayoutHoles, WhenTheyRunOutTheLowestUnusedIsReusedAndNeverZero) {
    constexpr WindowId lastHole = std::numeric_limits<WindowId>::max();
    SpaceLayout layout =
        Given().tree(h(0.5, tile({H0}), h(0.5, tile({H1, A}), tile({H3})))).waiting({{H2, "app"}});
    layout.nextHole = lastHole;
    EXPECT_EQ(layout.makeHole(), lastHole);
    EXPECT_EQ(layout.nextHole, H0);

    layout.tree.replace(H3, lastHole);
    EXPECT_EQ(layout.makeHole(), H3);
    EXPECT_EQ(layout.nextHole, H0 + 4);

    layout.tree.replace(A, H3);
    layout.nextHole = 0; // as a counter that wrapped would read
    EXPECT_EQ(layout.makeHole(), H0 + 4);
}

// The holes of one placement enter the tree together, so each must differ from those made before it.
TEST(SpaceLayoutHoles, OnePlacementNeverMakesTheSameHoleTwice) {
    constexpr WindowId lastHole = std::numeric_limits<WindowId>::max();
    for (const WindowId next : {lastHole, H2}) {
        SpaceLayout layout = Given().tree(h(0.5, tile({A}), v(0.5, tile({H0}), tile({H2}))));
        layout.nextHole = next;
        layout.place(A, Region{Region::Center{}}, area);
        ASSERT_TRUE(layout.tree.root) << next;
        const auto holes = layout.tree.holes();
        ASSERT_EQ(holes.size(), 2u) << next;
        EXPECT_NE(holes[0], holes[1]) << next;
    }
}

// ---- remove ----

struct SpaceLayoutRemoveCase {
    const char* name;
    SpaceLayout before;
    WindowId window;
    SpaceLayout after;
};

class SpaceLayoutRemoveTest : public testing::TestWithParam<SpaceLayoutRemoveCase> {};

TEST_P(SpaceLayoutRemoveTest, TakesTheWindowOutOfEverything) {
    const auto& c = GetParam();
    SpaceLayout layout = c.before;
    layout.remove(c.window);
    EXPECT_TRUE(matches(layout.tree.root, *c.after.tree.root));
    layout.tree = c.after.tree;
    EXPECT_EQ(layout, c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpaceLayoutRemoveTest,
    testing::Values(
        SpaceLayoutRemoveCase{"BspSiblingTakesThePlaceAndHolesCloseUp",
                              Given()
                                  .tree(h(0.3, tile({A}), v(0.5, tile({B}), h(0.5, tile({H0}), tile({C})))))
                                  .waiting({{H0, "app"}}),
                              B, Given().tree(h(0.3, tile({A}), tile({C})))},
        SpaceLayoutRemoveCase{
            "I3RowClosesUpKeepingProportions",
            Given().tiling(TileAlgorithm::i3).tree(h(0.5, tile({A}), h(0.5, tile({B}), tile({C})))), B,
            Given().tiling(TileAlgorithm::i3).tree(h(2.0 / 3, tile({A}), tile({C})))},
        SpaceLayoutRemoveCase{
            "MasterStackKeepsItsShape",
            Given().tiling(TileAlgorithm::masterStack).tree(h(0.6, tile({A}), v(0.5, tile({B}), tile({C})))),
            A, Given().tiling(TileAlgorithm::masterStack).tree(h(0.6, tile({B}), tile({C})))},
        SpaceLayoutRemoveCase{"ClearsTheStateNamingTheWindow",
                              Given()
                                  .tree(h(0.5, tile({A}), tile({B})))
                                  .zoomed(A)
                                  .preselection(A, Direction::east)
                                  .front(A)
                                  .popped(B, A),
                              A, Given().tree(tile({B}))},
        SpaceLayoutRemoveCase{"KeepsTheStateNamingOthers",
                              Given()
                                  .tree(h(0.5, tile({A}), v(0.5, tile({B}), tile({C}))))
                                  .zoomed(B)
                                  .preselection(B, Direction::east)
                                  .front(B)
                                  .popped(B, C),
                              A,
                              Given()
                                  .tree(v(0.5, tile({B}), tile({C})))
                                  .zoomed(B)
                                  .preselection(B, Direction::east)
                                  .front(B)
                                  .popped(B, C)},
        SpaceLayoutRemoveCase{
            "FloatingWindowLeavesTheSetAndStillDropsHoles",
            Given().tree(h(0.5, tile({A}), tile({H0}))).floating({F}).waiting({{H0, "app"}}), F,
            Given().tree(tile({A}))},
        SpaceLayoutRemoveCase{"AHoleIdIsRemovedPlainly", Given().tree(h(0.5, tile({A}), tile({H0, B}))), H0,
                              Given().tree(h(0.5, tile({A}), tile({B})))}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpaceLayoutRemoveKeepingHoles, TakesTheWindowOutAndLeavesEveryHoleAndReservation) {
    SpaceLayout layout = Given()
                             .tree(h(0.3, tile({A}), v(0.5, tile({B}), h(0.5, tile({H0}), tile({C})))))
                             .floating({F})
                             .waiting({{H0, "app"}})
                             .zoomed(B)
                             .front(B);
    layout.removeKeepingHoles(B);
    layout.removeKeepingHoles(F);
    const SpaceLayout expected =
        Given().tree(h(0.3, tile({A}), h(0.5, tile({H0}), tile({C})))).waiting({{H0, "app"}});
    EXPECT_TRUE(matches(layout.tree.root, *expected.tree.root));
    layout.tree = expected.tree;
    EXPECT_EQ(layout, expected);
}

// ---- frames ----

TEST(SpaceLayoutFrames, BspGivesTheZoomedWindowTheWholeArea) {
    const SpaceLayout layout = Given().tree(h(0.5, tile({A}), tile({B, H0}))).zoomed(A).floating({F});
    EXPECT_EQ(layout.frames(area, 10),
              (FrameMap{{A, area}, {B, Rect(505, 0, 495, 600)}, {H0, Rect(505, 0, 495, 600)}}));
}

TEST(SpaceLayoutFrames, StackFillGivesEveryTiledWindowTheWholeAreaWhateverTheGap) {
    const SpaceLayout layout =
        Given().mode(LayoutMode::stack).tree(h(0.5, tile({A, B}), tile({H0}))).floating({F});
    const FrameMap expected{{A, area}, {B, area}};
    EXPECT_EQ(layout.frames(area, 0), expected);
    EXPECT_EQ(layout.frames(area, 24), expected);
}

TEST(SpaceLayoutFrames, FloatArrangesNothing) {
    const SpaceLayout layout =
        Given().mode(LayoutMode::float_).tree(h(0.5, tile({A}), tile({B}))).floating({F});
    EXPECT_TRUE(layout.frames(area, 0).empty());
}

struct AccordionCase {
    const char* name;
    double width;
    std::optional<WindowId> front;
    std::vector<std::pair<double, double>> offsetAndWidth; // of A, B, C
};

class SpaceLayoutAccordionTest : public testing::TestWithParam<AccordionCase> {};

TEST_P(SpaceLayoutAccordionTest, FansTheWindowsOutAroundTheFront) {
    const auto& c = GetParam();
    SpaceLayout layout = Given()
                             .mode(LayoutMode::stack)
                             .stacking(StackAlgorithm::accordion)
                             .tree(h(0.5, tile({A, H0}), v(0.5, tile({B}), tile({C}))));
    layout.front = c.front;
    const Rect in(100, 25, c.width, 800);
    FrameMap expected;
    const WindowId ids[] = {A, B, C};
    for (std::size_t i = 0; i < 3; ++i)
        expected.emplace(ids[i], Rect(100 + c.offsetAndWidth[i].first, 25, c.offsetAndWidth[i].second, 800));
    EXPECT_EQ(layout.frames(in, 10), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpaceLayoutAccordionTest,
    testing::Values(
        AccordionCase{"FrontInTheMiddle", 1000, B, {{0, 940}, {30, 940}, {60, 940}}},
        AccordionCase{"NoFrontCountsTheFirst", 1000, std::nullopt, {{0, 970}, {60, 940}, {60, 940}}},
        AccordionCase{"FrontNotTiledCountsTheFirst", 1000, F, {{0, 970}, {60, 940}, {60, 940}}},
        AccordionCase{"FrontLast", 1000, C, {{0, 940}, {0, 940}, {30, 970}}},
        AccordionCase{"NarrowAreaHasAnEighthForAStrip", 160, B, {{0, 120}, {20, 120}, {40, 120}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpaceLayoutFrames, AccordionOfOneWindowOrNone) {
    SpaceLayout layout = Given().mode(LayoutMode::stack).stacking(StackAlgorithm::accordion);
    EXPECT_TRUE(layout.accordionFrames(area).empty());
    layout.tree.root = tile({A, H0});
    EXPECT_EQ(layout.accordionFrames(area), (FrameMap{{A, area}}));
}

// ---- floating, zoom and tiling changes ----

TEST(SpaceLayoutToggleFloat, TilingAgainUsesNoGapHalfRatioAndKeepsReservedHoles) {
    SpaceLayout layout = Given().tree(tile({H0})).waiting({{H0, "app"}}).floating({F});
    layout.toggleFloat(F, std::nullopt, area);
    EXPECT_EQ(layout, Given().tree(h(0.5, tile({H0}), tile({F}))).waiting({{H0, "app"}}).value);

    layout = Given().tree(h(0.5, tile({A}), tile({H0}))).preselection(A, Direction::west).floating({F});
    layout.toggleFloat(F, A, area);
    // Neither the preselection nor the free hole is consulted; A's 500 × 600 tile splits across its height.
    EXPECT_EQ(layout, Given()
                          .tree(h(0.5, v(0.5, tile({A}), tile({F})), tile({H0})))
                          .preselection(A, Direction::west)
                          .value);
}

TEST(SpaceLayoutToggleFloat, TilingAgainFollowsTheAlgorithm) {
    SpaceLayout layout =
        Given().tiling(TileAlgorithm::masterStack).tree(h(0.7, tile({A}), tile({B}))).floating({F});
    layout.toggleFloat(F, std::nullopt, area);
    EXPECT_EQ(layout.tree.root, h(0.7, tile({A}), v(0.5, tile({B}), tile({F}))));
    EXPECT_TRUE(layout.floating.empty());
}

TEST(SpaceLayoutToggleFloat, FloatingATiledWindowClearsItsZoomAndPop) {
    SpaceLayout layout = Given().tree(h(0.5, tile({A}), tile({B}))).zoomed(A).popped(B, A).front(A);
    layout.toggleFloat(A, std::nullopt, area);
    EXPECT_EQ(layout, Given().tree(tile({B})).floating({A}).front(A).value);

    const SpaceLayout unknown = layout;
    layout.toggleFloat(C, std::nullopt, area);
    EXPECT_EQ(layout, unknown);
}

TEST(SpaceLayoutToggleZoom, TogglesOnlyTiledWindows) {
    SpaceLayout layout = Given().tree(h(0.5, tile({A}), tile({B}))).floating({F});
    layout.toggleZoom(A);
    EXPECT_EQ(layout.zoomed, A);
    layout.toggleZoom(B);
    EXPECT_EQ(layout.zoomed, B);
    layout.toggleZoom(F);
    EXPECT_EQ(layout.zoomed, B);
    layout.toggleZoom(B);
    EXPECT_EQ(layout.zoomed, std::nullopt);
}

TEST(SpaceLayoutSetTiling, OnlyMasterStackRebuildsTheTree) {
    const SpaceLayout start = Given().tree(h(0.7, tile({A}), h(0.5, tile({B}), tile({C})))).zoomed(B);

    SpaceLayout same = start;
    same.setTiling(TileAlgorithm::bsp, 0.6);
    EXPECT_EQ(same, start);

    SpaceLayout i3 = start;
    i3.setTiling(TileAlgorithm::i3, 0.6);
    EXPECT_EQ(i3.tree, start.tree);
    EXPECT_EQ(i3.zoomed, B);

    SpaceLayout main = start;
    main.setTiling(TileAlgorithm::masterStack, 0.6);
    EXPECT_EQ(main.tiling, TileAlgorithm::masterStack);
    EXPECT_EQ(main.tree.root, h(0.7, tile({A}), v(0.5, tile({B}), tile({C}))));
    EXPECT_EQ(main.zoomed, std::nullopt);
}

// ---- focus, cycle and counts ----

TEST(SpaceLayoutFocus, BringsToFrontAndRecordsEvenOutsideTheTree) {
    SpaceLayout layout = Given().tree(h(0.5, tile({A, B, C}), tile({D})));
    layout.focus(C);
    EXPECT_EQ(layout.tree.root, h(0.5, tile({C, A, B}), tile({D})));
    EXPECT_EQ(layout.front, C);
    layout.focus(F);
    EXPECT_EQ(layout.front, F);
}

struct CycleCase {
    const char* name;
    LayoutMode mode;
    WindowId from;
    bool forward;
    std::optional<WindowId> answer;
};

class SpaceLayoutCycleTest : public testing::TestWithParam<CycleCase> {};

TEST_P(SpaceLayoutCycleTest, StepsThroughTheStackAndWraps) {
    const auto& c = GetParam();
    const SpaceLayout layout =
        Given().mode(c.mode).tree(h(0.5, tile({A, H0, B}), v(0.5, tile({C}), tile({D}))));
    EXPECT_EQ(layout.cycle(c.from, c.forward), c.answer);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpaceLayoutCycleTest,
    testing::Values(CycleCase{"ForwardInATileMeetsItsHole", LayoutMode::bsp, A, true, H0},
                    CycleCase{"BackwardFromTheFirstGivesTheLast", LayoutMode::bsp, A, false, B},
                    CycleCase{"ForwardFromTheLastWraps", LayoutMode::float_, B, true, A},
                    CycleCase{"TileOfOneHasNoNext", LayoutMode::bsp, C, true, std::nullopt},
                    CycleCase{"UnknownWindow", LayoutMode::bsp, F, true, std::nullopt},
                    CycleCase{"StackModeCrossesTilesAndSkipsHoles", LayoutMode::stack, A, true, B},
                    CycleCase{"StackModeWrapsBackward", LayoutMode::stack, A, false, D},
                    CycleCase{"StackModeForwardFromTheLast", LayoutMode::stack, D, true, A}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpaceLayoutStackedOutOfSight, CountsByMode) {
    SpaceLayout layout = Given().tree(h(0.5, tile({A, B, C}), v(0.5, tile({D, H0}), tile({H1}))));
    EXPECT_EQ(layout.stackedOutOfSight(), 3);
    layout.mode = LayoutMode::stack;
    EXPECT_EQ(layout.stackedOutOfSight(), 3);
    layout.mode = LayoutMode::float_;
    EXPECT_EQ(layout.stackedOutOfSight(), 0);
    layout.mode = LayoutMode::stack;
    layout.tree = {};
    EXPECT_EQ(layout.stackedOutOfSight(), 0);
}

// ---- pass-through operations ----

TEST(SpaceLayoutNormalize, AppliesOnlyInBspMode) {
    const MinimumSizes minimumSizes{{A, {700, 0}}};
    SpaceLayout layout = Given().mode(LayoutMode::stack).tree(h(0.5, tile({A}), tile({B})));
    layout.normalize(area, 0, minimumSizes);
    EXPECT_EQ(layout.tree.root, h(0.5, tile({A}), tile({B})));
    layout.mode = LayoutMode::bsp;
    layout.normalize(area, 0, minimumSizes);
    EXPECT_NE(layout.tree.root, h(0.5, tile({A}), tile({B})));
}

TEST(SpaceLayoutToggleSplit, FlipsTheRowUnderI3AndTheParentSplitOtherwise) {
    const Node row = h(1.0 / 3, tile({A}), h(0.5, tile({B}), tile({C})));
    SpaceLayout bsp = Given().tree(row);
    bsp.toggleSplit(B);
    EXPECT_EQ(bsp.tree.root, h(1.0 / 3, tile({A}), v(0.5, tile({B}), tile({C}))));

    SpaceLayout i3 = Given().tiling(TileAlgorithm::i3).tree(row);
    i3.toggleSplit(B);
    EXPECT_TRUE(matches(i3.tree.root, v(1.0 / 3, tile({A}), v(0.5, tile({B}), tile({C})))));
}

TEST(SpaceLayoutBalance, DropsHolesButNotTheirReservations) {
    SpaceLayout layout = Given()
                             .tree(h(0.2, tile({A}), h(0.5, tile({H0}), h(0.5, tile({B}), tile({C})))))
                             .waiting({{H0, "app"}});
    layout.balance();
    EXPECT_TRUE(matches(layout.tree.root, h(1.0 / 3, tile({A}), h(0.5, tile({B}), tile({C})))));
    EXPECT_EQ(layout.waiting.size(), 1u);
}

TEST(SpaceLayoutMirrorAndRotate, PassToTheTree) {
    SpaceLayout layout = Given().mode(LayoutMode::float_).tree(h(0.3, tile({A}), tile({B})));
    layout.mirror(Axis::horizontal);
    EXPECT_TRUE(matches(layout.tree.root, h(0.7, tile({B}), tile({A}))));
    layout.rotate(Rotation::quarter);
    EXPECT_TRUE(matches(layout.tree.root, v(0.7, tile({B}), tile({A}))));
}

} // namespace
} // namespace quillmere
