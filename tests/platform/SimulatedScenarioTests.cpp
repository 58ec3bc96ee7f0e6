#include "platform/ManualMainQueue.h"
#include "platform/sim/SimulatedScenario.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

TEST(SimulatedScenario, TheBuiltInOneHasTwoDisplaysFourAppsAndSixWindows) {
    ManualMainQueue queue;
    SimulatedDesktop desktop(queue);
    SimulatedScenario::builtIn().applyTo(desktop);

    const auto displays = desktop.activeDisplays();
    ASSERT_EQ(displays.size(), 2u);
    EXPECT_EQ(desktop.bounds(displays[0]), Rect(0, 0, 1512, 982));
    EXPECT_EQ(desktop.bounds(displays[1]), Rect(1512, 0, 2560, 1440));
    EXPECT_EQ(desktop.spaceOrder(displays[0]).size(), 3u);
    EXPECT_EQ(desktop.spaceOrder(displays[1]).size(), 2u);
    EXPECT_EQ(desktop.runningApplications().size(), 4u);
    // Five on the Desktops shown, one on the built-in display's second Desktop.
    EXPECT_EQ(desktop.onScreenWindows().size(), 5u);
    EXPECT_TRUE(desktop.isTrusted());
}

TEST(SimulatedScenario, PutsWindowsOnTheNamedDesktopAndShowsTheNamedOne) {
    const auto scenario = SimulatedScenario::read(R"({
      "displays": [{"name": "Left", "frame": [[0, 0], [1000, 800]], "desktops": 2, "shown": 2, "uuid": "L"}],
      "apps": [{"name": "Editor", "windows": [
        {"title": "a", "frame": [[10, 30], [300, 200]], "display": 1, "desktop": 1, "minimumSize": [400, 100]},
        {"title": "b", "frame": [[10, 30], [300, 200]], "focused": true}]}],
      "trusted": false})");
    ASSERT_TRUE(scenario.ok()) << scenario.error().text();
    ManualMainQueue queue;
    SimulatedDesktop desktop(queue);
    scenario->applyTo(desktop);
    EXPECT_EQ(desktop.dump(), "display 1 \"Left\" L (0, 0, 1000, 800), active\n"
                              "  desktop 1: space 1\n"
                              "    window 100 \"a\" of 500 (10, 30, 400, 200)\n"
                              "  desktop 2: space 2, shown\n"
                              "    window 101 \"b\" of 500 (10, 30, 300, 200)\n"
                              "application 500 - \"Editor\" regular, front\n");
    EXPECT_FALSE(desktop.isTrusted());
    EXPECT_EQ(desktop.keyWindow(500), WindowId{101});
}

struct BadScenario {
    const char* name;
    std::string json;
    const char* error;
};

class BadScenarios : public testing::TestWithParam<BadScenario> {};

TEST_P(BadScenarios, AreRefusedWithWhereAndWhy) {
    const auto scenario = SimulatedScenario::read(GetParam().json);
    ASSERT_FALSE(scenario.ok());
    EXPECT_EQ(scenario.error().text(), GetParam().error);
}

// A scenario of one display with two Desktops, followed by the rest of the object.
std::string oneDisplayAnd(const std::string& rest) {
    return R"({"displays": [{"frame": [[0, 0], [800, 600]], "desktops": 2}])" + rest + "}";
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadScenarios,
    testing::Values(
        BadScenario{"NotJson", "{\"displays\": [", "The given data was not valid JSON."},
        BadScenario{"NoDisplays", "{}", "No value associated with key displays."},
        BadScenario{"EmptyDisplays", R"({"displays": []})", "displays: A desktop needs at least one display"},
        BadScenario{"FlatFrame", R"({"displays": [{"frame": [[0, 0], [800, 0]]}]})",
                    "displays.0.frame: A frame needs a positive width and height"},
        BadScenario{"MisspeltKey", oneDisplayAnd(R"(, "apps": [{"windows": [{"titel": "x"}]}])"),
                    "apps.0.windows.0.titel: Unknown key titel"},
        BadScenario{"NoSuchDesktop",
                    oneDisplayAnd(R"(, "apps": [{"windows": [{"title": "x", "frame": [[0, 0], [9, 9]],
                                                 "display": 1, "desktop": 3}]}])"),
                    "apps.0.windows.0.desktop: No Desktop 3 (there are 2)"},
        BadScenario{"DisplayWithoutDesktop",
                    oneDisplayAnd(R"(, "apps": [{"windows": [{"title": "x", "frame": [[0, 0], [9, 9]],
                                                 "display": 1}]}])"),
                    "apps.0.windows.0: A window names both its display and its desktop, or neither"},
        BadScenario{"TrustAsText", oneDisplayAnd(R"(, "trusted": "yes")"),
                    "trusted: Expected to decode Bool but found a string instead."}),
    [](const testing::TestParamInfo<BadScenario>& info) { return std::string(info.param.name); });

} // namespace
} // namespace quillmere
