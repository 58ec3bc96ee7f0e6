#include "core/BSPTree.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

constexpr WindowId A = 1, B = 2, C = 3;
constexpr WindowId hole0 = BSPTree::firstHole;
const Rect area(0, 0, 1000, 600);

Node split(Axis axis, double ratio, Node first, Node second) {
    return Node::split(axis, ratio, std::move(first), std::move(second));
}
BSPTree treeOf(Node root) {
    return BSPTree{std::move(root)};
}
BSPTree pair(Axis axis, double ratio, Node second = Node::leaf(B)) {
    return treeOf(split(axis, ratio, Node::leaf(A), std::move(second)));
}

struct BorderCase {
    const char* name;
    BSPTree tree;
    WindowId window;
    Axis along;
    double by;
    IdSet keeping;
    BSPTree expected;
};

class MoveBorderTest : public testing::TestWithParam<BorderCase> {};

TEST_P(MoveBorderTest, AdjustsTheNearestSplitOnTheAxis) {
    const auto& c = GetParam();
    BSPTree tree = c.tree;
    tree.moveBorder(c.window, c.along, c.by, area, c.keeping);
    EXPECT_EQ(tree, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MoveBorderTest,
    testing::Values(
        BorderCase{
            "grows", pair(Axis::horizontal, 0.5), A, Axis::horizontal, 100, {}, pair(Axis::horizontal, 0.6)},
        BorderCase{"clamps",
                   pair(Axis::horizontal, 0.5),
                   A,
                   Axis::horizontal,
                   -450,
                   {},
                   pair(Axis::horizontal, 0.1)},
        BorderCase{
            "otherAxis", pair(Axis::vertical, 0.5), A, Axis::horizontal, 100, {}, pair(Axis::vertical, 0.5)},
        BorderCase{"dropsFreeHole",
                   pair(Axis::horizontal, 0.85, Node::leaf(hole0)),
                   A,
                   Axis::horizontal,
                   100,
                   {},
                   treeOf(Node::leaf(A))},
        BorderCase{"keptHoleClamps",
                   pair(Axis::horizontal, 0.85, Node::leaf(hole0)),
                   A,
                   Axis::horizontal,
                   100,
                   {hole0},
                   pair(Axis::horizontal, 0.9, Node::leaf(hole0))},
        // Exactly at the limit is clamped, not dropped.
        BorderCase{"limitClamps",
                   pair(Axis::horizontal, 0.85, Node::leaf(hole0)),
                   A,
                   Axis::horizontal,
                   50,
                   {},
                   pair(Axis::horizontal, 0.9, Node::leaf(hole0))},
        BorderCase{"dropsLeadingHole",
                   treeOf(split(Axis::horizontal, 0.15, Node::leaf(hole0), Node::leaf(A))),
                   A,
                   Axis::horizontal,
                   -100,
                   {},
                   treeOf(Node::leaf(A))},
        BorderCase{"windowSideIsNeverDropped",
                   pair(Axis::horizontal, 0.85),
                   A,
                   Axis::horizontal,
                   100,
                   {},
                   pair(Axis::horizontal, 0.9)},
        BorderCase{"absentWindow",
                   pair(Axis::horizontal, 0.5),
                   C,
                   Axis::horizontal,
                   100,
                   {},
                   pair(Axis::horizontal, 0.5)},
        BorderCase{"nearestWins",
                   treeOf(split(Axis::horizontal, 0.5,
                                split(Axis::horizontal, 0.5, Node::leaf(A), Node::leaf(B)), Node::leaf(C))),
                   A,
                   Axis::horizontal,
                   50,
                   {},
                   treeOf(split(Axis::horizontal, 0.5,
                                split(Axis::horizontal, 0.6, Node::leaf(A), Node::leaf(B)), Node::leaf(C)))}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MoveBorderTest, ZeroLengthSplitIsLeftAlone) {
    BSPTree wide = pair(Axis::horizontal, 0.5);
    wide.moveBorder(A, Axis::horizontal, 100, Rect(0, 0, 0, 600), {});
    wide.moveEdge(Direction::east, A, 100, Rect(0, 0, 0, 600), {});
    EXPECT_EQ(wide, pair(Axis::horizontal, 0.5));
    BSPTree tall = pair(Axis::vertical, 0.5);
    tall.moveBorder(A, Axis::vertical, 100, Rect(0, 0, 1000, 0), {});
    EXPECT_EQ(tall, pair(Axis::vertical, 0.5));
}

TEST(MoveEdgeTest, MovesOnlyTheSplitThatIsTheWindowsEdge) {
    BSPTree second = pair(Axis::horizontal, 0.5);
    second.moveEdge(Direction::east, B, 100, area, {});
    EXPECT_EQ(second, pair(Axis::horizontal, 0.5));
    second.moveEdge(Direction::west, B, -100, area, {});
    EXPECT_EQ(second, pair(Axis::horizontal, 0.4));

    BSPTree first = pair(Axis::horizontal, 0.5);
    first.moveEdge(Direction::east, A, 100, area, {});
    EXPECT_EQ(first, pair(Axis::horizontal, 0.6));
    first.moveEdge(Direction::north, A, 100, area, {});
    EXPECT_EQ(first, pair(Axis::horizontal, 0.6));
}

TEST(BSPTreeSwapTest, ExchangesWindowsOrMovesIntoAHole) {
    BSPTree windows = pair(Axis::horizontal, 0.3);
    windows.swap(A, B);
    EXPECT_EQ(windows, treeOf(split(Axis::horizontal, 0.3, Node::leaf(B), Node::leaf(A))));

    BSPTree withHole = treeOf(split(
        Axis::horizontal, 0.3, split(Axis::vertical, 0.5, Node::leaf(A), Node::leaf(B)), Node::leaf(hole0)));
    withHole.swap(A, hole0);
    EXPECT_EQ(withHole, treeOf(split(Axis::horizontal, 0.3, Node::leaf(B), Node::leaf(A))));
}

TEST(BSPTreeSwapTest, AnIdNotInTheTreeChangesNothing) {
    const BSPTree original = treeOf(split(Axis::horizontal, 0.3, Node::leaf(A), Node::leaf(hole0)));
    const struct {
        WindowId a, b;
    } cases[] = {{C, A}, {A, C}, {A, hole0 + 1}, {C, hole0}, {hole0, hole0}};
    for (const auto& c : cases) {
        BSPTree tree = original;
        tree.swap(c.a, c.b);
        EXPECT_EQ(tree, original) << c.a << " " << c.b;
    }
}

TEST(BSPTreeBringToFrontTest, RotatesTheStack) {
    BSPTree tree = treeOf(Node::tile({1, 2, 3, 4}));
    tree.bringToFront(3);
    EXPECT_EQ(tree, treeOf(Node::tile({3, 4, 1, 2})));
    tree.bringToFront(3);
    EXPECT_EQ(tree, treeOf(Node::tile({3, 4, 1, 2})));
    tree.bringToFront(9);
    EXPECT_EQ(tree, treeOf(Node::tile({3, 4, 1, 2})));
}

TEST(BSPTreeToggleSplitTest, FlipsTheParentOfTheWindowsTile) {
    BSPTree tree = treeOf(split(Axis::horizontal, 0.3, Node::leaf(A),
                                split(Axis::vertical, 0.6, Node::leaf(B), Node::leaf(C))));
    tree.toggleSplit(C);
    EXPECT_EQ(tree, treeOf(split(Axis::horizontal, 0.3, Node::leaf(A),
                                 split(Axis::horizontal, 0.6, Node::leaf(B), Node::leaf(C)))));
    BSPTree single = treeOf(Node::leaf(A));
    single.toggleSplit(A);
    EXPECT_EQ(single, treeOf(Node::leaf(A)));
}

TEST(BSPTreeBalanceTest, EvensOutRunsOfSameAxisSplitsAndDropsHoles) {
    BSPTree run = treeOf(split(Axis::horizontal, 0.8, Node::leaf(A),
                               split(Axis::horizontal, 0.2, Node::leaf(B), Node::leaf(C))));
    run.balance();
    EXPECT_EQ(run, treeOf(split(Axis::horizontal, 1.0 / 3.0, Node::leaf(A),
                                split(Axis::horizontal, 0.5, Node::leaf(B), Node::leaf(C)))));

    BSPTree crossed = treeOf(split(Axis::horizontal, 0.8, Node::leaf(A),
                                   split(Axis::vertical, 0.2, Node::leaf(B), Node::leaf(C))));
    crossed.balance();
    EXPECT_EQ(crossed, treeOf(split(Axis::horizontal, 0.5, Node::leaf(A),
                                    split(Axis::vertical, 0.5, Node::leaf(B), Node::leaf(C)))));

    BSPTree holes =
        treeOf(split(Axis::horizontal, 0.8, Node::leaf(hole0), pair(Axis::horizontal, 0.2).root.value()));
    holes.balance();
    EXPECT_EQ(holes, pair(Axis::horizontal, 0.5));
}

TEST(BSPTreeBalanceTest, LongRunsLeaveTheClampRange) {
    Node chain = Node::leaf(11);
    for (WindowId id = 10; id >= 1; --id)
        chain = split(Axis::horizontal, 0.5, Node::leaf(id), chain);
    BSPTree tree = treeOf(chain);
    tree.balance();
    EXPECT_EQ(tree.root->ratio(), 1.0 / 11.0);
}

TEST(BSPTreeMirrorTest, MirrorsOnlySplitsOnTheAxis) {
    BSPTree tree = pair(Axis::horizontal, 0.3);
    tree.mirror(Axis::vertical);
    EXPECT_EQ(tree, pair(Axis::horizontal, 0.3));
    tree.mirror(Axis::horizontal);
    EXPECT_EQ(tree, treeOf(split(Axis::horizontal, 0.7, Node::leaf(B), Node::leaf(A))));
}

struct RotationCase {
    Rotation rotation;
    Axis from;
    BSPTree expected;
};

class BSPTreeRotateTest : public testing::TestWithParam<RotationCase> {};

TEST_P(BSPTreeRotateTest, TurnsEverySplit) {
    const auto& c = GetParam();
    BSPTree tree = pair(c.from, 0.3);
    tree.rotate(c.rotation);
    EXPECT_EQ(tree, c.expected);
}

BSPTree exchanged(Axis axis) {
    return treeOf(split(axis, 0.7, Node::leaf(B), Node::leaf(A)));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BSPTreeRotateTest,
    testing::Values(RotationCase{Rotation::quarter, Axis::horizontal, pair(Axis::vertical, 0.3)},
                    RotationCase{Rotation::quarter, Axis::vertical, exchanged(Axis::horizontal)},
                    RotationCase{Rotation::half, Axis::horizontal, exchanged(Axis::horizontal)},
                    RotationCase{Rotation::half, Axis::vertical, exchanged(Axis::vertical)},
                    RotationCase{Rotation::threeQuarter, Axis::horizontal, exchanged(Axis::vertical)},
                    RotationCase{Rotation::threeQuarter, Axis::vertical, pair(Axis::horizontal, 0.3)}));

TEST(BSPTreeRotateTest, FourQuarterTurnsGiveTheSameLayout) {
    const BSPTree original = treeOf(split(Axis::horizontal, 0.3, Node::leaf(A),
                                          split(Axis::vertical, 0.6, Node::leaf(B), Node::leaf(C))));
    BSPTree tree = original;
    for (int turn = 0; turn < 4; ++turn)
        tree.rotate(Rotation::quarter);
    const Rect square(0, 0, 1000, 1000);
    EXPECT_EQ(tree.frames(square, 0), original.frames(square, 0));
}

} // namespace
} // namespace quillmere
