#include "core/SpaceLayout.h"
#include "support/Layouts.h"
#include "support/Printers.h"
#include "support/Trees.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

using namespace trees;
using layouts::Given;

constexpr WindowId A = 1, B = 2, C = 3, D = 4, F = 6, N = 7;
constexpr WindowId H0 = BSPTree::firstHole;
const Rect square(0, 0, 1000, 1000);

// ---- pop-out ----

struct PopCase {
    const char* name;
    TileAlgorithm tiling;
    Node before;
    WindowId window;
    Node after;
    std::optional<SpaceLayout::Pop> popped;
};

class SpaceLayoutPopOutTest : public testing::TestWithParam<PopCase> {};

TEST_P(SpaceLayoutPopOutTest, SwapsWithThePopTarget) {
    const auto& c = GetParam();
    SpaceLayout layout = Given().tiling(c.tiling).tree(c.before).zoomed(c.window);
    layout.popOut(c.window, square);
    EXPECT_EQ(layout.tree.root, c.after);
    EXPECT_EQ(layout.popped, c.popped);
    EXPECT_EQ(layout.zoomed, c.popped ? std::nullopt : std::optional(c.window));
}

using Pop = SpaceLayout::Pop;
using enum TileAlgorithm;

INSTANTIATE_TEST_SUITE_P(
    Cases, SpaceLayoutPopOutTest,
    testing::Values(
        PopCase{"LargestTile", bsp, h(0.6, tile({A}), tile({B})), B, h(0.6, tile({B}), tile({A})), Pop{B, A}},
        PopCase{"EqualAreasTheUpperBeatsTheEarlier", i3,
                h(0.5, v(0.2, tile({A}), tile({B})), v(0.8, tile({C}), tile({D}))), A,
                h(0.5, v(0.2, tile({C}), tile({B})), v(0.8, tile({A}), tile({D}))), Pop{A, C}},
        PopCase{"EqualAreasAtOneHeightTheLeft", bsp, h(0.5, tile({A}), tile({B})), B,
                h(0.5, tile({B}), tile({A})), Pop{B, A}},
        PopCase{"AlreadyInTheTarget", bsp, h(0.6, tile({A, C}), tile({B})), C,
                h(0.6, tile({A, C}), tile({B})), std::nullopt},
        PopCase{"TilesFrontedByHolesAreSkipped", bsp, h(0.7, tile({H0, C}), v(0.5, tile({A}), tile({B}))), B,
                h(0.7, tile({H0, C}), v(0.5, tile({B}), tile({A}))), Pop{B, A}},
        PopCase{"MasterStackMainFirstEvenWhenSmaller", masterStack,
                h(0.3, tile({A}), v(0.5, tile({B}), tile({C}))), C,
                h(0.3, tile({C}), v(0.5, tile({B}), tile({A}))), Pop{C, A}},
        PopCase{"MasterStackMainLast", masterStack, h(0.4, v(0.5, tile({A}), tile({B})), tile({C})), A,
                h(0.4, v(0.5, tile({C}), tile({B})), tile({A})), Pop{A, C}},
        PopCase{"MasterStackMainHoleIsNoTarget", masterStack,
                h(0.5, tile({H0}), v(0.5, tile({B}), tile({C}))), B,
                h(0.5, tile({H0}), v(0.5, tile({B}), tile({C}))), std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpaceLayoutPopOut, TheSameWindowAgainPopsItBackIn) {
    SpaceLayout layout = Given().tree(h(0.6, tile({A}), tile({B})));
    layout.popOut(B, square);
    layout.popOut(B, square);
    EXPECT_EQ(layout, Given().tree(h(0.6, tile({A}), tile({B}))).value);
}

TEST(SpaceLayoutPopOut, AnotherWindowReplacesThePopWithoutSwappingBack) {
    SpaceLayout layout = Given().tree(h(0.6, tile({A}), v(0.5, tile({B}), tile({C}))));
    layout.popOut(B, square);
    layout.popOut(C, square);
    EXPECT_EQ(layout.tree.root, h(0.6, tile({C}), v(0.5, tile({A}), tile({B}))));
    EXPECT_EQ(layout.popped, (Pop{C, B}));
}

TEST(SpaceLayoutPopOut, OutsideBspOnlyThePoppedWindowMoves) {
    SpaceLayout layout = Given().tree(h(0.6, tile({A}), v(0.5, tile({B}), tile({C}))));
    layout.popOut(B, square);
    layout.mode = LayoutMode::stack;
    const SpaceLayout popped = layout;
    layout.popOut(C, square);
    EXPECT_EQ(layout, popped);
    layout.popIn();
    EXPECT_EQ(layout, popped);

    layout.popOut(B, square);
    EXPECT_EQ(layout,
              Given().mode(LayoutMode::stack).tree(h(0.6, tile({A}), v(0.5, tile({B}), tile({C})))).value);
}

TEST(SpaceLayoutPopIn, SwapsThePairBackOnlyWhenBothAreTiled) {
    SpaceLayout layout = Given().tree(h(0.6, tile({B}), tile({A}))).popped(B, A).zoomed(A);
    layout.popIn();
    EXPECT_EQ(layout, Given().tree(h(0.6, tile({A}), tile({B}))).value);

    layout = Given().tree(h(0.6, tile({B}), tile({A}))).floating({F}).popped(B, F);
    const SpaceLayout stranded = layout;
    layout.popIn();
    EXPECT_EQ(layout, stranded);
}

// ---- slots ----

struct SlotCase {
    const char* name;
    SpaceLayout layout;
    WindowId window;
    SpaceLayout::Slot slot;
};

class SpaceLayoutSlotTest : public testing::TestWithParam<SlotCase> {};

TEST_P(SpaceLayoutSlotTest, RecordsAndPutsBack) {
    const auto& c = GetParam();
    SpaceLayout layout = c.layout;
    ASSERT_EQ(layout.slot(c.window), c.slot);
    layout.remove(c.window);
    ASSERT_FALSE(layout.contains(c.window));
    EXPECT_TRUE(layout.reinsert(c.window, c.slot));
    EXPECT_EQ(layout, c.layout);
}

using Tiled = SpaceLayout::Slot::Tiled;
using Floating = SpaceLayout::Slot::Floating;
using TreeSlot = BSPTree::Slot;

INSTANTIATE_TEST_SUITE_P(
    Cases, SpaceLayoutSlotTest,
    testing::Values(
        SlotCase{"FirstOfASplit",
                 Given().tree(h(0.5, tile({A}), v(0.3, tile({B}), tile({C})))),
                 B,
                 {Tiled{{TreeSlot::Split{Axis::vertical, 0.3, true, {C}}}}}},
        SlotCase{"SecondOfASplit",
                 Given().tree(h(0.5, tile({A}), v(0.3, tile({B}), tile({C})))),
                 C,
                 {Tiled{{TreeSlot::Split{Axis::vertical, 0.3, false, {B}}}}}},
        SlotCase{"Stacked",
                 Given().tree(h(0.5, tile({A}), tile({B, C, D}))),
                 C,
                 {Tiled{{TreeSlot::Stacked{{B, D}, 1}}}}},
        SlotCase{"Floating", Given().tree(h(0.5, tile({A}), tile({B}))).floating({F}), F, {Floating{}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpaceLayoutSlot, UnknownWindowsHaveNone) {
    const SpaceLayout layout = Given().tree(tile({A}));
    EXPECT_EQ(layout.slot(B), std::nullopt);
    EXPECT_EQ(layout.slot(A), (SpaceLayout::Slot{Tiled{{TreeSlot::Alone{}}}}));
}

TEST(SpaceLayoutReinsert, ATiledReturnClearsZoomAndAFloatingOneDoesNot) {
    SpaceLayout layout = Given().tree(h(0.5, tile({A}), tile({B}))).zoomed(A);
    EXPECT_TRUE(layout.reinsert(F, {Floating{}}));
    EXPECT_EQ(layout.zoomed, A);
    EXPECT_TRUE(layout.reinsert(C, {Tiled{{TreeSlot::Stacked{{B}, 0}}}}));
    EXPECT_EQ(layout, Given().tree(h(0.5, tile({A}), tile({C, B}))).floating({F}).value);
}

TEST(SpaceLayoutReinsert, RefusesWhatCannotBePutBack) {
    const SpaceLayout before = Given().tree(h(0.5, tile({A}), tile({B}))).floating({F}).zoomed(A);
    const SpaceLayout::Slot besideC{Tiled{{TreeSlot::Split{Axis::vertical, 0.5, true, {C}}}}};
    const SpaceLayout::Slot besideB{Tiled{{TreeSlot::Split{Axis::vertical, 0.5, true, {B}}}}};
    const std::pair<WindowId, SpaceLayout::Slot> cases[] = {
        {A, {Floating{}}},                 // still tiled
        {F, besideB},                      // still floating
        {D, besideC},                      // its neighbours are gone
        {D, {Tiled{{TreeSlot::Alone{}}}}}, // alone: the caller adds it afresh
        {H0, {Floating{}}},                // a hole is never a window
    };
    for (const auto& [window, slot] : cases) {
        SpaceLayout layout = before;
        EXPECT_FALSE(layout.reinsert(window, slot));
        EXPECT_EQ(layout, before);
    }
}

// ---- replacing an id ----

TEST(SpaceLayoutReplace, CarriesTheTileZoomAndPopButNotThePreselection) {
    SpaceLayout layout = Given()
                             .tree(h(0.5, tile({A}), v(0.5, tile({B}), tile({C}))))
                             .floating({N})
                             .zoomed(A)
                             .preselection(A, Direction::east)
                             .popped(A, B)
                             .front(A)
                             .waiting({{H0, "app"}});
    layout.replace(A, N);
    EXPECT_EQ(layout, Given()
                          .tree(h(0.5, tile({N}), v(0.5, tile({B}), tile({C}))))
                          .zoomed(N)
                          .popped(N, B)
                          .front(A)
                          .waiting({{H0, "app"}})
                          .value);
}

TEST(SpaceLayoutReplace, ANewIdTiledElsewhereLeavesItsOwnPlaceFirst) {
    SpaceLayout layout = Given().tree(h(0.5, tile({A}), v(0.5, tile({B}), tile({N})))).popped(B, A);
    layout.replace(A, N);
    EXPECT_EQ(layout, Given().tree(h(0.5, tile({N}), tile({B}))).popped(B, N).value);
}

TEST(SpaceLayoutReplace, AFloatingOldIdPassesItsFloatOn) {
    SpaceLayout layout = Given().tree(h(0.5, tile({A}), tile({N}))).floating({F}).zoomed(N).popped(N, A);
    layout.replace(F, N);
    // N now floats, so its zoom and pop cannot stand.
    EXPECT_EQ(layout, Given().tree(tile({A})).floating({N}).value);
}

TEST(SpaceLayoutReplace, NothingForTheSameIdAnUnknownOneOrAHole) {
    const SpaceLayout before = Given().tree(h(0.5, tile({A}), tile({B}))).floating({F});
    const std::pair<WindowId, WindowId> cases[] = {{A, A}, {C, N}, {A, H0}};
    for (const auto& [old, with] : cases) {
        SpaceLayout layout = before;
        layout.replace(old, with);
        EXPECT_EQ(layout, before);
    }
}

// ---- border moves ----

TEST(SpaceLayoutMoveEdge, ChangesTheRatioByPointsOverLength) {
    SpaceLayout layout = Given().mode(LayoutMode::float_).tree(h(0.5, tile({A}), tile({B})));
    layout.moveEdge(Direction::east, A, 50, square);
    EXPECT_TRUE(matches(layout.tree.root, h(0.55, tile({A}), tile({B}))));
}

struct HoleSideCase {
    const char* name;
    bool reserved;
    bool edge;
    Node after;
};

class SpaceLayoutBorderPastHolesTest : public testing::TestWithParam<HoleSideCase> {};

TEST_P(SpaceLayoutBorderPastHolesTest, KeepsReservedHolesAndDropsFreeOnes) {
    const auto& c = GetParam();
    SpaceLayout layout = Given().tree(h(0.85, tile({A}), tile({H0})));
    if (c.reserved)
        layout.waiting = {{H0, "app"}};
    if (c.edge)
        layout.moveEdge(Direction::east, A, 100, square);
    else
        layout.moveBorder(A, Axis::horizontal, 100, square);
    EXPECT_EQ(layout.tree.root, c.after);
}

INSTANTIATE_TEST_SUITE_P(Cases, SpaceLayoutBorderPastHolesTest,
                         testing::Values(HoleSideCase{"EdgeClampsBeforeAReservedHole", true, true,
                                                      h(0.9, tile({A}), tile({H0}))},
                                         HoleSideCase{"EdgeDropsAFreeHole", false, true, tile({A})},
                                         HoleSideCase{"BorderClampsBeforeAReservedHole", true, false,
                                                      h(0.9, tile({A}), tile({H0}))},
                                         HoleSideCase{"BorderDropsAFreeHole", false, false, tile({A})}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quillmere
