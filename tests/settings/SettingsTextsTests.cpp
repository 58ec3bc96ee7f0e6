#include "settings/GeneralTexts.h"
#include "settings/SettingsPanes.h"
#include "settings/SpacesTexts.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

TEST(SettingsPanes, OpensOnPermissionsWhileACheckWarnsElseOnTheRememberedPane) {
    EXPECT_EQ(openingPane(1, std::string("Keys")), "Setup");
    EXPECT_EQ(openingPane(0, std::string("Keys")), "Keys");
    EXPECT_EQ(openingPane(0, std::nullopt), "General");
}

TEST(SettingsPanes, TagsMatchExactlyAndPermissionsIsNeverRemembered) {
    EXPECT_EQ(paneIndex("MenuBar"), 4u);
    EXPECT_EQ(paneIndex("Menu Bar"), std::nullopt);
    EXPECT_EQ(paneIndex("general"), std::nullopt);
    EXPECT_FALSE(remembersPane("Setup"));
    EXPECT_TRUE(remembersPane("Spaces"));
}

TEST(SettingsPanes, PermissionsLabelCountsTheProblems) {
    EXPECT_EQ(permissionsLabel(0), "Permissions");
    EXPECT_EQ(permissionsLabel(2), "Permissions (2)");
    EXPECT_EQ(permissionsSymbol(0), "checkmark.shield");
    EXPECT_EQ(permissionsSymbol(2), "exclamationmark.shield");
}

TEST(GeneralTexts, FollowCaptionNamesTheBoundShortcutsOrBothFallbacks) {
    Settings unbound;
    EXPECT_EQ(followAfterSendingCaption(unbound),
              "Switch to the destination Space after sending a window there with a send shortcut, (no shortcut) "
              "or fn + drag to a screen edge. Dragging in the menu-bar mini-map never follows.");
    Settings bound;
    bound.keys = {{"ctrl-shift-1", "send 1"}, {"ctrl-shift-2", "send 2"}, {"ctrl-alt-right", "send next"}};
    EXPECT_EQ(followAfterSendingCaption(bound),
              "Switch to the destination Space after sending a window there with ⌃⇧ 1 2, ⌃⌥→ or fn + drag to a "
              "screen edge. Dragging in the menu-bar mini-map never follows.");
}

TEST(GeneralTexts, FooterJoinsTheDetailsOfTheAlgorithmsInForce) {
    EXPECT_EQ(layoutAlgorithmsFooter(Settings::default_()),
              "Tile: A new window splits the focused window's tile in two. Stack: Every window fills the Space. "
              "Every Space uses these.");
    Settings settings;
    settings.tiling = TileAlgorithm::masterStack;
    settings.stacking = StackAlgorithm::accordion;
    EXPECT_EQ(layoutAlgorithmsFooter(settings),
              "Tile: One main window keeps the split ratio; the rest share a column beside it. Stack: The front "
              "window leaves a strip at each side where the windows before and after it peek out. Every Space "
              "uses these.");
}

TEST(GeneralTexts, AutomaticSpacingGrowsOnlyBeyond1600Points) {
    EXPECT_EQ(automaticSpacingPlaceholder(1600.0), "Auto (5 pt on this display)");
    EXPECT_EQ(automaticSpacingPlaceholder(1601.0), "Auto (10 pt on this display)");
    EXPECT_EQ(automaticSpacingPlaceholder(std::nullopt), "Auto (5 pt on this display)");
}

TEST(GeneralTexts, RatioPlaceholderFollowsTheTilingAlgorithm) {
    Settings settings;
    EXPECT_EQ(splitRatioPlaceholder(settings), "0.5: the share a window keeps when a new one splits it");
    settings.tiling = TileAlgorithm::masterStack;
    EXPECT_EQ(splitRatioPlaceholder(settings), "0.5: the main window's share");
}

constexpr std::string_view explanationStart =
    "Desktops are numbered as Mission Control labels them, without full-screen apps, so each keeps its label "
    "and layout when a full-screen app opens before it. Layouts apply to Desktops laid out after the change: "
    "switch to one and use ";

TEST(SpacesTexts, ExplanationNamesTheLayoutShortcuts) {
    Settings settings;
    settings.keys = {{"alt-s", "layout stack"}};
    EXPECT_EQ(spacesExplanation(settings, 2),
              std::string(explanationStart) + "⌥S (stack) or (no shortcut) (tile) to change it now.");
}

TEST(SpacesTexts, ExtraSentenceOnlyWithMoreEntriesThanDesktops) {
    struct Case {
        int spaceCount;
        std::size_t entries;
        std::string ending;
    };
    const std::string kept = "; settings for the others are kept for when you add them in Mission Control.";
    const Case cases[] = {
        {3, 10, " Showing your 3 Desktops" + kept},
        {1, 2, " Showing your 1 Desktop" + kept},
        {3, 3, ""},
        {3, 1, ""},
    };
    for (const Case& test : cases) {
        Settings settings;
        for (std::size_t space = 1; space <= test.entries; ++space)
            settings.spaces.push_back({static_cast<std::int64_t>(space), std::nullopt, std::nullopt});
        EXPECT_EQ(spacesExplanation(settings, test.spaceCount),
                  std::string(explanationStart) + "(no shortcut) (stack) or (no shortcut) (tile) to change it now." +
                      test.ending)
            << test.spaceCount << " Desktops, " << test.entries << " entries";
    }
}

TEST(SpacesTexts, ListsDesktopOneEvenWithoutDesktops) {
    EXPECT_EQ(listedDesktops(0), 1);
    EXPECT_EQ(listedDesktops(1), 1);
    EXPECT_EQ(listedDesktops(4), 4);
}

} // namespace
} // namespace quillmere
