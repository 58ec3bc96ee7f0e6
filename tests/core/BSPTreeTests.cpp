#include "core/BSPTree.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

constexpr WindowId A = 1, B = 2, C = 3, D = 4;
constexpr WindowId hole0 = BSPTree::firstHole, hole1 = BSPTree::firstHole + 1;

Node tile(std::vector<WindowId> ids) {
    return Node::tile(std::move(ids));
}
Node split(Axis axis, double ratio, Node first, Node second) {
    return Node::split(axis, ratio, std::move(first), std::move(second));
}
BSPTree treeOf(Node root) {
    return BSPTree{std::move(root)};
}

struct Insertion {
    Rect area{0, 0, 1000, 600};
    double gap = 10;
    std::optional<WindowId> beside;
    std::optional<Direction> preselect;
    double ratio = 0.5;
    MinimumSizes minimumSizes;
    IdSet keeping;

    void into(BSPTree& tree, WindowId id) const {
        tree.insert(id, beside, area, gap, preselect, ratio, minimumSizes, keeping);
    }
};

TEST(BSPTreeInsertTest, EmptyTreeGetsOneTileAndRepeatedInsertChangesNothing) {
    BSPTree tree;
    Insertion{}.into(tree, A);
    EXPECT_EQ(tree, treeOf(Node::leaf(A)));
    Insertion{}.into(tree, A);
    EXPECT_EQ(tree, treeOf(Node::leaf(A)));
}

TEST(BSPTreeInsertTest, SplitsAcrossTheLongerSideWithTheNewWindowSecond) {
    BSPTree wide = treeOf(Node::leaf(A));
    Insertion{}.into(wide, B);
    EXPECT_EQ(wide, treeOf(split(Axis::horizontal, 0.5, Node::leaf(A), Node::leaf(B))));
    const auto frames = wide.frames({0, 0, 1000, 600}, 10);
    EXPECT_EQ(frames.at(A), Rect(0, 0, 495, 600));
    EXPECT_EQ(frames.at(B), Rect(505, 0, 495, 600));

    BSPTree tall = treeOf(Node::leaf(A));
    Insertion{.area = {0, 0, 600, 1000}}.into(tall, B);
    EXPECT_EQ(tall, treeOf(split(Axis::vertical, 0.5, Node::leaf(A), Node::leaf(B))));
}

TEST(BSPTreeInsertTest, LeadingPreselectionPutsTheNewWindowFirstWithTheInvertedRatio) {
    BSPTree tree = treeOf(Node::leaf(A));
    Insertion{.beside = A, .preselect = Direction::west, .ratio = 0.6}.into(tree, B);
    EXPECT_EQ(tree, treeOf(split(Axis::horizontal, 1.0 - 0.6, Node::leaf(B), Node::leaf(A))));

    BSPTree south = treeOf(Node::leaf(A));
    Insertion{.beside = A, .preselect = Direction::south, .ratio = 0.6}.into(south, B);
    EXPECT_EQ(south, treeOf(split(Axis::vertical, 0.6, Node::leaf(A), Node::leaf(B))));
}

TEST(BSPTreeInsertTest, AbsentTargetFallsBackToTheLastWindowInTreeOrder) {
    BSPTree tree = treeOf(split(Axis::horizontal, 0.5, Node::leaf(A), Node::leaf(B)));
    Insertion{.beside = 99}.into(tree, C);
    EXPECT_EQ(tree.root->first(), Node::leaf(A));
    EXPECT_EQ(tree.root->second(), split(Axis::vertical, 0.5, Node::leaf(B), Node::leaf(C)));
}

TEST(BSPTreeInsertTest, HoleOnlyTreeFillsTheFirstFreeHoleOrSplitsTheLastKeptOne) {
    const BSPTree holes = treeOf(split(Axis::horizontal, 0.3, Node::leaf(hole0), Node::leaf(hole1)));

    BSPTree free = holes;
    Insertion{}.into(free, A);
    EXPECT_EQ(free, treeOf(split(Axis::horizontal, 0.3, Node::leaf(A), Node::leaf(hole1))));

    BSPTree firstKept = holes;
    Insertion{.keeping = {hole0}}.into(firstKept, A);
    EXPECT_EQ(firstKept, treeOf(split(Axis::horizontal, 0.3, Node::leaf(hole0), Node::leaf(A))));

    BSPTree allKept = holes;
    Insertion{.keeping = {hole0, hole1}}.into(allKept, A);
    EXPECT_EQ(allKept.root->second(), split(Axis::horizontal, 0.5, Node::leaf(hole1), Node::leaf(A)));
}

TEST(BSPTreeInsertTest, TriesTheShorterSideThenOtherTilesLargestFirst) {
    // A's tile is 330 wide: a new window of minimum width 200 cannot sit beside it but fits below it.
    const Node start = split(Axis::horizontal, 1.0 / 3.0, Node::leaf(A), Node::leaf(B));
    BSPTree below = treeOf(start);
    Insertion{.beside = A, .minimumSizes = {{C, {200, 0}}}}.into(below, C);
    EXPECT_EQ(below.root->first(), split(Axis::vertical, 0.5, Node::leaf(A), Node::leaf(C)));

    // Too tall to go below A as well: the larger tile B takes it.
    BSPTree other = treeOf(start);
    Insertion{.beside = A, .minimumSizes = {{C, {200, 400}}}}.into(other, C);
    EXPECT_EQ(other.root->first(), Node::leaf(A));
    EXPECT_EQ(other.root->second(), split(Axis::horizontal, 0.5, Node::leaf(B), Node::leaf(C)));
}

TEST(BSPTreeInsertTest, KeptWindowsMinimumSizesCountToo) {
    BSPTree tree = treeOf(Node::leaf(A));
    Insertion{.minimumSizes = {{A, {800, 0}}}}.into(tree, B);
    EXPECT_EQ(tree, treeOf(split(Axis::vertical, 0.5, Node::leaf(A), Node::leaf(B))));
}

TEST(BSPTreeInsertTest, NothingFitsStacksAtTheFrontAndKeepsEveryRectangle) {
    BSPTree tree = treeOf(split(Axis::horizontal, 0.5, Node::leaf(A), Node::leaf(B)));
    const auto before = tree.tiles({0, 0, 1000, 600}, 10);
    Insertion{.beside = A, .minimumSizes = {{C, {900, 0}}}}.into(tree, C);
    EXPECT_EQ(tree.stack(A), (std::vector<WindowId>{C, A}));
    const auto after = tree.tiles({0, 0, 1000, 600}, 10);
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i)
        EXPECT_EQ(after[i].rect, before[i].rect);
}

struct ToleranceCase {
    double areaWidth;
    double gap;
    double minimumWidth;
    bool fits;
};

class BSPTreeToleranceTest : public testing::TestWithParam<ToleranceCase> {};

TEST_P(BSPTreeToleranceTest, MinimumSizeMayExceedThePartByMaxOfGapAndOne) {
    const auto& c = GetParam();
    // Too tall for the half below, so the window either fits beside A or is stacked.
    BSPTree tree = treeOf(Node::leaf(A));
    Insertion{.area = {0, 0, c.areaWidth, 100}, .gap = c.gap, .minimumSizes = {{B, {c.minimumWidth, 60}}}}
        .into(tree, B);
    EXPECT_EQ(tree.root->isSplit(), c.fits);
}

INSTANTIATE_TEST_SUITE_P(Cases, BSPTreeToleranceTest,
                         testing::Values(ToleranceCase{1000, 0, 501, true}, // part 500, tolerance 1
                                         ToleranceCase{1000, 0, 502, false},
                                         ToleranceCase{998, 0, 501, false},  // part 499
                                         ToleranceCase{1010, 10, 510, true}, // part 500, tolerance 10
                                         ToleranceCase{1010, 10, 511, false},
                                         ToleranceCase{1001, 0.5, 501.5, true}, // part 500.5, tolerance 1
                                         ToleranceCase{1001, 0.5, 501.6, false}));

TEST(BSPTreeRemoveTest, SiblingTakesTheParentsPlaceAndTheLastWindowEmptiesTheTree) {
    BSPTree tree = treeOf(
        split(Axis::horizontal, 0.3, Node::leaf(A), split(Axis::vertical, 0.7, Node::leaf(B), tile({C, D}))));
    tree.remove(B);
    EXPECT_EQ(tree, treeOf(split(Axis::horizontal, 0.3, Node::leaf(A), tile({C, D}))));
    tree.remove(C);
    tree.remove(A);
    EXPECT_EQ(tree, treeOf(Node::leaf(D)));
    tree.remove(D);
    EXPECT_FALSE(tree.root);
}

TEST(BSPTreeRemoveTest, RemovingHolesLetsNeighboursGrow) {
    BSPTree tree = treeOf(split(Axis::horizontal, 0.3, tile({hole0}), tile({A, hole1})));
    tree.removeHoles();
    EXPECT_EQ(tree, treeOf(Node::leaf(A)));
}

TEST(BSPTreeQueryTest, ListsAndFramesFollowTreeOrderAndStacksShareARectangle) {
    const BSPTree tree = treeOf(split(Axis::horizontal, 0.5, tile({A, hole0}),
                                      split(Axis::vertical, 0.5, Node::leaf(B), tile({C, D}))));
    EXPECT_EQ(tree.leaves(), (std::vector<WindowId>{A, hole0, B, C, D}));
    EXPECT_EQ(tree.windows(), (std::vector<WindowId>{A, B, C, D}));
    EXPECT_EQ(tree.holes(), (std::vector<WindowId>{hole0}));
    EXPECT_TRUE(tree.contains(A));
    EXPECT_FALSE(tree.contains(hole0));
    EXPECT_EQ(tree.stack(D), (std::vector<WindowId>{C, D}));
    EXPECT_TRUE(tree.stack(99).empty());
    const auto frames = tree.frames({0, 0, 1000, 600}, 0);
    EXPECT_EQ(frames.at(A), Rect(0, 0, 500, 600));
    EXPECT_EQ(frames.at(hole0), frames.at(A));
    EXPECT_EQ(frames.at(C), Rect(500, 300, 500, 300));
    EXPECT_EQ(frames.at(D), frames.at(C));
}

TEST(BSPTreeSlotTest, RecordsTheThreeKindsOfSlot) {
    EXPECT_EQ(treeOf(Node::leaf(A)).slot(A), BSPTree::Slot{BSPTree::Slot::Alone{}});
    EXPECT_EQ(treeOf(tile({B, A, C})).slot(A), (BSPTree::Slot{BSPTree::Slot::Stacked{{B, C}, 1}}));
    const BSPTree tree = treeOf(split(
        Axis::vertical, 0.3, split(Axis::horizontal, 0.5, Node::leaf(B), Node::leaf(C)), Node::leaf(A)));
    EXPECT_EQ(tree.slot(A), (BSPTree::Slot{BSPTree::Slot::Split{Axis::vertical, 0.3, false, {B, C}}}));
    EXPECT_EQ(tree.slot(99), std::nullopt);
    EXPECT_EQ(BSPTree{}.slot(A), std::nullopt);
}

TEST(BSPTreeSlotTest, ReinsertWrapsTheSmallestSubtreeHoldingTheSurvivingSiblings) {
    // A sat first beside B and C; since then B and C were split apart further with D in between.
    const BSPTree::Slot slot{BSPTree::Slot::Split{Axis::horizontal, 0.4, true, {B, C}}};
    const Node bc = split(Axis::vertical, 0.5, Node::leaf(B), Node::leaf(C));
    BSPTree tree = treeOf(split(Axis::horizontal, 0.5, Node::leaf(D), bc));
    EXPECT_TRUE(tree.reinsert(A, slot));
    EXPECT_EQ(tree, treeOf(split(Axis::horizontal, 0.5, Node::leaf(D),
                                 split(Axis::horizontal, 0.4, Node::leaf(A), bc))));

    // Only C survives, deep inside: A goes right beside it.
    BSPTree deep = treeOf(split(Axis::horizontal, 0.5, Node::leaf(D), Node::leaf(C)));
    EXPECT_TRUE(deep.reinsert(A, slot));
    EXPECT_EQ(deep.root->second(), split(Axis::horizontal, 0.4, Node::leaf(A), Node::leaf(C)));
}

TEST(BSPTreeSlotTest, ReinsertAnswersFalseWhenNothingIsLeftToReturnTo) {
    BSPTree tree = treeOf(Node::leaf(D));
    EXPECT_FALSE(tree.reinsert(A, BSPTree::Slot{BSPTree::Slot::Alone{}}));
    EXPECT_FALSE(tree.reinsert(A, BSPTree::Slot{BSPTree::Slot::Split{Axis::horizontal, 0.5, true, {B}}}));
    EXPECT_FALSE(tree.reinsert(A, BSPTree::Slot{BSPTree::Slot::Stacked{{B, C}, 0}}));
    EXPECT_FALSE(tree.reinsert(D, BSPTree::Slot{BSPTree::Slot::Stacked{{D}, 0}}));
    EXPECT_FALSE(BSPTree{}.reinsert(A, BSPTree::Slot{BSPTree::Slot::Alone{}}));
    EXPECT_EQ(tree, treeOf(Node::leaf(D)));
}

TEST(BSPTreeSlotTest, ReinsertIntoAStackUsesTheFirstSurvivorAndClampsTheIndex) {
    BSPTree tree = treeOf(split(Axis::horizontal, 0.5, Node::leaf(C), Node::leaf(D)));
    EXPECT_TRUE(tree.reinsert(A, BSPTree::Slot{BSPTree::Slot::Stacked{{B, D, C}, 5}}));
    EXPECT_EQ(tree.stack(D), (std::vector<WindowId>{D, A}));
}

TEST(BSPTreeSlotTest, SlotThenReinsertRestoresTheTree) {
    const BSPTree original = treeOf(split(Axis::horizontal, 0.35, Node::leaf(A),
                                          split(Axis::vertical, 0.6, tile({B, C}), Node::leaf(D))));
    for (WindowId id : {A, B, C, D}) {
        BSPTree tree = original;
        const auto slot = tree.slot(id);
        ASSERT_TRUE(slot);
        tree.remove(id);
        EXPECT_TRUE(tree.reinsert(id, *slot));
        EXPECT_EQ(tree, original) << id;
    }
}

} // namespace
} // namespace quillmere
