#include "platform/sim/SimulatedSymbolImages.h"
#include "shell/ProfileAlerts.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

struct NoSymbols final : SymbolImages {
    bool hasSymbol(std::string_view) const override { return false; }
};

Profile named(std::string name) {
    Profile profile;
    profile.name = std::move(name);
    return profile;
}

ProfilePlacement unplaced(std::optional<std::string> display, std::int64_t number) {
    ProfilePlacement placement{.number = number, .reason = ProfilePlacement::NoRoom{}};
    if (display)
        placement.display = DisplaySpaces(*display, DisplayIdentity{.name = *display}, Rect(0, 0, 1600, 1000), {1}, 1);
    return placement;
}

TEST(ProfileAlerts, UnplacedSpacesAreCountedAndListedByDisplayInTextOrder) {
    struct Case {
        std::vector<ProfilePlacement> placements;
        const char* message;
        const char* lines;
    };
    const Case cases[] = {
        {{unplaced("Studio Display", 4)}, "\u201CWork\u201D couldn't place 1 Space", "Studio Display has no Desktop 4."},
        {{unplaced("Studio Display", 4), unplaced("Studio Display", 5), unplaced("Studio Display", 3)},
         "\u201CWork\u201D couldn't place 3 Spaces",
         "Studio Display has no Desktop 4, 5, 3."},
        {{unplaced("Studio Display", 2), unplaced("Built-in Retina Display", 6), unplaced("Studio Display", 3)},
         "\u201CWork\u201D couldn't place 3 Spaces",
         "Built-in Retina Display has no Desktop 6.\nStudio Display has no Desktop 2, 3."},
        {{unplaced(std::nullopt, 2), unplaced("LG", 7)}, "\u201CWork\u201D couldn't place 2 Spaces",
         "LG has no Desktop 7.\nthe display has no Desktop 2."},
    };
    for (const Case& c : cases) {
        const Alert alert = ProfileAlerts::unplaced(named("Work"), c.placements);
        EXPECT_EQ(alert.message, c.message);
        EXPECT_EQ(alert.informativeText,
                  std::string(c.lines) + "\n\nThose windows stay where they are. Add Desktops in Mission Control "
                                         "(\u2303\u2191, then +) and apply the profile again.");
        EXPECT_TRUE(alert.buttons.empty()) << "the system's one OK";
    }
}

TEST(ProfileAlerts, TheModeMismatchNamesTheModeTheProfileWasCapturedIn) {
    const Alert spanning = ProfileAlerts::modeMismatch(named("Home"), true);
    EXPECT_EQ(spanning.message, "\u201CHome\u201D was captured with each display having its own Spaces");
    EXPECT_EQ(spanning.informativeText,
              "Spaces span displays now (Displays have separate Spaces is off). Its Spaces may land on different "
              "Desktops than when it was captured, and any whose Desktop doesn't exist are skipped.");
    EXPECT_EQ(spanning.buttons, (std::vector<std::string>{"Apply Anyway", "Cancel"}));

    const Alert separate = ProfileAlerts::modeMismatch(named("Home"), false);
    EXPECT_EQ(separate.message, "\u201CHome\u201D was captured with Spaces spanning displays");
    EXPECT_EQ(separate.informativeText,
              "Each display has its own Spaces now (Displays have separate Spaces is on). Its Spaces may land on "
              "different Desktops than when it was captured, and any whose Desktop doesn't exist are skipped.");
}

TEST(ProfileAlerts, TheSaveTargetQuestionShowsTheProfilesSymbolOnlyWhenItCanBeDrawn) {
    SimulatedSymbolImages symbols;
    Profile work = named("Work");
    work.icon = "house";
    const Alert alert = ProfileAlerts::saveTarget(work, symbols);
    EXPECT_EQ(alert.message, "Save to \u201CWork\u201D?");
    EXPECT_EQ(alert.informativeText,
              "\u201CWork\u201D is the profile applied last. Saving to it replaces its windows and layouts with how "
              "every Desktop looks now; its icon, shortcut and other settings stay. Or save the layout as a new "
              "profile.");
    EXPECT_EQ(alert.buttons, (std::vector<std::string>{"Save to \u201CWork\u201D", "New Profile\u2026", "Cancel"}));
    ASSERT_TRUE(alert.icon);
    EXPECT_EQ(*alert.icon, (AlertIcon{"house", "Work"}));

    EXPECT_FALSE(ProfileAlerts::saveTarget(work, NoSymbols()).icon);
}

} // namespace
} // namespace quillmere
