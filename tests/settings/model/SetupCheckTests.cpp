#include "platform/ManualMainQueue.h"
#include "platform/sim/SimulatedDesktop.h"
#include "settings/model/SetupCheck.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

using State = SetupCheck::State;

struct Stored {
    // Empty: the value every application sees.
    std::string applicationId;
    std::string key;
    PropertyList value;
};

struct Case {
    std::string name;
    bool trusted;
    std::vector<Stored> stored;
    int spaceCount;
    std::vector<State> states;
};

class SetupChecks : public testing::TestWithParam<Case> {};

TEST_P(SetupChecks, judgeTheStoredValues) {
    ManualMainQueue queue;
    SimulatedDesktop desktop(queue);
    desktop.setTrusted(GetParam().trusted);
    for (const Stored& stored : GetParam().stored)
        if (stored.applicationId.empty())
            desktop.setPreference(stored.key, stored.value);
        else
            desktop.setAppPreference(stored.applicationId, stored.key, stored.value);
    std::vector<State> states;
    for (const SetupCheck& check : SetupCheck::all(GetParam().spaceCount, desktop, desktop))
        states.push_back(check.state);
    EXPECT_EQ(states, GetParam().states);
}

const std::string dock = "com.apple.dock";
const std::string windowManager = "com.apple.WindowManager";
const std::string trackpad = "com.apple.AppleMultitouchTrackpad";
constexpr auto ok = State::ok;
constexpr auto warning = State::warning;
constexpr auto suggestion = State::suggestion;

INSTANTIATE_TEST_SUITE_P(
    SetupCheck, SetupChecks,
    testing::Values(
        Case{"freshInstallation", true, {}, 4, {ok, warning, ok, ok, warning, warning}},
        Case{"untrusted", false, {}, 4, {warning, warning, ok, ok, warning, warning}},
        Case{"everythingSetUp",
             true,
             {{dock, "mru-spaces", 0},
              {windowManager, "GloballyEnabled", 0},
              {windowManager, "EnableTilingByEdgeDrag", 0},
              {trackpad, "TrackpadThreeFingerHorizSwipeGesture", 2}},
             3,
             {ok, ok, ok, ok, ok, ok}},
        Case{"booleansCountAsNumbers",
             true,
             {{dock, "mru-spaces", false}, {windowManager, "GloballyEnabled", true},
              {windowManager, "EnableTilingByEdgeDrag", false}},
             2,
             {ok, ok, ok, warning, ok, warning}},
        Case{"trueRearrangesSpaces", true, {{dock, "mru-spaces", true}}, 2, {ok, warning, ok, ok, warning, warning}},
        Case{"otherTypesCountAsAbsent",
             true,
             {{dock, "mru-spaces", "0"}, {windowManager, "GloballyEnabled", 1.0},
              {trackpad, "TrackpadFourFingerHorizSwipeGesture", 2.0}},
             2,
             {ok, warning, ok, ok, warning, warning}},
        Case{"otherNumbers",
             true,
             {{dock, "mru-spaces", 3}, {windowManager, "GloballyEnabled", 2},
              {windowManager, "EnableTilingByEdgeDrag", 7}},
             2,
             {ok, warning, ok, ok, warning, warning}},
        Case{"fourFingersAloneSwipe",
             true,
             {{trackpad, "TrackpadThreeFingerHorizSwipeGesture", 0},
              {trackpad, "TrackpadFourFingerHorizSwipeGesture", 2}},
             2,
             {ok, warning, ok, ok, warning, ok}},
        Case{"noFingersSwipe",
             true,
             {{trackpad, "TrackpadThreeFingerHorizSwipeGesture", 1},
              {trackpad, "TrackpadFourFingerHorizSwipeGesture", 0}},
             2,
             {ok, warning, ok, ok, warning, warning}},
        Case{"valuesForEveryApplication",
             true,
             {{"", "mru-spaces", 0},
              {"", "GloballyEnabled", 1},
              {"", "EnableTilingByEdgeDrag", 0},
              {"", "TrackpadFourFingerHorizSwipeGesture", 2}},
             2,
             {ok, ok, ok, warning, ok, ok}},
        Case{"theApplicationsOwnValueComesFirst",
             true,
             {{"", "mru-spaces", 0}, {dock, "mru-spaces", 1}, {"", "GloballyEnabled", 1},
              {windowManager, "GloballyEnabled", 0}},
             2,
             {ok, warning, ok, ok, warning, warning}},
        Case{"oneSpaceIsOnlyASuggestion", true, {}, 1, {ok, warning, suggestion, ok, warning, warning}},
        Case{"noSpacesEither", true, {}, 0, {ok, warning, suggestion, ok, warning, warning}}),
    [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

TEST(SetupCheck, namesTheSpaceCount) {
    const SetupCheck three = SetupCheck::spacesCheck(3);
    EXPECT_EQ(three.id, "3 Spaces");
    EXPECT_EQ(three.state, State::ok);
    EXPECT_EQ(three.detail, "Settings show Spaces 1–3. Add or remove Spaces in Mission Control whenever you like.");
    EXPECT_EQ(SetupCheck::spacesCheck(1).id, "Add a few Spaces");
}

TEST(SetupCheck, aWarningSaysHowTheSettingStandsAgainstItsTitle) {
    ManualMainQueue queue;
    SimulatedDesktop desktop(queue);
    desktop.setTrusted(false);
    desktop.setPreference("GloballyEnabled", 1);
    const std::vector<SetupCheck> checks = SetupCheck::all(1, desktop, desktop);
    std::vector<std::string> texts;
    for (const SetupCheck& check : checks)
        texts.push_back(check.stateText());
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "Needs attention: Quillmere doesn't have the Accessibility permission yet.",
                         "Needs attention: Automatically rearrange Spaces is on now. Turn it off in System Settings.",
                         "Suggestion",
                         "Needs attention: Stage Manager is on now. Turn it off in System Settings.",
                         "Needs attention: Drag windows to edges to tile is on now. Turn it off in System Settings.",
                         "Needs attention: Trackpad swipe between Spaces is off now. Turn it on in System Settings.",
                     }));
    EXPECT_EQ(SetupCheck::spacesCheck(3).stateText(), "Done");
}

TEST(SetupCheck, readsTheValuesAfreshOnEveryCall) {
    ManualMainQueue queue;
    SimulatedDesktop desktop(queue);
    EXPECT_EQ(SetupCheck::all(2, desktop, desktop)[1].state, State::warning);
    desktop.setAppPreference(dock, "mru-spaces", 0);
    const auto checks = SetupCheck::all(2, desktop, desktop);
    EXPECT_EQ(checks[1].state, State::ok);
    EXPECT_EQ(checks[1].pane, "x-apple.systempreferences:com.apple.Desktop-Settings.extension");
}

} // namespace
} // namespace quillmere
