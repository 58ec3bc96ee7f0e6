#include "shell/DesktopChoice.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

struct ChoiceCase {
    std::string name;
    std::vector<std::string> arguments;
    DisplayFacts facts;
    // The desktop, or the one line that says why there is none.
    std::variant<DesktopKind, std::string> expected;
};

class DesktopChoiceTest : public testing::TestWithParam<ChoiceCase> {};

TEST_P(DesktopChoiceTest, PicksTheDesktopOrSaysWhyThereIsNone) {
    const auto options = LaunchOptions::parse(GetParam().arguments);
    ASSERT_TRUE(options.ok());
    const auto chosen = chooseDesktop(*options, GetParam().facts);
    const auto got = chosen ? std::variant<DesktopKind, std::string>(chosen.value())
                            : std::variant<DesktopKind, std::string>(chosen.error());
    EXPECT_EQ(got, GetParam().expected);
}

const DisplayFacts managedX11{.x11Display = ":1", .x11Reached = true, .ewmhWindowManager = true};
const DisplayFacts bareX11{.x11Display = ":1", .x11Reached = true};

INSTANTIATE_TEST_SUITE_P(
    Cases, DesktopChoiceTest,
    testing::Values(
        ChoiceCase{"X11WithAWindowManager", {}, managedX11, DesktopKind::x11},
        ChoiceCase{"AskedForTheSimulatedOne", {"--simulated"}, managedX11, DesktopKind::simulated},
        ChoiceCase{
            "AScenarioAsksForTheSimulatedOne", {"--scenario", "s.json"}, managedX11, DesktopKind::simulated},
        // The dump tells the simulated desktop's state, but does not ask for it.
        ChoiceCase{"ADumpFileDoesNotDecide", {"--dump-desktop", "d.txt"}, managedX11, DesktopKind::x11},
        ChoiceCase{"X11WithoutAWindowManager", {}, bareX11, DesktopKind::simulated},
        ChoiceCase{"WaylandOnly", {}, DisplayFacts{.waylandDisplay = true}, DesktopKind::simulated},
        ChoiceCase{"UnreachableX11ButWayland",
                   {},
                   DisplayFacts{.x11Display = ":9", .waylandDisplay = true},
                   DesktopKind::simulated},
        ChoiceCase{"UnreachableX11",
                   {},
                   DisplayFacts{.x11Display = ":9"},
                   std::string("quillmere: cannot open display \":9\"")},
        ChoiceCase{"NoDisplay",
                   {"--simulated"},
                   DisplayFacts{},
                   std::string("quillmere: no display to show Quillmere on (DISPLAY is not set)")}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace quillmere
