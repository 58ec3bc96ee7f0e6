#include "core/DepartedLayouts.h"
#include "support/Layouts.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

DisplaySpaces display(std::string id, std::string name, double x, std::vector<SpaceId> spaces) {
    const SpaceId current = spaces.front();
    return DisplaySpaces(std::move(id), DisplayIdentity{std::move(name), 1, 2, 0, false}, Rect(x, 0, 1000, 800),
                         std::move(spaces), current);
}

SpaceLayout tiled(std::vector<WindowId> windows) {
    SpaceLayout layout(LayoutMode::bsp, TileAlgorithm::bsp, StackAlgorithm::fill);
    for (WindowId window : windows)
        layout.tree.insert(window, std::nullopt, Rect(0, 0, 1000, 800), 0, std::nullopt, 0.5, {}, {});
    return layout;
}

const DisplaySpaces builtIn = display("B", "Built-in", 0, {1, 2});
const Desktops alone({builtIn});

class DepartedLayoutsTest : public testing::Test {
  protected:
    DepartedLayouts departed;
    const DisplaySpaces external = display("E", "Studio", 1000, {10, 11, 12});
    const Desktops both{{builtIn, external}};
    // Space 11 holds nothing tiled (only a floating window), so it is never parked.
    SpaceLayouts layouts{{1, tiled({1})}, {10, tiled({100, 101})}, {11, tiled({})}, {12, tiled({120})}};

    DepartedLayoutsTest() { layouts.at(11).floating.insert(110); }
};

TEST_F(DepartedLayoutsTest, ParksOnlyTheTiledSpacesOfTheDisplayThatLeft) {
    EXPECT_TRUE(departed.update(both, alone, layouts).empty());
    ASSERT_EQ(departed.saved.size(), 1u);
    const auto& parked = departed.saved.at(external.identity.signature());
    EXPECT_EQ(parked.size(), 2u);
    EXPECT_TRUE(parked.contains(10));
    EXPECT_TRUE(parked.contains(12));
}

TEST_F(DepartedLayoutsTest, GivesBackOnceUnderAnotherIdWithoutOverwritingRetiledSpaces) {
    departed.update(both, alone, layouts);
    DisplaySpaces returned = external;
    returned.id = "E2";
    SpaceLayouts now{{1, tiled({1})}, {12, tiled({7})}};
    const auto restored = departed.update(alone, Desktops({builtIn, returned}), now);
    ASSERT_EQ(restored.size(), 1u);
    EXPECT_EQ(restored.at(10).tree.windows(), (std::vector<WindowId>{100, 101}));
    EXPECT_TRUE(departed.saved.empty());
    EXPECT_TRUE(departed.update(Desktops({builtIn, returned}), Desktops({builtIn, external}), now).empty());
}

TEST_F(DepartedLayoutsTest, AnEmptyDepartureWipesAnOlderEntry) {
    departed.saved.insert_or_assign(external.identity.signature(), SpaceLayouts{{10, tiled({5})}});
    departed.update(both, alone, SpaceLayouts{{10, tiled({})}});
    EXPECT_TRUE(departed.saved.at(external.identity.signature()).empty());
}

TEST_F(DepartedLayoutsTest, SpacesThatReturnUnderOtherIdsRestoreNothingAndTheEntryIsGone) {
    departed.update(both, alone, layouts);
    const auto restored =
        departed.update(alone, Desktops({builtIn, display("E", "Studio", 1000, {20, 21})}), {});
    EXPECT_TRUE(restored.empty());
    EXPECT_TRUE(departed.saved.empty());
}

TEST_F(DepartedLayoutsTest, TwoDisplaysWithOneSignatureKeepTheLaterInDisplayOrder) {
    const DisplaySpaces twin = display("T", "Studio", 2000, {30});
    SpaceLayouts all = layouts;
    all.emplace(30, tiled({300}));
    departed.update(Desktops({builtIn, external, twin}), alone, all);
    const auto& parked = departed.saved.at(external.identity.signature());
    EXPECT_EQ(parked.size(), 1u);
    EXPECT_TRUE(parked.contains(30));
}

TEST_F(DepartedLayoutsTest, ADisplayPresentOnBothSidesIsNeitherParkedNorRestored) {
    EXPECT_TRUE(departed.update(both, both, layouts).empty());
    EXPECT_TRUE(departed.saved.empty());
}

} // namespace
} // namespace quillmere
