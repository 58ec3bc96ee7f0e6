#include "core/ProfileEditing.h"
#include "core/SpaceLayout.h"
#include "core/SpaceSnapshot.h"
#include "support/Layouts.h"
#include "support/Printers.h"
#include "support/Snapshots.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

using snapshots::ref;

using layouts::Given;
using trees::h;
using trees::v;

// Windows 1 to 9 of a few applications, numbered the way capture and load number them.
class SnapshotTest : public testing::Test {
  protected:
    std::map<WindowId, WindowRef> refs =
        WindowRef::assign({{9, "c"}, {1, "a"}, {2, "b"}, {3, "a"}, {4, "b"}, {5, "c"}, {6, "a"}});

    std::function<std::optional<WindowRef>(WindowId)> lookup() const {
        return [this](WindowId id) -> std::optional<WindowRef> {
            const auto found = refs.find(id);
            return found == refs.end() ? std::nullopt : std::optional(found->second);
        };
    }

    std::function<std::optional<WindowId>(const WindowRef&)> resolver() const {
        return [this](const WindowRef& wanted) -> std::optional<WindowId> {
            for (const auto& [id, named] : refs)
                if (named == wanted)
                    return id;
            return std::nullopt;
        };
    }

    static std::optional<WindowId> nothing(const WindowRef&) { return std::nullopt; }
};

TEST_F(SnapshotTest, AssignNumbersEachApplicationsWindowsInIdOrderWhateverTheInputOrder) {
    const std::map<WindowId, WindowRef> expected{{12, ref("a", 0)}, {20, ref("b", 0)}, {30, ref("a", 1)}};
    std::vector<std::pair<WindowId, std::string>> windows{{30, "a"}, {12, "a"}, {20, "b"}};
    std::ranges::sort(windows);
    do {
        EXPECT_EQ(WindowRef::assign(windows), expected);
    } while (std::ranges::next_permutation(windows).found);
    EXPECT_TRUE(WindowRef::assign({}).empty());
}

TEST_F(SnapshotTest, CapturesModeTreeAndSortedFloatingWindowsOnly) {
    const SpaceLayout layout =
        Given()
            .mode(LayoutMode::stack)
            .tiling(TileAlgorithm::masterStack)
            .tree(h(0.25, trees::tile({1, 2}), v(0.75, trees::tile({3}), trees::tile({4}))))
            .floating({9, 6, 5})
            .zoomed(3)
            .waiting({{BSPTree::firstHole, "x"}});
    const SpaceSnapshot snapshot = layout.snapshot(4, {ref("z", 0)}, lookup());
    EXPECT_EQ(snapshot, (SpaceSnapshot{.space = 4,
                                       .mode = LayoutMode::stack,
                                       .tree = snapshots::h(0.25, snapshots::tile({ref("a", 0), ref("b", 0)}),
                                                            snapshots::v(0.75, snapshots::tile({ref("a", 1)}),
                                                                         snapshots::tile({ref("b", 1)}))),
                                       .floating = {ref("a", 2), ref("c", 0), ref("c", 1)},
                                       .others = {ref("z", 0)}}));
}

TEST_F(SnapshotTest, WindowsWithoutAReferenceAreLeftOutAndTheirSplitsCollapse) {
    const auto snapshotOf = [this](Node root) {
        return static_cast<SpaceLayout>(Given().tree(std::move(root))).snapshot(1, {}, lookup()).tree;
    };
    EXPECT_EQ(snapshotOf(h(0.5, trees::tile({70, 71}), v(0.3, trees::tile({1}), trees::tile({2})))),
              snapshots::v(0.3, snapshots::tile({ref("a", 0)}), snapshots::tile({ref("b", 0)})));
    EXPECT_EQ(snapshotOf(h(0.5, trees::tile({1, 70}), trees::tile({BSPTree::firstHole}))),
              snapshots::tile({ref("a", 0)}));
    EXPECT_EQ(snapshotOf(h(0.5, trees::tile({70}), trees::tile({71}))), std::nullopt);
    EXPECT_EQ(static_cast<SpaceLayout>(Given()).snapshot(1, {}, lookup()), SpaceSnapshot{.space = 1});
}

TEST_F(SnapshotTest, RebuildingWithNothingResolvedKeepsTheShapeWithHolesInWalkOrder) {
    const SpaceSnapshot snapshot{.space = 2,
                                 .mode = LayoutMode::float_,
                                 .tree = snapshots::h(0.4, snapshots::tile({ref("a", 0), ref("b", 0)}),
                                                      snapshots::v(0.6, snapshots::tile({ref("a", 1)}),
                                                                   snapshots::tile({ref("c", 0)}))),
                                 .floating = {ref("d", 0)},
                                 .others = {ref("e", 0)},
                                 .display = "Studio"};
    const WindowId hole = BSPTree::firstHole;
    const SpaceLayout expected =
        Given()
            .mode(LayoutMode::float_)
            .tree(h(0.4, trees::tile({hole, hole + 1}),
                    v(0.6, trees::tile({hole + 2}), trees::tile({hole + 3}))))
            .waiting({{hole, "a"}, {hole + 1, "b"}, {hole + 2, "a"}, {hole + 3, "c"}});
    SpaceLayout rebuilt(snapshot, nothing);
    EXPECT_EQ(rebuilt.nextHole, hole + 4);
    rebuilt.nextHole = BSPTree::firstHole;
    EXPECT_EQ(rebuilt, expected);
}

TEST_F(SnapshotTest, RebuildingResolvesWhatItCanAndDropsUnresolvedFloatingWindows) {
    const SpaceSnapshot snapshot{.space = 1,
                                 .tree = snapshots::h(0.5, snapshots::tile({ref("a", 0), ref("q", 0)}),
                                                      snapshots::tile({ref("b", 1)})),
                                 .floating = {ref("c", 1), ref("q", 1)}};
    SpaceLayout expected = Given()
                               .tree(h(0.5, trees::tile({1, BSPTree::firstHole}), trees::tile({4})))
                               .floating({9})
                               .waiting({{BSPTree::firstHole, "q"}});
    expected.nextHole = BSPTree::firstHole + 1;
    EXPECT_EQ(SpaceLayout(snapshot, resolver()), expected);
}

TEST_F(SnapshotTest, ASnapshotRoundTripsThroughALiveLayout) {
    const SpaceSnapshot snapshot{
        .space = 3,
        .mode = LayoutMode::stack,
        .tree = snapshots::h(
            2.0 / 3.0, snapshots::tile({ref("a", 0)}),
            snapshots::v(0.5, snapshots::tile({ref("b", 0), ref("a", 1)}), snapshots::tile({ref("c", 1)}))),
        .floating = {ref("a", 2), ref("b", 1)}};
    const SpaceLayout live(snapshot, resolver());
    EXPECT_EQ(live.snapshot(3, {}, lookup()), snapshot);
}

TEST_F(SnapshotTest, EmptyTemplateTilesAreDroppedWithTheirSplits) {
    const LayoutSnapshot halves = LayoutSnapshot::templates()[1].layout;
    const SpaceLayout empty(SpaceSnapshot{.space = 1, .tree = halves}, resolver());
    EXPECT_EQ(empty.tree.root, std::nullopt);
    const SpaceLayout one(SpaceSnapshot{.space = 1, .tree = halves.filled({ref("b", 0)})}, resolver());
    EXPECT_EQ(one.tree.root, trees::tile({2}));
}

TEST_F(SnapshotTest, AWindowNamedTwiceIsPlacedOnce) {
    const SpaceSnapshot snapshot{.space = 1,
                                 .tree = snapshots::h(0.5, snapshots::tile({ref("a", 0), ref("a", 0)}),
                                                      snapshots::tile({ref("a", 0)})),
                                 .floating = {ref("a", 0), ref("b", 0)}};
    const SpaceLayout rebuilt(snapshot, resolver());
    EXPECT_EQ(rebuilt.tree.root, trees::tile({1}));
    EXPECT_EQ(rebuilt.floating, (std::set<WindowId>{2}));
}

TEST_F(SnapshotTest, AHoleTakesTheWindowItsApplicationOpensLater) {
    const SpaceSnapshot snapshot{
        .space = 1,
        .tree = snapshots::h(0.3, snapshots::tile({ref("a", 0)}), snapshots::tile({ref("new", 0)}))};
    SpaceLayout live(snapshot, resolver());
    live.add(40, std::string("new"), std::nullopt, Rect(0, 0, 1000, 800), 0, false, 0.5, {});
    EXPECT_EQ(live.tree.root, h(0.3, trees::tile({1}), trees::tile({40})));
    EXPECT_TRUE(live.waiting.empty());
}

TEST_F(SnapshotTest, HoleIdsNeverWrapRoundToRealWindowIds) {
    std::vector<WindowRef> many(0x10000, ref("a", 0));
    const SpaceLayout rebuilt(SpaceSnapshot{.space = 1, .tree = snapshots::tile(many)}, nothing);
    EXPECT_EQ(rebuilt.nextHole, 0xFFFFFFFFu);
    EXPECT_EQ(rebuilt.waiting.size(), 0xFFFFu);
    ASSERT_TRUE(rebuilt.tree.root);
    EXPECT_EQ(rebuilt.tree.root->ids().size(), 0xFFFFu);
    EXPECT_EQ(rebuilt.tree.root->ids().back(), 0xFFFFFFFEu);
}

} // namespace
} // namespace quillmere
