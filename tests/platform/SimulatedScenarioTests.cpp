#include "platform/ManualMainQueue.h"
#include "platform/sim/SimulatedScenario.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>

namespace quillmere {
namespace {

// What the user and the session see, in an order that does not depend on stacking: each display with its
// Desktops in order, the one shown, the windows on each by number, and which window has the focus.
std::string picture(SimulatedDesktop& desktop) {
    std::ostringstream out;
    auto windows = desktop.allWindows();
    std::ranges::sort(windows, {}, &WindowDescription::number);
    for (const DisplayId display : desktop.activeDisplays()) {
        const Rect bounds = desktop.bounds(display);
        const DisplayHardware hardware = desktop.hardware(display);
        out << "display " << desktop.uuid(display).value_or("?") << " (" << bounds.minX() << ", "
            << bounds.minY() << ", " << bounds.width() << ", " << bounds.height() << ") " << hardware.vendor
            << '/' << hardware.model << '/' << hardware.serial << (hardware.builtIn ? " built-in" : "")
            << '\n';
        const std::vector<SpaceId> order = desktop.spaceOrder(display);
        for (std::size_t index = 0; index < order.size(); ++index) {
            out << "  desktop " << index + 1 << ": space " << order[index]
                << (order[index] == desktop.currentSpace(display) ? ", shown" : "") << '\n';
            for (const WindowDescription& window : windows) {
                const std::vector<SpaceId> spaces = desktop.spaces(window.number);
                if (std::ranges::find(spaces, order[index]) == spaces.end())
                    continue;
                const Rect frame = *desktop.frame(window.number);
                out << "    " << window.number << " \"" << window.name.value_or("") << "\" of "
                    << window.ownerName << " (" << frame.minX() << ", " << frame.minY() << ", "
                    << frame.width() << ", " << frame.height() << ")"
                    << (window.isOnscreen ? "" : ", not shown") << '\n';
            }
        }
    }
    const auto front = desktop.frontmostApplication();
    out << "focus: " << (front ? front->localizedName.value_or("?") : "none") << ' '
        << (front ? desktop.keyWindow(front->processIdentifier).value_or(0) : 0) << '\n';
    return out.str();
}

// The scenario of the desktop, as text and read back, set up on a fresh desktop.
void carryOver(SimulatedDesktop& from, SimulatedDesktop& to) {
    const auto text = SimulatedScenario::of(from).text();
    ASSERT_TRUE(text.ok()) << text.error().message;
    const auto readBack = SimulatedScenario::read(*text);
    ASSERT_TRUE(readBack.ok()) << readBack.error().text() << "\n" << *text;
    readBack->applyTo(to);
}

TEST(SimulatedScenario, CarriesADesktopOverAsTheUserLeftIt) {
    ManualMainQueue queue;
    SimulatedDesktop desktop(queue);
    const DisplayId builtIn = desktop.addDisplay({.name = "Built-in",
                                                  .bounds = {0, 0, 1512, 982},
                                                  .vendor = 1552,
                                                  .model = 41234,
                                                  .builtIn = true,
                                                  .desktops = 2});
    const DisplayId studio = desktop.addDisplay({.name = "Studio",
                                                 .bounds = {1512, 0, 2560, 1440},
                                                 .vendor = 1552,
                                                 .model = 44593,
                                                 .serial = 30201,
                                                 .uuid = "STUDIO"});
    // Added later, so that its Space id is not the one a fresh desktop gives it.
    const SpaceId third = desktop.addDesktop(builtIn);
    desktop.addDesktop(studio);
    const std::int32_t safari = desktop.launch({.bundleIdentifier = "com.apple.Safari", .name = "Safari"});
    const std::int32_t notes = desktop.launch({.bundleIdentifier = "com.apple.Notes", .name = "Notes"});
    const std::int32_t mail = desktop.launch({.bundleIdentifier = "com.apple.mail", .name = "Mail"});
    const WindowId start = desktop.openWindow(
        safari, {.title = "Start", .frame = {40, 60, 900, 700}, .minimumSize = {400, 300}});
    const WindowId sent = desktop.openWindow(
        safari, {.title = "Sent away", .frame = {300, 200, 600, 500}, .minimumSize = {400, 300}});
    desktop.openWindow(notes, {.title = "Ideas", .frame = {1700, 100, 800, 600}});
    desktop.switchSpace(builtIn, desktop.spaceOrder(builtIn)[1]);
    const WindowId later = desktop.openWindow(notes, {.title = "Later", .frame = {100, 100, 500, 400}});
    desktop.switchSpace(studio, desktop.spaceOrder(studio)[1]);
    const WindowId inbox = desktop.openWindow(mail, {.title = "Inbox", .frame = {2000, 300, 1200, 800}});
    desktop.moveWindowToSpace(sent, third);
    desktop.closeWindow(start);
    desktop.minimize(later, true);
    desktop.hide(safari);
    desktop.focus(inbox);
    ASSERT_EQ(desktop.spaces(sent), std::vector{third});

    SimulatedDesktop copy(queue);
    carryOver(desktop, copy);
    EXPECT_EQ(picture(copy), picture(desktop));
    EXPECT_EQ(picture(copy),
              "display 51A1D15B-0000-4000-8000-000000000001 (0, 0, 1512, 982) 1552/41234/0 built-in\n"
              "  desktop 1: space 1\n"
              "  desktop 2: space 2, shown\n"
              "    103 \"Later\" of Notes (100, 100, 500, 400), not shown\n"
              "  desktop 3: space 4\n"
              "    101 \"Sent away\" of Safari (300, 200, 600, 500), not shown\n"
              "display STUDIO (1512, 0, 2560, 1440) 1552/44593/30201\n"
              "  desktop 1: space 3\n"
              "    102 \"Ideas\" of Notes (1700, 100, 800, 600), not shown\n"
              "  desktop 2: space 5, shown\n"
              "    104 \"Inbox\" of Mail (2000, 300, 1200, 800)\n"
              "focus: Mail 104\n");
    EXPECT_TRUE(copy.isHidden(safari));
    copy.resizeWindow(sent, {10, 10});
    EXPECT_EQ(copy.frame(sent)->size, Size(400, 300));
    EXPECT_EQ(copy.addDesktop(studio), SpaceId{6});
}

TEST(SimulatedScenario, BringsAFullScreenWindowBackToItsDesktopAndLeavesMenusOut) {
    ManualMainQueue queue;
    SimulatedDesktop desktop(queue);
    const DisplayId display = desktop.addDisplay({.bounds = {0, 0, 1000, 800}, .desktops = 2});
    const std::int32_t app = desktop.launch({.name = "Player"});
    desktop.switchSpace(display, desktop.spaceOrder(display)[1]);
    const WindowId video = desktop.openWindow(app, {.title = "Video", .frame = {50, 60, 400, 300}});
    desktop.enterFullScreen({video});
    desktop.openPopUpMenu(app, {10, 10, 100, 200});
    desktop.focus(video);

    SimulatedDesktop copy(queue);
    carryOver(desktop, copy);
    EXPECT_EQ(picture(copy), "display 51A1D15B-0000-4000-8000-000000000001 (0, 0, 1000, 800) 0/0/0\n"
                             "  desktop 1: space 1\n"
                             "  desktop 2: space 2, shown\n"
                             "    100 \"Video\" of Player (50, 60, 400, 300)\n"
                             "focus: Player 100\n");
}

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
        BadScenario{"SpacesForTwoOfThreeDesktops",
                    R"({"displays": [{"frame": [[0, 0], [800, 600]], "desktops": 3, "spaces": [4, 5]}]})",
                    "displays.0.spaces: A display names one Space for each of its Desktops"},
        BadScenario{"SpaceOfTwoDisplays",
                    R"({"displays": [{"frame": [[0, 0], [800, 600]], "spaces": [4]},
                                     {"frame": [[800, 0], [800, 600]], "spaces": [4]}]})",
                    "displays: Space 4 is given twice"},
        BadScenario{
            "NumberGivenTwice",
            oneDisplayAnd(R"(, "apps": [{"windows": [{"title": "x", "frame": [[0, 0], [9, 9]], "number": 7}]},
                                                {"windows": [{"title": "y", "frame": [[0, 0], [9, 9]], "number": 7}]}])"),
            "apps: Window number 7 is given twice"},
        // The first window would take number 100, which the second names.
        BadScenario{"SomeWindowsNumbered",
                    oneDisplayAnd(R"(, "apps": [{"windows": [{"title": "x", "frame": [[0, 0], [9, 9]]},
                                                             {"title": "y", "frame": [[0, 0], [9, 9]], "number": 100}]}])"),
                    "apps: Either every window has a number or none has"},
        BadScenario{
            "NumberZero",
            oneDisplayAnd(
                R"(, "apps": [{"windows": [{"title": "x", "frame": [[0, 0], [9, 9]], "number": 0}]}])"),
            "apps.0.windows.0.number: A window number is positive"},
        BadScenario{"TrustAsText", oneDisplayAnd(R"(, "trusted": "yes")"),
                    "trusted: Expected to decode Bool but found a string instead."}),
    [](const testing::TestParamInfo<BadScenario>& info) { return std::string(info.param.name); });

} // namespace
} // namespace quillmere
