#include "settings/RuleEdits.h"
#include "settings/RuleTexts.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

using testing::ElementsAre;

TEST(RuleTexts, NameNoteBlocksDuplicatesAndWarnsAboutUnknownNames) {
    const std::vector<std::string> listed{"Calculator", "Safari"};
    const auto knows = [](std::string_view name) { return name == "Calculator" || name == "Mail"; };
    struct Case {
        std::string typed;
        std::optional<NameNote> note;
    };
    for (const Case& c : std::vector<Case>{
             {"", std::nullopt},
             {" \t ", std::nullopt},
             {"Mail", std::nullopt},
             {" Calculator ", NameNote{"“Calculator” is already in this list.", true}},
             {"calculator", NameNote{"No running or installed app is called “calculator”. Rules match the name in the "
                                     "app's menu bar.",
                                     false}},
         })
        EXPECT_EQ(nameNote(c.typed, listed, knows), c.note) << c.typed;
}

TEST(RuleTexts, MatchAndHiddenRuleTexts) {
    EXPECT_EQ(matchText(0), "matches no open windows");
    EXPECT_EQ(matchText(1), "matches 1 open window");
    EXPECT_EQ(matchText(3), "matches 3 open windows");
    EXPECT_EQ(hiddenNote(0, 4), "");
    EXPECT_EQ(hiddenNote(1, 3), "\n1 rule for Spaces beyond 3 is kept but hidden until you create those Spaces.");
    EXPECT_EQ(hiddenNote(2, 4), "\n2 rules for Spaces beyond 4 are kept but hidden until you create those Spaces.");
}

TEST(RuleTexts, IntroductionNamesTheFloatChordOrItsAbsence) {
    Settings settings;
    EXPECT_THAT(rulesIntroduction(settings), testing::HasSubstr("; use (no shortcut) to float or tile an open window."));
    settings.keys = {{"alt-f", "float"}};
    EXPECT_THAT(rulesIntroduction(settings), testing::HasSubstr("; use ⌥F to float or tile an open window."));
}

TEST(RuleEdits, FloatAndFullScreenNamesAreTrimmedAndTheListsSorted) {
    Settings settings;
    settings.floatApps = {"Zoom", "Calculator", "Zoom"};
    addFloatApp(settings, " \tSafari\u00a0");
    EXPECT_THAT(settings.floatApps, ElementsAre("Calculator", "Safari", "Zoom", "Zoom"));
    removeFloatApp(settings, "Zoom");
    EXPECT_THAT(settings.floatApps, ElementsAre("Calculator", "Safari"));

    addFullScreenApp(settings, "calculator ");
    addFullScreenApp(settings, "Xcode");
    EXPECT_EQ(settings.fullScreenApps, (std::vector<std::string>{"Xcode", "calculator"}));
    removeFullScreenApp(settings, "Xcode");
    removeFullScreenApp(settings, "calculator");
    EXPECT_EQ(settings.fullScreenApps, std::vector<std::string>{});
}

TEST(RuleEdits, TitleRulesKeepTheirPatternAsTypedAndStackUp) {
    Settings settings;
    addTitleRule(settings, " Finder ", " Info");
    addTitleRule(settings, "Finder", " Info");
    EXPECT_THAT(settings.floatTitles, ElementsAre(TitleRule{"Finder", " Info"}, TitleRule{"Finder", " Info"}));
    removeTitleRule(settings, 0);
    removeTitleRule(settings, 5);
    EXPECT_EQ(settings.floatTitles.size(), 1u);
}

TEST(RuleEdits, DesktopRulesBeyondTheDesktopsAreKeptHidden) {
    Settings settings;
    settings.appSpaces = {{"Mail", 2}, {"Notes", 5}, {"Music", 7}, {"mail", 1}};
    EXPECT_THAT(shownSpaceRules(settings, 3), ElementsAre(std::pair<std::string, std::int64_t>{"Mail", 2},
                                                          std::pair<std::string, std::int64_t>{"mail", 1}));
    EXPECT_EQ(hiddenSpaceRuleCount(settings, 3), 2u);
    EXPECT_THAT(spaceRuleNames(settings), testing::Contains("Notes"));
    addSpaceRule(settings, " Safari ", 3);
    EXPECT_EQ(settings.appSpaces.at("Safari"), 3);
}

TEST(RuleEdits, TheDesktopChoiceStaysWithinTheDesktops) {
    EXPECT_EQ(clampedSpace(5, 3), 3);
    EXPECT_EQ(clampedSpace(2, 3), 2);
    EXPECT_EQ(clampedSpace(0, 3), 1);
    EXPECT_EQ(clampedSpace(2, 0), 1);
}

} // namespace
} // namespace quillmere
