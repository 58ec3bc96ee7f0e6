#include "core/SpaceLayout.h"
#include "support/Layouts.h"
#include "support/Printers.h"
#include "support/Trees.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

using namespace trees;
using layouts::Given;
using enum Direction;

constexpr WindowId A = 1, B = 2, C = 3, D = 4;
constexpr WindowId H0 = BSPTree::firstHole, H1 = H0 + 1, H2 = H0 + 2;

struct AdoptCase {
    const char* name;
    SpaceLayout before;
    Node arranged;
    std::optional<Direction> inHalf;
    SpaceLayout after;
};

class SpaceLayoutAdoptTest : public testing::TestWithParam<AdoptCase> {};

TEST_P(SpaceLayoutAdoptTest, TakesTheArrangementOver) {
    const auto& c = GetParam();
    SpaceLayout layout = c.before;
    if (c.inHalf)
        layout.adopt(BSPTree{c.arranged}, *c.inHalf);
    else
        layout.adopt(BSPTree{c.arranged});
    EXPECT_EQ(layout, c.after);
}

const Node withHole = v(0.5, h(0.5, tile({A}), tile({B})), h(0.5, tile({C}), tile({H1})));

INSTANTIATE_TEST_SUITE_P(
    Cases, SpaceLayoutAdoptTest,
    testing::Values(
        AdoptCase{"OthersStackInTheLastTile",
                  Given()
                      .tree(withHole)
                      .nextHole(H2)
                      .waiting({{H1, "app"}})
                      .floating({D})
                      .zoomed(A)
                      .preselection(B, west),
                  h(0.5, tile({D}), v(0.5, tile({A}), tile({B}))), std::nullopt,
                  Given()
                      .tree(h(0.5, tile({D}), v(0.5, tile({A}), tile({B, C}))))
                      .nextHole(H2)
                      .previousTree(withHole)},
        AdoptCase{"AnEmptySpaceRemembersItsEmptyTree", Given().floating({A}), tile({A}), std::nullopt,
                  Given().tree(tile({A})).previousTree(std::nullopt)},
        AdoptCase{"TheSameTreeKeepsNoPreviousTree", Given().tree(h(0.5, tile({A}), tile({B}))),
                  h(0.5, tile({A}), tile({B})), std::nullopt, Given().tree(h(0.5, tile({A}), tile({B})))},
        AdoptCase{"ARunKeepsItsFirstTree",
                  Given().tree(h(0.5, tile({A}), tile({B}))).previousTree(tile({A, B})),
                  v(0.5, tile({A}), tile({B})), std::nullopt,
                  Given().tree(v(0.5, tile({A}), tile({B}))).previousTree(tile({A, B}))},
        AdoptCase{"StackModeChangesNothing", Given().mode(LayoutMode::stack).tree(tile({A})),
                  h(0.5, tile({A}), tile({B})), std::nullopt,
                  Given().mode(LayoutMode::stack).tree(tile({A}))},
        AdoptCase{"WestHalfKeepsTheRestArrangedInTheEast",
                  Given().tree(withHole).nextHole(H2).waiting({{H1, "app"}}).floating({D}).zoomed(C),
                  h(0.5, tile({A}), tile({D})), west,
                  Given()
                      .tree(h(0.5, h(0.5, tile({A}), tile({D})), v(0.5, tile({B}), tile({C}))))
                      .nextHole(H2)
                      .previousTree(withHole)},
        AdoptCase{"EastHalfOfEveryWindowLeavesAFreeHoleInTheWest", Given().tree(h(0.5, tile({A}), tile({B}))),
                  v(0.5, tile({A}), tile({B})), east,
                  Given()
                      .tree(h(0.5, tile({H0}), v(0.5, tile({A}), tile({B}))))
                      .nextHole(H1)
                      .previousTree(h(0.5, tile({A}), tile({B})))},
        AdoptCase{"SouthHalfComesSecond", Given().tree(h(0.5, tile({A}), tile({B}))), tile({B}), south,
                  Given().tree(v(0.5, tile({A}), tile({B}))).previousTree(h(0.5, tile({A}), tile({B})))},
        AdoptCase{"NorthHalfComesFirst", Given().tree(h(0.5, tile({A}), tile({B}))), tile({B}), north,
                  Given().tree(v(0.5, tile({B}), tile({A}))).previousTree(h(0.5, tile({A}), tile({B})))},
        AdoptCase{"FloatModeChangesNothingInAHalf", Given().mode(LayoutMode::float_).tree(tile({A})),
                  tile({B}), west, Given().mode(LayoutMode::float_).tree(tile({A}))}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpaceLayoutAdopt, AnEmptyTreeChangesNothing) {
    const SpaceLayout before = Given().tree(h(0.5, tile({A}), tile({B}))).zoomed(A);
    for (const auto inHalf : {std::optional<Direction>(), std::optional(west)}) {
        SpaceLayout layout = before;
        if (inHalf)
            layout.adopt(BSPTree{}, *inHalf);
        else
            layout.adopt(BSPTree{});
        EXPECT_EQ(layout, before);
    }
}

TEST(SpaceLayoutZoom, ZoomsOnlyWindowsOfTheTree) {
    const SpaceLayout before =
        Given().mode(LayoutMode::float_).tree(h(0.5, tile({A}), tile({B, H0}))).floating({C}).zoomed(A);
    const struct {
        WindowId window;
        std::optional<WindowId> zoomed;
    } cases[] = {{B, B}, {A, A}, {H0, A}, {C, A}, {D, A}};
    for (const auto& c : cases) {
        SpaceLayout layout = before;
        layout.zoom(c.window);
        EXPECT_EQ(layout.zoomed, c.zoomed) << c.window;
    }
}

} // namespace
} // namespace quillmere
