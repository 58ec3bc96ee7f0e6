#include "core/SpaceLayout.h"
#include "support/Layouts.h"
#include "support/Printers.h"
#include "support/Trees.h"

#include <functional>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

using namespace trees;
using layouts::Given;
using enum Direction;

constexpr WindowId A = 1, B = 2, C = 3, D = 4, E = 5, F = 6, G = 7, H = 8;
constexpr WindowId H0 = BSPTree::firstHole, H1 = H0 + 1, H2 = H0 + 2;
const Rect square(0, 0, 1000, 1000);

Region edge(Direction d, std::optional<double> f = std::nullopt) {
    return {Region::Edge{d, f}};
}
Region corner(Direction v, Direction h) {
    return {Region::Corner{v, h}};
}
Region sixth(int column, int row) {
    return {Region::Sixth{column, row}};
}
Region column(std::optional<std::pair<double, double>> span) {
    return {Region::Column{span}};
}
const Region center{Region::Center{}};

// ---- place ----

struct PlaceCase {
    const char* name;
    Node before;
    WindowId window;
    Region region;
    Node after;
    int holesMade;
};

class SpaceLayoutPlaceTest : public testing::TestWithParam<PlaceCase> {};

TEST_P(SpaceLayoutPlaceTest, RebuildsTheTreeAroundTheRegion) {
    const auto& c = GetParam();
    SpaceLayout layout = Given().tree(c.before).zoomed(c.window).preselection(c.window, east);
    layout.place(c.window, c.region, square);
    EXPECT_TRUE(matches(layout.tree.root, c.after));
    layout.tree.root = c.after;
    EXPECT_EQ(layout, Given().tree(c.after).previousTree(c.before).nextHole(H0 + c.holesMade).value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpaceLayoutPlaceTest,
    testing::Values(
        PlaceCase{"EdgeKeepsTheRestArranged", h(0.5, tile({A}), v(0.5, tile({B}), tile({C}))), C, edge(west),
                  h(0.5, tile({C}), h(0.5, tile({A}), tile({B}))), 0},
        PlaceCase{"EdgeShareOnTheTrailingSide", h(0.5, tile({A}), v(0.5, tile({B}), tile({C}))), A,
                  edge(east, 0.3), h(0.7, v(0.5, tile({B}), tile({C})), tile({A})), 0},
        PlaceCase{"EdgeDropsTheOldHoles", h(0.5, tile({A}), v(0.5, tile({B}), tile({H2}))), B, edge(north),
                  v(0.5, tile({B}), tile({A})), 0},
        PlaceCase{"EdgeOfTheOnlyWindowMakesAHole", tile({A}), A, edge(south, 0.25),
                  v(0.75, tile({H0}), tile({A})), 1},
        PlaceCase{"CornerTakesThePartnerBelow",
                  v(0.5, h(0.5, tile({C}), tile({A})), h(0.5, tile({D}), tile({B}))), A, corner(north, east),
                  h(0.5, v(0.5, tile({C}), tile({D})), v(0.5, tile({A}), tile({B}))), 0},
        PlaceCase{"CornerTakesOnlyThePartnersFrontWindow", v(0.5, tile({A}), tile({B, C})), A,
                  corner(north, west), h(0.5, v(0.5, tile({A}), tile({B})), tile({C})), 0},
        PlaceCase{"CornerWithoutPartnerSharesWithAHole", h(0.5, tile({A}), tile({B})), A, corner(south, west),
                  h(0.5, v(0.5, tile({H0}), tile({A})), tile({B})), 1},
        PlaceCase{"CornerAloneMakesThePartnerHoleFirst", tile({A}), A, corner(north, west),
                  h(0.5, v(0.5, tile({A}), tile({H0})), tile({H1})), 2},
        PlaceCase{"SixthStacksTheFifthAndLaterInTheLastCell", h(0.5, tile({A}), tile({B, C, D, E, F, G, H})),
                  A, sixth(1, 0),
                  h(1.0 / 3.0, v(0.5, tile({B}), tile({C})),
                    h(0.5, v(0.5, tile({A}), tile({D})), v(0.5, tile({E}), tile({F, G, H})))),
                  0},
        PlaceCase{"SixthFillsEmptyCellsWithHolesInCellOrder", h(0.5, tile({A}), v(0.5, tile({B}), tile({C}))),
                  A, sixth(1, 0),
                  h(1.0 / 3.0, v(0.5, tile({B}), tile({C})),
                    h(0.5, v(0.5, tile({A}), tile({H0})), v(0.5, tile({H1}), tile({H2})))),
                  3},
        PlaceCase{"SixthInTheLastCell", h(0.5, tile({A}), v(0.5, tile({B}), tile({C}))), A, sixth(2, 1),
                  h(1.0 / 3.0, v(0.5, tile({B}), tile({C})),
                    h(0.5, v(0.5, tile({H0}), tile({H1})), v(0.5, tile({H2}), tile({A})))),
                  3},
        PlaceCase{"CenterSplitsTheOthersIntoEqualColumns",
                  v(0.5, h(0.5, tile({A}), tile({B})),
                    h(0.5, tile({C}), h(0.5, tile({D}), v(0.5, tile({E}), tile({F}))))),
                  A, center,
                  h(1.0 / 3.0, v(1.0 / 3.0, tile({B}), v(0.5, tile({C}), tile({D}))),
                    h(0.5, tile({A}), v(0.5, tile({E}), tile({F})))),
                  0},
        PlaceCase{"CenterAloneMakesAHoleOnEachSide", tile({A}), A, center,
                  h(1.0 / 3.0, tile({H0}), h(0.5, tile({A}), tile({H1}))), 2},
        PlaceCase{"ColumnSnapsToTheLeftSide", v(0.5, tile({A}), tile({B})), A, column(std::pair(0.01, 0.5)),
                  h(0.5, tile({A}), tile({B})), 0},
        PlaceCase{"ColumnSnapsToTheRightSide", v(0.5, tile({A}), tile({B})), A, column(std::pair(0.6, 0.985)),
                  h(0.6, tile({B}), tile({A})), 0},
        PlaceCase{"ColumnInTheMiddleSortsByTileCentre",
                  h(0.5, v(0.5, tile({B}), tile({C})), v(0.5, tile({A}), tile({D}))), A,
                  column(std::pair(0.25, 0.75)),
                  h(0.25, v(0.5, tile({B}), tile({C})), h(2.0 / 3.0, tile({A}), tile({D}))), 0},
        PlaceCase{"ColumnCentredOnTheMiddleGoesRight", v(0.5, tile({B}), h(0.5, tile({A}), tile({C}))), A,
                  column(std::pair(0.25, 0.75)),
                  h(0.25, tile({H0}), h(2.0 / 3.0, tile({A}), v(0.5, tile({B}), tile({C})))), 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpaceLayoutPlace, RepeatedEdgePlacementsStepThroughTheCycle) {
    const struct {
        Direction edge;
        std::vector<Node> trees;
    } cases[] = {
        {west,
         {h(0.5, tile({A}), tile({B})), h(2.0 / 3.0, tile({A}), tile({B})),
          h(1.0 / 3.0, tile({A}), tile({B})), h(0.5, tile({A}), tile({B}))}},
        {east,
         {h(0.5, tile({B}), tile({A})), h(1.0 / 3.0, tile({B}), tile({A})),
          h(2.0 / 3.0, tile({B}), tile({A})), h(0.5, tile({B}), tile({A}))}},
    };
    for (const auto& c : cases) {
        SpaceLayout layout = Given().tree(v(0.5, tile({A}), tile({B})));
        for (const auto& expected : c.trees) {
            layout.place(A, edge(c.edge), square);
            EXPECT_TRUE(matches(layout.tree.root, expected)) << static_cast<int>(c.edge);
        }
    }
}

TEST(SpaceLayoutPlace, AnotherWindowOnTheEdgeStartsAtHalf) {
    SpaceLayout layout = Given().tree(h(2.0 / 3.0, tile({A}), v(0.5, tile({B}), tile({C}))));
    layout.place(B, edge(west), square);
    EXPECT_TRUE(matches(layout.tree.root, h(0.5, tile({B}), h(2.0 / 3.0, tile({A}), tile({C})))));
}

TEST(SpaceLayoutPlace, ASpanOverTheWholeWidthOnlyClearsZoomAndPreselection) {
    for (const auto& span :
         {std::optional(std::pair(0.01, 0.99)), std::optional<std::pair<double, double>>()}) {
        const Node before = h(0.5, tile({A}), tile({H0}));
        SpaceLayout layout = Given().tree(before).zoomed(A).preselection(A, east).nextHole(H1);
        layout.place(A, column(span), square);
        EXPECT_EQ(layout, Given().tree(before).nextHole(H1).value);
    }
}

TEST(SpaceLayoutPlace, DoesNothingOutsideBspOrForWindowsNotTiled) {
    const SpaceLayout stacked = Given().mode(LayoutMode::stack).tree(h(0.5, tile({A}), tile({B})));
    const SpaceLayout floating = Given().tree(h(0.5, tile({A}), tile({B}))).floating({C}).zoomed(A);
    const struct {
        SpaceLayout layout;
        WindowId window;
    } cases[] = {{stacked, A}, {floating, C}, {floating, D}, {floating, H0}};
    for (const auto& c : cases) {
        SpaceLayout layout = c.layout;
        layout.place(c.window, center, square);
        EXPECT_EQ(layout, c.layout);
    }
}

// ---- resize ----

struct ResizeCase {
    const char* name;
    double minimumWidthOfA;
    double ratio;
};

class SpaceLayoutGrowTest : public testing::TestWithParam<ResizeCase> {};

// B is the right half; its east edge is the area's, so only its west edge can move.
TEST_P(SpaceLayoutGrowTest, FallsBackToSmallerStepsBeforeOverflowing) {
    const auto& c = GetParam();
    const Node before = h(0.5, tile({A}), tile({B}));
    SpaceLayout layout = Given().tree(before);
    layout.resize(B, true, square, 0, {{A, Size{c.minimumWidthOfA, 100}}});
    EXPECT_TRUE(matches(layout.tree.root, h(c.ratio, tile({A}), tile({B}))));
    EXPECT_EQ(layout.previousTree, c.ratio == 0.5 ? std::nullopt : std::optional(BSPTree{before}));
}

INSTANTIATE_TEST_SUITE_P(Cases, SpaceLayoutGrowTest,
                         testing::Values(ResizeCase{"WholeStep", 0, 0.4}, ResizeCase{"HalfStep", 450, 0.45},
                                         ResizeCase{"QuarterStep", 470, 0.475},
                                         ResizeCase{"NoStepFitsSoTheSideStays", 490, 0.5},
                                         ResizeCase{"AlreadyOverflowingTakesTheWholeStep", 600, 0.4}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SpaceLayoutResize, ShrinkingMovesEveryEdgeWithASplitBesideIt) {
    const Node before = h(0.5, tile({A}), v(0.5, tile({B}), tile({C})));
    SpaceLayout layout = Given().tree(before);
    layout.resize(B, false, square, 0, {});
    EXPECT_TRUE(matches(layout.tree.root, h(0.6, tile({A}), v(0.4, tile({B}), tile({C})))));
    EXPECT_EQ(layout.previousTree, BSPTree{before});
}

TEST(SpaceLayoutResize, KeepsTheTreeFromBeforeTheRun) {
    SpaceLayout layout = Given().tree(h(0.5, tile({A}), tile({B}))).previousTree(tile({A, B}));
    layout.resize(A, true, square, 0, {});
    EXPECT_TRUE(matches(layout.tree.root, h(0.6, tile({A}), tile({B}))));
    EXPECT_EQ(layout.previousTree, BSPTree{tile({A, B})});
}

TEST(SpaceLayoutResize, DoesNothingOutsideBspOrForWindowsNotTiled) {
    const SpaceLayout stacked = Given().mode(LayoutMode::stack).tree(h(0.5, tile({A}), tile({B})));
    const SpaceLayout floating = Given().tree(h(0.5, tile({A}), tile({B}))).floating({C});
    const struct {
        SpaceLayout layout;
        WindowId window;
    } cases[] = {{stacked, A}, {floating, C}, {floating, D}};
    for (const auto& c : cases) {
        SpaceLayout layout = c.layout;
        layout.resize(c.window, true, square, 0, {});
        EXPECT_EQ(layout, c.layout);
    }
}

// ---- restore ----

struct RestoreCase {
    const char* name;
    std::function<void(SpaceLayout&)> run;
    Node after;
};

class SpaceLayoutRestoreTest : public testing::TestWithParam<RestoreCase> {};

TEST_P(SpaceLayoutRestoreTest, BringsBackTheTreeFromBeforeTheRunWithTodaysWindows) {
    const auto& c = GetParam();
    SpaceLayout layout = Given().tree(h(0.5, tile({A}), v(0.5, tile({B}), tile({H0})))).nextHole(H1);
    c.run(layout);
    layout.zoomed = A;
    layout.restore(square);
    EXPECT_TRUE(matches(layout.tree.root, c.after));
    EXPECT_EQ(layout.previousTree, std::nullopt);
    EXPECT_EQ(layout.zoomed, std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpaceLayoutRestoreTest,
    testing::Values(RestoreCase{"TwoPlacementsGoBackToTheFirstTreeWithItsHoles",
                                [](SpaceLayout& layout) {
                                    layout.place(A, center, square);
                                    layout.place(B, edge(east, 0.3), square);
                                },
                                h(0.5, tile({A}), v(0.5, tile({B}), tile({H0})))},
                    RestoreCase{"ANewWindowGoesBesideTheLastWindow",
                                [](SpaceLayout& layout) {
                                    layout.place(A, edge(east), square);
                                    layout.add(C, std::nullopt, std::nullopt, square, 0, false, 0.5, {});
                                },
                                h(0.5, tile({A}), v(0.5, h(0.5, tile({B}), tile({C})), tile({H0})))},
                    RestoreCase{"AWindowThatLeftStaysAway",
                                [](SpaceLayout& layout) {
                                    layout.resize(A, true, square, 0, {});
                                    layout.toggleFloat(B, std::nullopt, square);
                                },
                                h(0.5, tile({A}), tile({H0}))}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpaceLayoutRestore, WithoutARememberedTreeDoesNothing) {
    SpaceLayout layout = Given().tree(h(0.5, tile({A}), tile({B}))).zoomed(A);
    layout.place(A, edge(east), square);
    layout.endSizingRun();
    const SpaceLayout ended = layout;
    layout.restore(square);
    EXPECT_EQ(layout, ended);
}

} // namespace
} // namespace quillmere
