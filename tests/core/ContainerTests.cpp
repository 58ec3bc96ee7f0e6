#include "core/BSPTree.h"
#include "support/Printers.h"
#include "support/Trees.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

using namespace trees;

constexpr WindowId A = 1, B = 2, C = 3, D = 4, E = 5;
constexpr WindowId H = BSPTree::firstHole;
const Rect wide(0, 0, 1440, 900);
const Rect tall(0, 0, 900, 1440);

const Node row3 = h(1.0 / 3, tile({A}), h(0.5, tile({B}), tile({C})));

TEST(MembersTest, ShareIsTheProductOfRatiosDownTheChain) {
    const Node tree = h(0.5, tile({A}), h(0.5, tile({B}), tile({C})));
    const BSPTree::Members row{{tile({A}), 0.5}, {tile({B}), 0.25}, {tile({C}), 0.25}};
    EXPECT_EQ(BSPTree::members(tree, Axis::horizontal), row);
    const BSPTree::Members whole{{tree, 1.0}};
    EXPECT_EQ(BSPTree::members(tree, Axis::vertical), whole);
    // A split the other way is one member; its own members belong to the next container.
    const Node nested = h(0.3, v(0.5, tile({A}), tile({B})), tile({C}));
    const BSPTree::Members outer{{v(0.5, tile({A}), tile({B})), 0.3}, {tile({C}), 0.7}};
    EXPECT_EQ(BSPTree::members(nested, Axis::horizontal), outer);
}

TEST(ContainerTest, LeansToTheSecondSideAndKeepsProportions) {
    EXPECT_EQ(BSPTree::container({{tile({A}), 1}, {tile({B}), 1}, {tile({C}), 1}}, Axis::horizontal), row3);
    EXPECT_EQ(BSPTree::container({{tile({A}), 2}, {tile({B}), 2}}, Axis::vertical), v(0.5, tile({A}), tile({B})));
    EXPECT_EQ(BSPTree::container({{tile({A}), 0.7}}, Axis::vertical), tile({A}));
    // Members squeezed to nothing share evenly rather than dividing by zero.
    EXPECT_EQ(BSPTree::container({{tile({A}), 0}, {tile({B}), 0}, {tile({C}), 0}}, Axis::horizontal), row3);
}

TEST(ContainerTest, MembersAndContainerRoundTrip) {
    const Node tree = h(0.2, tile({A}), h(0.25, v(0.5, tile({B}), tile({C})), tile({D})));
    EXPECT_TRUE(matches(BSPTree::container(BSPTree::members(tree, Axis::horizontal), Axis::horizontal), tree));
}

TEST(RewritingContainerTest, FindsTheInnermostContainerHoldingTheTileDirectly) {
    const Node tree = h(0.5, tile({A}), v(0.4, tile({B}), h(0.5, tile({C, D}), tile({E}))));
    struct Case {
        WindowId id;
        Axis axis;
        std::size_t index;
        std::size_t memberCount;
    };
    for (const Case& c : {Case{A, Axis::horizontal, 0, 2}, Case{B, Axis::vertical, 0, 2},
                          Case{D, Axis::horizontal, 0, 2}, Case{E, Axis::horizontal, 1, 2}}) {
        std::optional<Case> seen;
        const Node result = BSPTree::rewritingContainer(c.id, tree, [&](Axis axis, const auto& members, auto index) {
            seen = Case{c.id, axis, index, members.size()};
            return tile({99});
        });
        ASSERT_TRUE(seen) << c.id;
        EXPECT_EQ(seen->axis, c.axis) << c.id;
        EXPECT_EQ(seen->index, c.index) << c.id;
        EXPECT_EQ(seen->memberCount, c.memberCount) << c.id;
        // Only the container found is replaced; the splits above it keep their axis and ratio.
        if (c.id == A) {
            EXPECT_EQ(result, tile({99}));
        }
        if (c.id == E) {
            EXPECT_EQ(result, h(0.5, tile({A}), v(0.4, tile({B}), tile({99}))));
        }
    }
    const auto untouched = [](Axis, const BSPTree::Members&, std::size_t) -> Node {
        ADD_FAILURE() << "an absent id reached a container";
        return tile({99});
    };
    EXPECT_EQ(BSPTree::rewritingContainer(42, tree, untouched), tree);
    EXPECT_EQ(BSPTree::rewritingContainer(A, tile({A}), untouched), tile({A}));
}

struct JoinCase {
    const char* name;
    std::optional<Node> before;
    WindowId id;
    std::optional<WindowId> beside;
    Rect area;
    Node after;
    bool exact;
};

class InsertJoiningTest : public testing::TestWithParam<JoinCase> {};

TEST_P(InsertJoiningTest, JoinsTheTargetsRowOrColumn) {
    const auto& c = GetParam();
    BSPTree tree{c.before};
    tree.insertJoining(c.id, c.beside, c.area);
    if (c.exact)
        EXPECT_EQ(tree.root, c.after);
    else
        EXPECT_TRUE(matches(tree.root, c.after));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InsertJoiningTest,
    testing::Values(
        JoinCase{"EmptyTreeGetsATile", std::nullopt, A, std::nullopt, wide, tile({A}), true},
        JoinCase{"WideTileSplitsSideBySide", tile({A}), B, A, wide, h(0.5, tile({A}), tile({B})), true},
        JoinCase{"TallTileSplitsOneAboveTheOther", tile({A}), B, A, tall, v(0.5, tile({A}), tile({B})), true},
        JoinCase{"AlreadyTiledChangesNothing", h(0.3, tile({A}), tile({B})), B, A, wide, h(0.3, tile({A}), tile({B})), true},
        JoinCase{"RowOfThreeBecomesFourQuartersAfterTheTarget", row3, D, B, wide,
                 h(0.25, tile({A}), h(1.0 / 3, tile({B}), h(0.5, tile({D}), tile({C})))), false},
        JoinCase{"AbsentTargetFallsBackToTheLastWindow", h(0.5, tile({A}), tile({B})), C, 42, wide,
                 h(1.0 / 3, tile({A}), h(0.5, tile({B}), tile({C}))), false},
        JoinCase{"TargetInANestedColumnJoinsTheColumn", h(0.6, tile({A}), v(0.5, tile({B}), tile({C}))), D, B, wide,
                 h(0.6, tile({A}), v(1.0 / 3, tile({B}), v(0.5, tile({D}), tile({C})))), false},
        JoinCase{"OtherMembersKeepTheirProportions", h(0.2, tile({A}), tile({B})), C, B, wide,
                 h(0.2 / 1.5, tile({A}), h(0.8 / 1.3, tile({B}), tile({C}))), false},
        JoinCase{"AStackedTargetsTileIsTheMember", h(0.5, tile({A, B}), tile({C})), D, B, wide,
                 h(1.0 / 3, tile({A, B}), h(0.5, tile({D}), tile({C}))), false},
        JoinCase{"OnlyHolesTakesTheFirstHole", h(0.3, tile({H}), tile({H + 1})), A, std::nullopt, wide,
                 h(0.3, tile({A}), tile({H + 1})), true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InsertJoiningTest, AnEqualRowStaysEqualAsItGrows) {
    BSPTree tree;
    for (WindowId id = 1; id <= 6; ++id)
        tree.insertJoining(id, id - 1, wide);
    const auto members = BSPTree::members(*tree.root, Axis::horizontal);
    ASSERT_EQ(members.size(), 6u);
    for (std::size_t i = 0; i < members.size(); ++i) {
        EXPECT_EQ(members[i].node, tile({static_cast<WindowId>(i + 1)}));
        EXPECT_NEAR(members[i].share, 1.0 / 6, 1e-12);
    }
}

struct RemoveCase {
    const char* name;
    Node before;
    WindowId id;
    std::optional<Node> after;
    bool exact;
};

class RemoveFromContainerTest : public testing::TestWithParam<RemoveCase> {};

TEST_P(RemoveFromContainerTest, TheRestOfTheRowFillsTheGap) {
    const auto& c = GetParam();
    BSPTree tree{c.before};
    tree.removeFromContainer(c.id);
    if (!c.after)
        EXPECT_EQ(tree.root, std::nullopt);
    else if (c.exact)
        EXPECT_EQ(tree.root, c.after);
    else
        EXPECT_TRUE(matches(tree.root, *c.after));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RemoveFromContainerTest,
    testing::Values(
        RemoveCase{"MiddleOfARow", h(0.5, tile({A}), h(0.5, tile({B}), tile({C}))), B, h(2.0 / 3, tile({A}), tile({C})), false},
        RemoveCase{"TwoMemberRowLeavesTheOtherMemberWhole", h(0.3, tile({A}), v(0.4, tile({B}), tile({C}))), A,
                   v(0.4, tile({B}), tile({C})), true},
        RemoveCase{"InnerColumnMember", h(0.3, tile({A}), v(0.25, tile({B}), v(0.5, tile({C}), tile({D})))), C,
                   h(0.3, tile({A}), v(0.4, tile({B}), tile({D}))), false},
        RemoveCase{"StackedWindowLeavesItsTile", h(0.3, tile({A, B}), tile({C})), A, h(0.3, tile({B}), tile({C})), true},
        RemoveCase{"HoleIsRemovedPlainly", h(0.3, tile({H}), h(0.5, tile({B}), tile({C}))), H, h(0.5, tile({B}), tile({C})), true},
        RemoveCase{"AbsentIdChangesNothing", h(0.3, tile({A}), tile({B})), C, h(0.3, tile({A}), tile({B})), true},
        RemoveCase{"OnlyWindowEmptiesTheTree", tile({A}), A, std::nullopt, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ToggleContainerTest, TurnsTheRowHoldingTheWindowIntoAColumnWithTheSameShares) {
    BSPTree tree{row3};
    tree.toggleContainer(B);
    EXPECT_EQ(tree.root, v(1.0 / 3, tile({A}), v(0.5, tile({B}), tile({C}))));
    tree.toggleContainer(C);
    EXPECT_EQ(tree.root, row3);

    BSPTree nested{h(0.6, tile({A}), v(0.3, tile({B}), tile({C})))};
    nested.toggleContainer(C);
    EXPECT_EQ(nested.root, h(0.6, tile({A}), h(0.3, tile({B}), tile({C}))));
}

TEST(ToggleContainerTest, LoneTileEmptyTreeAndAbsentIdChangeNothing) {
    BSPTree lone{tile({A})};
    lone.toggleContainer(A);
    EXPECT_EQ(lone.root, tile({A}));
    BSPTree empty;
    empty.toggleContainer(A);
    EXPECT_EQ(empty.root, std::nullopt);
    BSPTree tree{row3};
    tree.toggleContainer(D);
    EXPECT_EQ(tree.root, row3);
}

} // namespace
} // namespace quillmere
