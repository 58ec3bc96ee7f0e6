#include "core/BSPTree.h"
#include "support/Printers.h"
#include "support/Trees.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

using namespace trees;
using Shape = BSPTree::MainShape;

constexpr WindowId A = 1, B = 2, C = 3, D = 4;
constexpr WindowId H = BSPTree::firstHole;

struct ShapeCase {
    const char* name;
    std::optional<Node> tree;
    Shape shape;
};

class MainShapeTest : public testing::TestWithParam<ShapeCase> {};

TEST_P(MainShapeTest, IsReadOffTheRootSplit) {
    const auto& c = GetParam();
    EXPECT_EQ(BSPTree{c.tree}.mainShape(0.55), c.shape);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MainShapeTest,
    testing::Values(ShapeCase{"EmptyTreeGivesTheDefault", std::nullopt, {Axis::horizontal, true, 0.55}},
                    ShapeCase{"SingleTileGivesTheDefault", tile({A}), {Axis::horizontal, true, 0.55}},
                    ShapeCase{"MainFirst", h(0.3, tile({A}), v(0.5, tile({B}), tile({C}))), {Axis::horizontal, true, 0.3}},
                    ShapeCase{"MainSecond", v(0.6, h(0.5, tile({A}), tile({B})), tile({C})), {Axis::vertical, false, 1 - 0.6}},
                    ShapeCase{"TwoTilesReadAsMainFirst", v(0.7, tile({A}), tile({B})), {Axis::vertical, true, 0.7}},
                    ShapeCase{"NoTileAtTheRootReadsAsMainFirst",
                              h(0.4, v(0.5, tile({A}), tile({B})), v(0.5, tile({C}), tile({D}))),
                              {Axis::horizontal, true, 0.4}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ArrangeCase {
    const char* name;
    std::optional<Node> before;
    Shape shape;
    std::optional<WindowId> adding;
    std::optional<Node> after;
};

class ArrangeMainTest : public testing::TestWithParam<ArrangeCase> {};

TEST_P(ArrangeMainTest, RebuildsTheTreeAsMainTileAndStack) {
    const auto& c = GetParam();
    BSPTree tree{c.before};
    tree.arrangeMain(c.shape, c.adding);
    EXPECT_EQ(tree.root, c.after);
}

const Node threeTiles = h(0.5, tile({A}), v(0.5, tile({B}), tile({C})));

INSTANTIATE_TEST_SUITE_P(
    Cases, ArrangeMainTest,
    testing::Values(
        ArrangeCase{"AddedWindowJoinsTheStackInThirds", threeTiles, {Axis::horizontal, true, 0.6}, D,
                    h(0.6, tile({A}), v(1.0 / 3, tile({B}), v(0.5, tile({C}), tile({D}))))},
        ArrangeCase{"MainLastTakesTheLastTileAndTheRestOfTheShare", threeTiles, {Axis::vertical, false, 0.7},
                    std::nullopt, v(1 - 0.7, h(0.5, tile({A}), tile({B})), tile({C}))},
        ArrangeCase{"StacksMoveWhole", v(0.2, tile({A, B}), h(0.5, tile({C}), tile({H}))), {Axis::horizontal, true, 0.5},
                    std::nullopt, h(0.5, tile({A, B}), v(0.5, tile({C}), tile({H})))},
        ArrangeCase{"WindowAlreadyTiledIsNotAddedTwice", h(0.5, tile({A}), tile({B})), {Axis::horizontal, true, 0.6}, B,
                    h(0.6, tile({A}), tile({B}))},
        ArrangeCase{"SingleTileStaysAlone", tile({A, B}), {Axis::horizontal, true, 0.6}, std::nullopt, tile({A, B})},
        ArrangeCase{"SingleTileWithAnAddedWindow", tile({A}), {Axis::vertical, false, 0.6}, B,
                    v(1 - 0.6, tile({B}), tile({A}))},
        ArrangeCase{"EmptyTreeTakesTheAddedWindow", std::nullopt, {Axis::horizontal, true, 0.6}, A, tile({A})},
        ArrangeCase{"EmptyTreeStaysEmpty", std::nullopt, {Axis::horizontal, true, 0.6}, std::nullopt,
                    std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quillmere
