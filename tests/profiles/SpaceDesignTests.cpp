#include "profiles/SpaceDesign.h"
#include "support/Snapshots.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

using namespace snapshots;

DesktopPart part(std::optional<std::string> display, std::optional<std::string> name, Rect frame, bool configured,
                 std::int64_t space = 2) {
    return {display, name, frame, {.space = space, .tree = tile(), .display = display}, configured};
}

const DesktopPart left = part("L", "Left", {0, 0, 1000, 500}, false);
const DesktopPart right = part("R", "Right", {1000, 0, 1000, 500}, true);

TEST(SpaceDesign, editsTheSelectedPartElseTheFirstAndDescribesWhereItIs) {
    const DesktopPart unnamed = part(std::nullopt, std::nullopt, {0, 0, 100, 100}, false);
    struct Case {
        std::vector<DesktopPart> parts;
        std::optional<std::string> selected;
        std::optional<std::string> edited;
        std::optional<std::string> description;
        std::optional<std::string> clearPart;
    };
    const std::vector<Case> cases{
        {{left, right}, "R", "R", "Across Left and Right, editing Right", "Clear Right's Part"},
        {{left, right}, "gone", "L", "Across Left and Right, editing Left", "Clear Left's Part"},
        {{left, right}, std::nullopt, "L", "Across Left and Right, editing Left", "Clear Left's Part"},
        {{unnamed, right}, std::nullopt, std::nullopt, "Across Right, editing one display", "Clear This Display's Part"},
        {{left}, "L", "L", "On Left", std::nullopt},
        {{unnamed}, std::nullopt, std::nullopt, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        const SpaceDesign design({.name = "Work"}, std::nullopt, c.parts, c.selected);
        EXPECT_EQ(design.edited().display, c.edited);
        EXPECT_EQ(design.placeDescription(), c.description);
        EXPECT_EQ(design.clearPartTitle(), c.clearPart);
    }
}

TEST(SpaceDesign, titlesTheDesktopWithItsLabelAndNotesAnUnarrangedOne) {
    const SpaceDesign labelled({.name = "Work"}, "Mail", {left}, "L");
    EXPECT_EQ(labelled.title(), "Desktop 2 \u00B7 Mail");
    EXPECT_EQ(labelled.unarrangedNote(), "This profile doesn't arrange Desktop 2 yet, so applying it leaves the "
                                         "Desktop as it is. Choose a template or an app to start.");
    EXPECT_FALSE(labelled.canClearDesktop());
    EXPECT_EQ(labelled.caption(), "Click a tile to choose its app or split it; drag the gaps between tiles to resize.");

    const SpaceDesign spanning({.name = "Work"}, std::nullopt, {left, right}, "L");
    EXPECT_EQ(spanning.title(), "Desktop 2");
    EXPECT_EQ(spanning.unarrangedNote(), std::nullopt);
    EXPECT_TRUE(spanning.canClearDesktop());
    EXPECT_FALSE(spanning.canClearPart());
    EXPECT_TRUE(SpaceDesign({.name = "Work"}, std::nullopt, {left, right}, "R").canClearPart());
    EXPECT_EQ(spanning.caption().rfind("Click a display's part to edit it. Click a tile", 0), 0u);
}

TEST(SpaceDesign, theFirstEditAppendsTheFreshSnapshotAndEveryEditSaves) {
    const Profile profile{.name = "Work", .spaces = {{.space = 1, .display = "L"}}};
    const SpaceDesign design(profile, std::nullopt, {left}, "L");

    const Profile first = design.updated(left, [](SpaceSnapshot& s) { s.mode = LayoutMode::stack; });
    ASSERT_EQ(first.spaces.size(), 2u);
    EXPECT_EQ(first.spaces[0], profile.spaces[0]);
    EXPECT_EQ(first.spaces[1].space, 2);
    EXPECT_EQ(first.spaces[1].display, "L");
    EXPECT_EQ(first.spaces[1].mode, LayoutMode::stack);
    EXPECT_EQ(first.spaces[1].tree, tile());

    const SpaceDesign again(first, std::nullopt, {left}, "L");
    const Profile second = again.updated(left, [](SpaceSnapshot& s) { s.mode = LayoutMode::bsp; });
    EXPECT_EQ(second.spaces.size(), 2u);
    EXPECT_EQ(second.spaces[1].mode, LayoutMode::bsp);
    EXPECT_EQ(second.spaces[1].tree, tile());
}

TEST(SpaceDesign, clearsOnlyStoredSnapshotsOfTheGivenParts) {
    const Profile profile{.name = "Work",
                          .spaces = {{.space = 2, .display = "R"},
                                     {.space = 1, .display = "L"},
                                     {.space = 2, .display = "L"},
                                     {.space = 2, .floating = {ref("late", 0)}, .display = "R"}}};
    const SpaceDesign design(profile, std::nullopt, {left, right}, "R");

    const Profile onePart = design.cleared({right});
    ASSERT_EQ(onePart.spaces.size(), 3u);
    EXPECT_EQ(onePart.spaces[0].space, 1);
    EXPECT_EQ(onePart.spaces[1].display, "L");
    EXPECT_EQ(onePart.spaces[2].floating.size(), 1u);

    const Profile whole = design.cleared(design.parts());
    ASSERT_EQ(whole.spaces.size(), 2u);
    EXPECT_EQ(whole.spaces[0].space, 1);
    EXPECT_EQ(whole.spaces[1].floating.size(), 1u);
}

TEST(SpaceDesign, templatesKeepTheAppsInOrderAndStackTheRestInTheLastTile) {
    const auto refsOf = [](std::vector<std::string> apps) { return SpaceDesign::newRefs(apps); };
    SpaceSnapshot snapshot{.space = 1,
                           .tree = h(0.5, tile(refsOf({"A", "B"})), v(0.3, tile(refsOf({"C"})), tile(refsOf({"D", "E"}))))};
    const auto& templates = LayoutSnapshot::templates();
    const auto quarters = std::find_if(templates.begin(), templates.end(), [](auto& t) { return t.name == "Quarters"; });
    ASSERT_NE(quarters, templates.end());

    SpaceSnapshot quartered = snapshot;
    SpaceDesign::applying(quarters->layout)(quartered);
    std::vector<std::vector<std::string>> tiles;
    for (const auto& tile : quartered.tree->tiles({0, 0, 100, 100}, 0))
        tiles.push_back(SpaceDesign::apps(tile.refs));
    EXPECT_EQ(tiles, (std::vector<std::vector<std::string>>{{"A"}, {"B"}, {"C"}, {"D", "E"}}));

    SpaceSnapshot single = snapshot;
    SpaceDesign::applying(templates.front().layout)(single);
    EXPECT_EQ(single.tree, tile(refsOf({"A", "B", "C", "D", "E"})));

    SpaceSnapshot empty{.space = 1};
    SpaceDesign::applying(quarters->layout)(empty);
    EXPECT_EQ(empty.tree, quarters->layout);
}

TEST(SpaceDesign, drawsPartsAtTheirRatioWithinTheWidthsAllowed) {
    const SpaceDesign two({.name = "Work"}, std::nullopt,
                          {part("L", "Left", {-1000, 100, 1000, 500}, true), part("R", "Right", {0, 0, 2000, 1000}, true)},
                          "L");
    const auto drawing = two.drawing(900);
    EXPECT_EQ(drawing.size, (Size{720, 240}));
    ASSERT_EQ(drawing.parts.size(), 2u);
    EXPECT_EQ(drawing.parts[0], (Rect{4, 28, 232, 112}));
    EXPECT_EQ(drawing.parts[1], (Rect{244, 4, 472, 232}));
    EXPECT_EQ(two.drawing(360).size, (Size{360, 120}));

    const SpaceDesign one({.name = "Work"}, std::nullopt, {part("L", "Left", {0, 0, 1600, 1000}, true)}, "L");
    EXPECT_EQ(one.drawing(900).size, (Size{560, 350}));
    EXPECT_EQ(one.drawing(900).parts, (std::vector<Rect>{{0, 0, 560, 350}}));

    const SpaceDesign flat({.name = "Work"}, std::nullopt, {part("L", "Left", {0, 0, 280, 0}, true)}, "L");
    EXPECT_EQ(flat.drawing(900).size, (Size{560, 2}));
}

} // namespace
} // namespace quillmere
