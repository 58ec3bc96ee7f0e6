#include "core/FloatRules.h"
#include "core/SettingToggle.h"
#include "core/SpaceRules.h"
#include "core/Spacing.h"
#include "core/TitleRule.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace quillmere {
namespace {

constexpr std::string_view invalidPattern =
    "That isn't a valid regular expression. Escape ( ) [ ] . * + ? with \\ to match them literally.";

// Nested repetition that cannot match the run of a's: an unbounded search tries exponentially many ways
// (hours for forty) before it moves on to find the "!".
const std::string catastrophicPattern = "(a+)+b|!";
const std::string catastrophicTitle = std::string(40, 'a') + "!";

TEST(SettingToggleTest, TheSettingWordsNameTheThreeToggles) {
    EXPECT_EQ(parseSettingToggle("spacing"), SettingToggle::spacing);
    EXPECT_EQ(parseSettingToggle("border"), SettingToggle::border);
    EXPECT_EQ(parseSettingToggle("dim"), SettingToggle::dim);
    EXPECT_EQ(parseSettingToggle("Dim"), std::nullopt);
    EXPECT_EQ(parseSettingToggle("dimming"), std::nullopt);
    for (SettingToggle toggle : allSettingToggles)
        EXPECT_EQ(parseSettingToggle(text(toggle)), toggle);
}

TEST(SpaceRulesTest, LayoutFallsBackToBsp) {
    SpaceRules rules;
    rules.layouts[2] = LayoutMode::stack;
    EXPECT_EQ(rules.layout(std::nullopt), LayoutMode::bsp);
    EXPECT_EQ(rules.layout(1), LayoutMode::bsp);
    EXPECT_EQ(rules.layout(2), LayoutMode::stack);
    EXPECT_EQ(SpaceRules::default_().layout(2), LayoutMode::bsp);
}

TEST(SpacingTest, WiderDisplaysThan1600PointsGetMoreRoom) {
    const std::pair<double, double> cases[] = {{1440, 5}, {1600, 5}, {1600.5, 10}, {1601, 10}, {2560, 10}};
    for (const auto& [width, space] : cases)
        EXPECT_EQ(Spacing::forDisplay(width), (Spacing{space, space, 0.5})) << width;
}

TEST(FloatRulesTest, DefaultRulesFloatUtilitiesAndFinderDialogs) {
    const auto& rules = FloatRules::default_();
    EXPECT_EQ(rules.apps.size(), 11u);
    EXPECT_TRUE(rules.floats("Calculator", "anything"));
    EXPECT_TRUE(rules.floats("System Settings", ""));
    EXPECT_TRUE(rules.floats("Finder", "Documents Info"));
    EXPECT_TRUE(rules.floats("Finder", "Copying 3 items"));
    EXPECT_TRUE(rules.floats("Finder", "Connect to Server"));
    EXPECT_FALSE(rules.floats("Finder", "Documents"));
    EXPECT_FALSE(rules.floats("Finder", "copying"));
    EXPECT_FALSE(rules.floats("finder", "Copying 3 items"));
    EXPECT_FALSE(rules.floats("calculator", "Calculator"));
}

TEST(FloatRulesTest, TitlePairsOfTheApplicationAreTriedInOrder) {
    FloatRules rules;
    rules.titles = {{"Mail", "^Draft"}, {"Notes", "Draft"}, {"Mail", "Re:"}};
    EXPECT_TRUE(rules.floats("Mail", "Draft to Ann"));
    EXPECT_TRUE(rules.floats("Mail", "Re: lunch"));
    EXPECT_FALSE(rules.floats("Mail", "My Draft"));
    EXPECT_TRUE(rules.floats("Notes", "My Draft"));
}

TEST(FloatRulesTest, PatternsThatDoNotCompileOrRunAwayNeverMatch) {
    FloatRules rules;
    rules.titles = {{"Editor", "("}, {"Editor", catastrophicPattern}, {"Editor", "a!$"}};
    EXPECT_FALSE(rules.floats("Editor", "("));
    EXPECT_TRUE(rules.floats("Editor", "!"));
    // The runaway search gives up as no match, and the rules after it are still tried.
    EXPECT_TRUE(rules.floats("Editor", catastrophicTitle));
    rules.titles.pop_back();
    EXPECT_FALSE(rules.floats("Editor", catastrophicTitle));
}

TEST(FloatRulesTest, EmptyOrUncompilablePatternsFloatNothing) {
    struct Case {
        FloatRules::Title rule;
        std::string title;
    };
    const Case cases[] = {
        {{"Safari", ""}, "Quarterly report"},
        {{"Safari", ""}, ""},
        {{"Editor", "("}, "("},
        {{"Editor", "[a-"}, "[a-z"},
    };
    for (const auto& [rule, title] : cases) {
        FloatRules rules;
        rules.titles = {rule};
        EXPECT_FALSE(rules.floats(rule.app, title))
            << "\"" << rule.pattern << "\" against \"" << title << "\"";
    }
}

TEST(TitleRuleTest, ProblemNamesAnEmptyOrInvalidPattern) {
    EXPECT_EQ(TitleRule::problem(""), "Enter part of a window title, or a regular expression.");
    EXPECT_EQ(TitleRule::problem("("), invalidPattern);
    EXPECT_EQ(TitleRule::problem("[a-"), invalidPattern);
    EXPECT_EQ(TitleRule::problem("a{2,1}"), invalidPattern);
    EXPECT_EQ(TitleRule::problem(" "), std::nullopt);
    EXPECT_EQ(TitleRule::problem("Co(py|nnect)"), std::nullopt);
    EXPECT_EQ(TitleRule::problem(catastrophicPattern), std::nullopt);
}

TEST(TitleRuleTest, MatchesCountsTheApplicationsWindowsWhoseTitleMatches) {
    const std::vector<std::pair<std::string, std::string>> windows = {
        {"Finder", "Copy"}, {"Finder", "Documents"},       {"Finder", "Get Info"}, {"Mail", "Copy"},
        {"Finder", "copy"}, {"Finder", catastrophicTitle}, {"Finder", "!"},
    };
    EXPECT_EQ((TitleRule{"Finder", "Copy|Info"}.matches(windows)), 2u);
    EXPECT_EQ((TitleRule{"Finder", ""}.matches(windows)), 0u);
    EXPECT_EQ((TitleRule{"Finder", "("}.matches(windows)), 0u);
    EXPECT_EQ((TitleRule{"Finder", "o"}.matches(windows)), 4u);
    EXPECT_EQ((TitleRule{"Safari", "o"}.matches(windows)), 0u);
    EXPECT_EQ((TitleRule{"Finder", catastrophicPattern}.matches(windows)), 1u);
}

} // namespace
} // namespace quillmere
