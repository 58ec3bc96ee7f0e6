#include "profiles/WhenApplied.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

using namespace WhenApplied;

DisplaySpaces display(std::string id, std::string name, Rect frame, int desktops) {
    std::vector<SpaceId> spaces;
    for (int n = 1; n <= desktops; ++n)
        spaces.push_back(static_cast<SpaceId>(std::stoi(id) * 100 + n));
    return {std::move(id), {.name = std::move(name)}, frame, spaces, spaces.front()};
}

// Two displays side by side, the main one with three Desktops and the other with two.
Desktops present(bool spanning) {
    return Desktops({display("2", "Right", {1512, 0, 1920, 1080}, 2), display("1", "Left", {0, 0, 1512, 982}, 3)},
                    std::nullopt, spanning);
}

TEST(WhenApplied, readsTheUnlistedChoiceQuitFirstAndWritesTrueOrAbsent) {
    struct Case {
        std::optional<bool> hide, quit;
        Unlisted read;
    };
    const std::vector<Case> cases{{std::nullopt, std::nullopt, Unlisted::leave}, {true, std::nullopt, Unlisted::hide},
                                  {std::nullopt, true, Unlisted::quit},          {true, true, Unlisted::quit},
                                  {false, false, Unlisted::leave},               {true, false, Unlisted::hide}};
    for (const auto& c : cases)
        EXPECT_EQ(unlisted({.name = "Work", .hideUnlisted = c.hide, .quitUnlisted = c.quit}), c.read);

    const Profile both{.name = "Work", .hideUnlisted = true, .quitUnlisted = true};
    const Profile hidden = choosingUnlisted(both, Unlisted::hide);
    EXPECT_EQ(hidden.hideUnlisted, true);
    EXPECT_EQ(hidden.quitUnlisted, std::nullopt);
    const Profile quitting = choosingUnlisted(both, Unlisted::quit);
    EXPECT_EQ(quitting.hideUnlisted, std::nullopt);
    EXPECT_EQ(quitting.quitUnlisted, true);
    const Profile left = choosingUnlisted({.name = "Work", .hideUnlisted = false, .quitUnlisted = false}, Unlisted::leave);
    EXPECT_EQ(left.hideUnlisted, std::nullopt);
    EXPECT_EQ(left.quitUnlisted, std::nullopt);
}

std::vector<RunningApplication> running(std::vector<std::optional<std::string>> names) {
    std::vector<RunningApplication> apps;
    for (auto& name : names)
        apps.push_back({.processIdentifier = static_cast<std::int32_t>(apps.size() + 100), .localizedName = name});
    return apps;
}

TEST(WhenApplied, previewsTheNamedUnlistedAppsSortedAsAConjunction) {
    EXPECT_EQ(unlistedPreview({}, true, "en"), "Every running app is in this profile.");
    EXPECT_EQ(unlistedPreview(running({std::nullopt}), true, "en"), "Every running app is in this profile.");
    EXPECT_EQ(unlistedPreview(running({"Zoom", std::nullopt}), false, "en"), "Applying it now would hide Zoom.");
    EXPECT_EQ(unlistedPreview(running({"Zoom", "Mail", "calendar"}), true, "en"),
              "Applying it now would quit Mail, Zoom, and calendar.");
    EXPECT_EQ(unlistedPreview(running({"Zoom", "Mail"}), false, "de"), "Applying it now would hide Mail und Zoom.");
}

TEST(WhenApplied, switchingOnRecordsTheDisplaysOnceAndOffKeepsThem) {
    const Desktops spanning = present(true);
    const Profile on = switchingAutoApply({.name = "Work"}, true, spanning);
    EXPECT_EQ(on.autoApply, true);
    ASSERT_TRUE(on.displays);
    ASSERT_EQ(on.displays->size(), 2u);
    EXPECT_EQ((*on.displays)[0].identity.name, "Left");
    EXPECT_EQ((*on.displays)[0].desktops, 3);
    EXPECT_EQ((*on.displays)[1].frame, (Rect{1512, 0, 1920, 1080}));
    EXPECT_EQ(on.display, "1 + 2");
    EXPECT_EQ(on.spansDisplays, true);
    EXPECT_EQ(autoApplyNote(on), "Applies when exactly \u201CLeft\u201D and \u201CRight\u201D are connected, and no "
                                 "other display, with Spaces spanning displays.");

    const Profile off = switchingAutoApply(on, false, spanning);
    EXPECT_EQ(off.autoApply, std::nullopt);
    EXPECT_EQ(off.displays, on.displays);
    EXPECT_EQ(off.spansDisplays, true);

    const Profile again = switchingAutoApply(off, true, present(false));
    EXPECT_EQ(again.displays, on.displays);
    EXPECT_EQ(again.display, "1 + 2");
    EXPECT_EQ(again.spansDisplays, true);

    const Profile separate = switchingAutoApply({.name = "Home"}, true, present(false));
    EXPECT_EQ(separate.spansDisplays, std::nullopt);

    const Profile old{.name = "Old", .display = "1 + 2"};
    EXPECT_EQ(switchingAutoApply(old, true, spanning).displays, std::nullopt);
}

TEST(WhenApplied, notesWhenTheProfileAppliesByItself) {
    EXPECT_EQ(displayNames({.name = "Work"}), "");
    EXPECT_EQ(autoApplyNote({.name = "Work"}), "Turning this on records the displays connected now.");
    EXPECT_EQ(autoApplyNote({.name = "Work", .displays = std::vector<ProfileDisplay>{}}),
              "Turning this on records the displays connected now.");
    EXPECT_EQ(autoApplyNote({.name = "Old", .display = "1 + 2"}),
              "Before this setting, it applied when \u201C1 + 2\u201D was connected. Turn it on to keep that.");
    EXPECT_EQ(autoApplyNote({.name = "Old", .display = "1 + 2", .autoApply = true}),
              "Applies when exactly \u201C1 + 2\u201D is connected, and no other display, with each display with its "
              "own Spaces.");
    EXPECT_EQ(autoApplyNote({.name = "One", .displays = std::vector<ProfileDisplay>{{.identity = {.name = "Studio"}}}}),
              "Applies when exactly \u201CStudio\u201D is connected, and no other display, with each display with its "
              "own Spaces.");
}

TEST(WhenApplied, offersToStayOrShowEachDesktop) {
    const auto choices = showChoices(3);
    ASSERT_EQ(choices.size(), 4u);
    EXPECT_EQ(choices[0], (std::pair<std::string, std::optional<std::int64_t>>{"Stay where I am", std::nullopt}));
    EXPECT_EQ(choices[3], (std::pair<std::string, std::optional<std::int64_t>>{"Desktop 3", 3}));
}

TEST(WhenApplied, placementNotesPutTheModeFirstThenEachDesktopThatDoesNotLandAsRecorded) {
    const Profile profile{
        .name = "Work",
        .spansDisplays = true,
        .displays = std::vector<ProfileDisplay>{{.identity = {.name = "Left"}, .desktops = 5},
                                                {.identity = {.name = "Gone"}, .desktops = 2},
                                                {.identity = {.name = "Right"}, .desktops = 2}},
        .spaces = {{.space = 5, .display = "Left"},
                   {.space = 1, .display = "Right"},
                   {.space = 1, .display = "Gone"},
                   {.space = 4, .display = "Right"}}};
    const auto notes = placementNotes(profile, present(false));
    ASSERT_EQ(notes.size(), 4u);
    EXPECT_EQ(notes[0], (PlacementNote{"Captured with Spaces spanning displays; each display has its own Spaces now, "
                                       "so it won't apply by itself.",
                                       "rectangle.on.rectangle.slash", true}));
    EXPECT_EQ(notes[1], (PlacementNote{"Desktop 5 of Left is skipped: Left has 3 Desktops. Add more in Mission "
                                       "Control to place its windows.",
                                       "exclamationmark.triangle", true}));
    EXPECT_EQ(notes[2], (PlacementNote{"Desktop 1 of Gone goes to Desktop 2 of Left, where macOS moved Gone's Desktops.",
                                       "arrow.turn.down.right", false}));
    EXPECT_EQ(notes[3].text, "Desktop 4 of Right is skipped: Right has 2 Desktops. Add more in Mission Control to place "
                             "its windows.");

    const Profile matched{.name = "Home", .spaces = {{.space = 1}, {.space = 3}}};
    EXPECT_TRUE(placementNotes(matched, present(false)).empty());
    const auto reversed = placementNotes(matched, present(true));
    ASSERT_EQ(reversed.size(), 1u);
    EXPECT_EQ(reversed[0].text, "Captured with each display having its own Spaces; they span displays now, so it "
                                "won't apply by itself.");

    const auto none = placementNotes({.name = "Far", .spaces = {{.space = 2}}}, Desktops({}));
    ASSERT_EQ(none.size(), 1u);
    EXPECT_EQ(none[0].text, "Desktop 2 is skipped: the main display has 0 Desktops. Add more in Mission Control to "
                            "place its windows.");
}

} // namespace
} // namespace quillmere
