#include "core/SpaceLayout.h"
#include "support/Layouts.h"
#include "support/Printers.h"
#include "support/Trees.h"

#include <gtest/gtest.h>

namespace quillmere {

inline void PrintTo(const DropOutcome& outcome, std::ostream* out) {
    if (const auto* swap = std::get_if<DropAction::Swap>(&outcome.action.value))
        *out << "swap(with: " << swap->with << ")";
    else if (const auto* insert = std::get_if<DropAction::Insert>(&outcome.action.value))
        *out << "insert(beside: " << insert->beside << ", side: " << static_cast<int>(insert->side) << ")";
    *out << " highlighting ";
    PrintTo(outcome.highlight, out);
}

namespace {

using namespace trees;
using layouts::Given;

constexpr WindowId A = 1, B = 2, C = 3, D = 4, F = 6;
constexpr WindowId H0 = BSPTree::firstHole, H1 = H0 + 1;
const Rect area(0, 0, 1000, 600);

// ---- nearest rectangle ----

struct NearestCase {
    const char* name;
    FrameMap frames;
    WindowId from;
    Direction toward;
    std::optional<WindowId> answer;
};

class SpaceLayoutNearestTest : public testing::TestWithParam<NearestCase> {};

TEST_P(SpaceLayoutNearestTest, FindsTheClosestOverlappingRectangle) {
    const auto& c = GetParam();
    EXPECT_EQ(SpaceLayout::nearest(c.from, c.toward, c.frames), c.answer);
}

const FrameMap threeTiles{
    {A, Rect(0, 0, 500, 1000)}, {B, Rect(500, 0, 500, 500)}, {C, Rect(500, 500, 500, 500)}};
const Rect source(0, 0, 500, 500);

INSTANTIATE_TEST_SUITE_P(
    Cases, SpaceLayoutNearestTest,
    testing::Values(
        NearestCase{"EqualOffsetsGoToTheUpper", threeTiles, A, Direction::east, B},
        NearestCase{"WestOfTheLowerRight", threeTiles, C, Direction::west, A},
        NearestCase{"NorthOfTheLowerRight", threeTiles, C, Direction::north, B},
        NearestCase{"SouthOfTheUpperRight", threeTiles, B, Direction::south, C},
        NearestCase{"NothingNorthOfTheTop", threeTiles, A, Direction::north, std::nullopt},
        NearestCase{"SourceWithoutAFrame", threeTiles, D, Direction::east, std::nullopt},
        NearestCase{
            "OnePointOfOverlapCounts", {{A, source}, {B, Rect(499, 0, 500, 500)}}, A, Direction::east, B},
        NearestCase{"TwoPointsOfOverlapDoNot",
                    {{A, source}, {B, Rect(498, 0, 500, 500)}},
                    A,
                    Direction::east,
                    std::nullopt},
        NearestCase{"TouchingAtACornerIsNoNeighbour",
                    {{A, source}, {B, Rect(500, 500, 500, 500)}},
                    A,
                    Direction::east,
                    std::nullopt},
        NearestCase{"TheLeastGapWins",
                    {{A, source}, {B, Rect(520, 0, 100, 500)}, {C, Rect(510, 400, 100, 500)}},
                    A,
                    Direction::east,
                    C},
        NearestCase{"ThenTheBestCentred",
                    {{A, source}, {B, Rect(500, -300, 100, 400)}, {C, Rect(500, 200, 100, 400)}},
                    A,
                    Direction::east,
                    C},
        NearestCase{"ThenTheUpperOfTwoEquallyCentred",
                    {{A, Rect(0, 0, 500, 1000)}, {B, Rect(500, 500, 500, 500)}, {C, Rect(500, 0, 500, 500)}},
                    A,
                    Direction::east,
                    C},
        NearestCase{"ThenTheLeftOfTwoEquallyHigh",
                    {{A, Rect(0, 500, 500, 500)}, {B, Rect(250, 0, 250, 500)}, {C, Rect(0, 0, 250, 500)}},
                    A,
                    Direction::north,
                    C},
        NearestCase{"AFullTieKeepsTheLowestId",
                    {{A, source}, {C, Rect(500, 0, 100, 500)}, {B, Rect(500, 0, 100, 500)}},
                    A,
                    Direction::east,
                    B}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- neighbours by mode ----

TEST(SpaceLayoutNeighbor, StackedWindowsSearchFromTheirTilesFront) {
    const SpaceLayout layout = Given().tree(h(0.5, tile({A, D}), v(0.5, tile({B}), tile({C}))));
    EXPECT_EQ(layout.neighbor(D, Direction::east, area), B);
    EXPECT_EQ(layout.neighbor(A, Direction::east, area), B);
    EXPECT_EQ(layout.neighbor(C, Direction::west, area), A);
    EXPECT_EQ(layout.neighbor(F, Direction::west, area), std::nullopt);
}

TEST(SpaceLayoutNeighbor, TilesFrontedByHolesAreSkipped) {
    const SpaceLayout layout = Given().tree(h(1.0 / 3, tile({A}), h(0.5, tile({H0, B}), tile({C}))));
    EXPECT_EQ(layout.neighbor(A, Direction::east, area), C);
    EXPECT_EQ(layout.neighbor(C, Direction::west, area), A);
}

TEST(SpaceLayoutNeighbor, StackModeStepsThroughTheWindowsAndWraps) {
    SpaceLayout layout =
        Given().mode(LayoutMode::stack).tree(h(0.5, tile({A}), v(0.5, tile({B, H0}), tile({C}))));
    EXPECT_EQ(layout.neighbor(C, Direction::east, area), A);
    EXPECT_EQ(layout.neighbor(A, Direction::west, area), C);
    EXPECT_EQ(layout.neighbor(A, Direction::south, area), B);
    EXPECT_EQ(layout.neighbor(B, Direction::north, area), A);

    layout.mode = LayoutMode::float_;
    EXPECT_EQ(layout.neighbor(A, Direction::east, area), std::nullopt);
    layout.mode = LayoutMode::stack;
    layout.tree.root = tile({A});
    EXPECT_EQ(layout.neighbor(A, Direction::east, area), std::nullopt);
}

// ---- swap and join ----

TEST(SpaceLayoutSwap, ExchangesWithTheNeighbourAndKeepsEverythingElse) {
    SpaceLayout layout = Given().tree(h(0.5, tile({A, D}), tile({B}))).zoomed(A).front(A);
    layout.swap(A, Direction::east, area);
    EXPECT_EQ(layout, Given().tree(h(0.5, tile({B, D}), tile({A}))).zoomed(A).front(A).value);

    const SpaceLayout unchanged = layout;
    layout.swap(B, Direction::west, area);
    EXPECT_EQ(layout, unchanged);
}

struct JoinCase {
    const char* name;
    TileAlgorithm tiling;
    Node before;
    WindowId window;
    Direction toward;
    Node after;
};

class SpaceLayoutJoinTest : public testing::TestWithParam<JoinCase> {};

TEST_P(SpaceLayoutJoinTest, SplitsTheNeighboursTileAcrossTheMove) {
    const auto& c = GetParam();
    SpaceLayout layout = Given().tiling(c.tiling).tree(c.before).zoomed(c.window);
    layout.join(c.window, c.toward, area, 0);
    EXPECT_TRUE(matches(layout.tree.root, c.after));
    EXPECT_EQ(layout.zoomed, std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpaceLayoutJoinTest,
    testing::Values(JoinCase{"WestGoesBelow", TileAlgorithm::bsp, h(0.5, tile({B}), tile({A})), A,
                             Direction::west, v(0.5, tile({B}), tile({A}))},
                    JoinCase{"EastGoesAbove", TileAlgorithm::bsp, h(0.5, tile({A}), tile({B})), A,
                             Direction::east, v(0.5, tile({A}), tile({B}))},
                    JoinCase{"NorthGoesRight", TileAlgorithm::bsp, v(0.5, tile({B}), tile({A})), A,
                             Direction::north, h(0.5, tile({B}), tile({A}))},
                    JoinCase{"SouthGoesLeft", TileAlgorithm::bsp, v(0.5, tile({A}), tile({B})), A,
                             Direction::south, h(0.5, tile({A}), tile({B}))},
                    JoinCase{"TheNeighboursStackMovesWhole", TileAlgorithm::bsp,
                             h(0.5, tile({B, D}), v(0.5, tile({A}), tile({C}))), A, Direction::west,
                             h(0.5, v(0.5, tile({B, D}), tile({A})), tile({C}))},
                    JoinCase{"I3ClosesTheRowFirst", TileAlgorithm::i3,
                             h(1.0 / 3, tile({A}), h(0.5, tile({B}), tile({C}))), C, Direction::west,
                             h(0.5, tile({A}), v(0.5, tile({B}), tile({C})))},
                    JoinCase{"BspLetsTheSiblingGrow", TileAlgorithm::bsp,
                             h(1.0 / 3, tile({A}), h(0.5, tile({B}), tile({C}))), C, Direction::west,
                             h(1.0 / 3, tile({A}), v(0.5, tile({B}), tile({C})))}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpaceLayoutJoin, WithoutANeighbourNothingChanges) {
    SpaceLayout layout = Given().tree(h(0.5, tile({A}), tile({B}))).zoomed(A);
    const SpaceLayout before = layout;
    layout.join(A, Direction::west, area, 0);
    EXPECT_EQ(layout, before);
}

// ---- preselection ----

TEST(SpaceLayoutPreselect, TogglesAndReplaces) {
    SpaceLayout layout = Given().tree(h(0.5, tile({A}), tile({B}))).floating({F});
    layout.preselect(Direction::east, A);
    EXPECT_EQ(layout.preselection, (SpaceLayout::Preselection{A, Direction::east}));
    layout.preselect(Direction::north, A);
    EXPECT_EQ(layout.preselection, (SpaceLayout::Preselection{A, Direction::north}));
    layout.preselect(Direction::north, A);
    EXPECT_EQ(layout.preselection, std::nullopt);
    layout.preselect(Direction::north, F);
    EXPECT_EQ(layout.preselection, std::nullopt);
}

TEST(SpaceLayoutPreselectionRect, IsTheHalfOfTheTileTowardTheDirection) {
    SpaceLayout layout = Given().tree(h(0.5, tile({A}), tile({B}))).zoomed(A);
    const Rect in(0, 0, 1610, 600);
    EXPECT_EQ(layout.preselectionRect(in, 10), std::nullopt);

    layout.preselection = SpaceLayout::Preselection{A, Direction::south};
    EXPECT_EQ(layout.preselectionRect(in, 10), Rect(0, 305, 800, 295));
    layout.preselection = SpaceLayout::Preselection{B, Direction::west};
    EXPECT_EQ(layout.preselectionRect(in, 10), Rect(810, 0, 395, 600));
    layout.preselection = SpaceLayout::Preselection{F, Direction::west};
    EXPECT_EQ(layout.preselectionRect(in, 10), std::nullopt);
}

// ---- drops ----

struct DropCase {
    const char* name;
    Point at;
    std::optional<DropOutcome> outcome;
};

class SpaceLayoutDropTest : public testing::TestWithParam<DropCase> {};

// A is the left 600 × 400 tile; C is dragged from the right one, where it lies behind B.
TEST_P(SpaceLayoutDropTest, ZonesOfTheTileUnderThePoint) {
    const auto& c = GetParam();
    const SpaceLayout layout = Given().tree(h(0.5, tile({A}), tile({B, C})));
    EXPECT_EQ(layout.drop(C, c.at, Rect(0, 0, 1200, 400), 0), c.outcome);
}

DropOutcome swapWith(WindowId id, Rect highlight) {
    return {{DropAction::Swap{id}}, highlight};
}
DropOutcome insertBeside(WindowId id, Direction side, Rect highlight) {
    return {{DropAction::Insert{id, side}}, highlight};
}

const Rect tileA(0, 0, 600, 400);

INSTANTIATE_TEST_SUITE_P(
    Cases, SpaceLayoutDropTest,
    testing::Values(
        DropCase{"CentreIncludesItsBounds", {150, 300}, swapWith(A, tileA)},
        DropCase{"CentreUpperLeftBound", {150, 100}, swapWith(A, tileA)},
        DropCase{"JustOutsideTheCentre", {149, 200}, insertBeside(A, Direction::west, Rect(0, 0, 300, 400))},
        DropCase{
            "WestBeatsAnEquallyNearNorth", {60, 40}, insertBeside(A, Direction::west, Rect(0, 0, 300, 400))},
        DropCase{"EastBeatsAnEquallyNearSouth",
                 {540, 360},
                 insertBeside(A, Direction::east, Rect(300, 0, 300, 400))},
        DropCase{"EastAtMidHeight", {540, 200}, insertBeside(A, Direction::east, Rect(300, 0, 300, 400))},
        DropCase{"North", {300, 40}, insertBeside(A, Direction::north, Rect(0, 0, 600, 200))},
        DropCase{"South", {300, 380}, insertBeside(A, Direction::south, Rect(0, 200, 600, 200))},
        DropCase{"OwnTileCentreIsNoDrop", {900, 200}, std::nullopt},
        DropCase{"OwnTileSideSplitsTheStack",
                 {1190, 200},
                 insertBeside(B, Direction::east, Rect(900, 0, 300, 400))},
        DropCase{"OutsideEveryTile", {600, 400}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpaceLayoutDrop, AHoleTakesTheWindowWhateverTheZone) {
    const SpaceLayout layout = Given().tree(h(0.5, tile({A}), tile({H0, H1})));
    const Rect holeTile(500, 0, 500, 600);
    EXPECT_EQ(layout.drop(A, {510, 10}, area, 0), swapWith(H0, holeTile));
    EXPECT_EQ(layout.drop(A, {750, 300}, area, 0), swapWith(H0, holeTile));
}

TEST(SpaceLayoutDrop, OnlyTiledWindowsInBspMode) {
    SpaceLayout layout = Given().mode(LayoutMode::stack).tree(h(0.5, tile({A}), tile({B}))).floating({F});
    EXPECT_EQ(layout.drop(A, {750, 300}, area, 0), std::nullopt);
    layout.mode = LayoutMode::bsp;
    EXPECT_EQ(layout.drop(F, {250, 300}, area, 0), std::nullopt);
    EXPECT_EQ(layout.drop(A, {750, 300}, area, 0), swapWith(B, Rect(500, 0, 500, 600)));
}

TEST(SpaceLayoutPerform, InsertMovesTheWindowBesideTheTarget) {
    SpaceLayout layout = Given().tree(h(0.5, tile({A}), v(0.5, tile({B}), tile({C})))).zoomed(C);
    layout.perform({DropAction::Insert{A, Direction::north}}, C, area, 10);
    EXPECT_EQ(layout, Given().tree(h(0.5, v(0.5, tile({C}), tile({A})), tile({B}))).value);
}

TEST(SpaceLayoutPerform, SwapWithAHoleMovesIntoItsTileAndForgetsItsApplication) {
    SpaceLayout layout = Given()
                             .tree(h(0.5, tile({A}), v(0.5, tile({B}), tile({H0}))))
                             .waiting({{H0, "app"}, {H1, "app"}})
                             .zoomed(A);
    layout.perform({DropAction::Swap{H0}}, B, area, 0);
    EXPECT_EQ(layout, Given().tree(h(0.5, tile({A}), tile({B}))).waiting({{H1, "app"}}).value);

    layout.perform({DropAction::Swap{A}}, B, area, 0);
    EXPECT_EQ(layout.tree.root, h(0.5, tile({B}), tile({A})));
}

TEST(SpaceLayoutPerform, ActionsNoDropCanAnswerChangeNothing) {
    const SpaceLayout before = Given().tree(h(0.5, tile({A}), tile({B}))).floating({F}).zoomed(A);
    const std::pair<DropAction, WindowId> cases[] = {
        {{DropAction::Swap{C}}, A},                     // target not in the layout: would rename A
        {{DropAction::Swap{A}}, F},                     // dragging a floating window
        {{DropAction::Swap{A}}, A},                     // onto itself
        {{DropAction::Insert{F, Direction::west}}, A},  // beside a floating window
        {{DropAction::Insert{A, Direction::west}}, A}}; // beside itself
    for (const auto& [action, dragging] : cases) {
        SpaceLayout layout = before;
        layout.perform(action, dragging, area, 0);
        EXPECT_EQ(layout, before);
    }
}

} // namespace
} // namespace quillmere
