#include "core/SpanningSpace.h"
#include "platform/ManualMainQueue.h"
#include "platform/sim/SimulatedDesktop.h"
#include "support/Printers.h"
#include "system/Spaces.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

using testing::ElementsAre;
using Form = SimulatedDesktop::SpaceListForm;
using Dictionary = PropertyList::Dictionary;
using Array = PropertyList::Array;

std::vector<std::string> ids(const Desktops& model) {
    std::vector<std::string> result;
    for (const DisplaySpaces& display : model.displays())
        result.push_back(display.id);
    return result;
}

// Two displays side by side: a built-in one with two Desktops at the origin and a larger one to its right.
class SpacesTest : public testing::Test {
  protected:
    explicit SpacesTest(Form form = Form::perDisplay) : desktop(queue, form) {}

    ManualMainQueue queue;
    SimulatedDesktop desktop;
    Spaces spaces{desktop, desktop, desktop};
    const DisplayId left = desktop.addDisplay({.name = "Built-in",
                                               .bounds = {0, 0, 1440, 900},
                                               .vendor = 1552,
                                               .model = 41,
                                               .builtIn = true,
                                               .desktops = 2});
    const DisplayId right = desktop.addDisplay(
        {.name = "Studio", .bounds = {1440, 0, 2560, 1440}, .vendor = 1552, .model = 44, .serial = 777});
    const std::string leftId = *desktop.uuid(left);
    const std::string rightId = *desktop.uuid(right);
    const std::int32_t app = desktop.launch({.bundleIdentifier = "com.example.editor"});
};

TEST_F(SpacesTest, ReadsEveryDisplayWithItsOwnSpaces) {
    desktop.setActiveDisplay(right);
    const Desktops model = spaces.desktops();

    EXPECT_FALSE(model.spansDisplays());
    EXPECT_THAT(ids(model), ElementsAre(leftId, rightId));
    const DisplaySpaces& builtIn = model.displays()[0];
    EXPECT_EQ(builtIn.identity, (DisplayIdentity{"Built-in", 1552, 41, 0, true}));
    EXPECT_EQ(builtIn.frame, Rect(0, 0, 1440, 900));
    EXPECT_EQ(builtIn.spaces, desktop.spaceOrder(left));
    EXPECT_EQ(builtIn.current, desktop.currentSpace(left));
    EXPECT_EQ(model.active()->id, rightId);
    EXPECT_EQ(spaces.latest(), model);
}

TEST_F(SpacesTest, AListWithOneDisplayNamedByItsIdentifierIsThePerDisplayForm) {
    const auto real = desktop.managedDisplaySpaces(desktop.mainConnection());
    desktop.overrideSpaceList(Array{real->array()->front()});
    const Desktops model = spaces.desktops();
    EXPECT_FALSE(model.spansDisplays());
    EXPECT_THAT(ids(model), ElementsAre(leftId));
}

PropertyList space(std::int64_t id, std::optional<PropertyList> type = PropertyList(0)) {
    Dictionary entry{{"ManagedSpaceID", id}};
    if (type)
        entry.emplace("type", *type);
    return entry;
}

PropertyList splitView(std::int64_t id, std::optional<PropertyList> type, std::int64_t window) {
    Dictionary entry = *space(id, type).dictionary();
    const Dictionary rect{{"Width", 720}, {"Height", 900}};
    entry.emplace(
        "TileLayoutManager",
        Dictionary{{"TileSpaces", Array{Dictionary{{"TileWindowID", window}, {"TileRect", rect}}}}});
    return entry;
}

PropertyList display(const std::string& id, Array spaces,
                     std::optional<std::int64_t> current = std::nullopt) {
    Dictionary entry{{"Display Identifier", id}, {"Spaces", std::move(spaces)}};
    if (current)
        entry.emplace("Current Space", Dictionary{{"ManagedSpaceID", *current}});
    return entry;
}

struct SpaceEntriesCase {
    const char* name;
    Array entries;
    std::optional<std::int64_t> current;
    std::vector<SpaceId> spaces;
    SpaceId expectedCurrent;
    std::vector<SpaceId> order;
    std::vector<SpaceId> fullScreen;
};

void PrintTo(const SpaceEntriesCase& entriesCase, std::ostream* out) {
    *out << entriesCase.name;
}

class SpaceEntriesTest : public SpacesTest, public testing::WithParamInterface<SpaceEntriesCase> {};

TEST_P(SpaceEntriesTest, ReadsDesktopsOrderCurrentAndFullScreenSpacesFromTheEntries) {
    const SpaceEntriesCase& c = GetParam();
    desktop.overrideSpaceList(Array{display(leftId, c.entries, c.current)});
    const Desktops model = spaces.desktops();
    ASSERT_EQ(model.displays().size(), 1u);
    const DisplaySpaces& read = model.displays().front();
    EXPECT_EQ(read.spaces, c.spaces);
    EXPECT_EQ(read.current, c.expectedCurrent);
    EXPECT_EQ(read.order, c.order);
    std::vector<SpaceId> fullScreen;
    for (const auto& [id, tiles] : read.fullScreen)
        fullScreen.push_back(id);
    EXPECT_EQ(fullScreen, c.fullScreen);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpaceEntriesTest,
    testing::Values(
        SpaceEntriesCase{"current", {space(1), space(2)}, 2, {1, 2}, 2, {1, 2}, {}},
        SpaceEntriesCase{
            "current missing: the first Desktop", {space(4), space(2)}, {}, {4, 2}, 4, {4, 2}, {}},
        SpaceEntriesCase{"no Desktop and no current: 0", {space(5, 4)}, {}, {}, 0, {5}, {}},
        SpaceEntriesCase{"without type: not a Desktop",
                         {space(1), space(6, std::nullopt), splitView(7, std::nullopt, 70)},
                         {},
                         {1},
                         1,
                         {1, 6, 7},
                         {7}},
        SpaceEntriesCase{
            "type that is no integer", {space(1), space(8, PropertyList("0"))}, {}, {1}, 1, {1, 8}, {}},
        SpaceEntriesCase{"id that is no integer",
                         {space(1), Dictionary{{"ManagedSpaceID", "9"}, {"type", 0}}},
                         {},
                         {1},
                         1,
                         {1},
                         {}},
        SpaceEntriesCase{"split view that does not read", {space(1), space(3, 4)}, 3, {1}, 3, {1, 3}, {}},
        SpaceEntriesCase{
            "a Space entry that is no dictionary", {space(1), PropertyList(2)}, {}, {}, 0, {}, {}}));

struct DisplayEntriesCase {
    const char* name;
    std::function<PropertyList(const std::string& left, const std::string& right)> answer;
    // "L" and "R" stand for the identifiers of the left and right displays.
    std::vector<std::string> ids;
};

void PrintTo(const DisplayEntriesCase& entriesCase, std::ostream* out) {
    *out << entriesCase.name;
}

class DisplayEntriesTest : public SpacesTest, public testing::WithParamInterface<DisplayEntriesCase> {};

TEST_P(DisplayEntriesTest, LeavesOutEntriesWithoutAScreen) {
    desktop.overrideSpaceList(GetParam().answer(leftId, rightId));
    const Desktops model = spaces.desktops();
    std::vector<std::string> expected = GetParam().ids;
    std::ranges::replace(expected, std::string("L"), leftId);
    std::ranges::replace(expected, std::string("R"), rightId);
    EXPECT_EQ(ids(model), expected);
    EXPECT_EQ(model.active() == nullptr, GetParam().ids.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DisplayEntriesTest,
    testing::Values(DisplayEntriesCase{"unknown identifier",
                                       [](auto& l, auto&) {
                                           return Array{display(l, {space(1)}), display("ABC", {space(2)})};
                                       },
                                       {"L"}},
                    DisplayEntriesCase{
                        "no identifier",
                        [](auto&, auto& r) {
                            return Array{Dictionary{{"Spaces", Array{space(1)}}}, display(r, {space(2)})};
                        },
                        {"R"}},
                    DisplayEntriesCase{"empty entry",
                                       [](auto& l, auto&) {
                                           return Array{Dictionary{}, display(l, {space(1)})};
                                       },
                                       {"L"}},
                    DisplayEntriesCase{"Main beside another entry: the main screen",
                                       [](auto&, auto& r) {
                                           return Array{display(r, {space(2)}), display("Main", {space(1)})};
                                       },
                                       {"Main", "R"}},
                    DisplayEntriesCase{"no entries", [](auto&, auto&) { return Array{}; }, {}},
                    DisplayEntriesCase{"no array", [](auto& l, auto&) { return display(l, {space(1)}); }, {}},
                    DisplayEntriesCase{"an entry that is no dictionary",
                                       [](auto& l, auto&) {
                                           return Array{display(l, {space(1)}), PropertyList("x")};
                                       },
                                       {}}),
    [](const auto& info) { return std::to_string(info.index); });

TEST_F(SpacesTest, TheSpaceOfAWindowIsTheOneTheWindowServerNamesAlone) {
    const SpaceId second = desktop.spaceOrder(left)[1];
    const WindowId onSecond = desktop.openWindow(app, {.space = second});
    const WindowId everywhere = desktop.openWindow(app, {.onAllSpaces = true});
    const WindowId fullScreen = desktop.openWindow(app, {});
    const SpaceId fullScreenSpace = desktop.enterFullScreen({fullScreen});

    EXPECT_EQ(spaces.space(onSecond), second);
    EXPECT_EQ(spaces.space(everywhere), std::nullopt);
    EXPECT_EQ(spaces.space(fullScreen), fullScreenSpace);
    EXPECT_EQ(spaces.space(4242), std::nullopt);
}

TEST_F(SpacesTest, WindowBoundsComeFromTheWindowList) {
    const WindowId window = desktop.openWindow(app, {.frame = {10, 20, 300, 200}});
    EXPECT_EQ(spaces.windowBounds(window), Rect(10, 20, 300, 200));
    desktop.closeWindow(window);
    EXPECT_EQ(spaces.windowBounds(window), std::nullopt);
}

TEST_F(SpacesTest, FindsScreensByIdentifierSpaceAndSignature) {
    desktop.setActiveDisplay(right);
    const auto number = [](const std::optional<Screen>& screen) {
        return screen ? screen->number : std::nullopt;
    };

    EXPECT_EQ(number(spaces.screen(std::string("Main"))), right);
    EXPECT_EQ(number(spaces.screen(leftId)), left);
    EXPECT_EQ(spaces.screen(std::string("ABC")), std::nullopt);
    EXPECT_EQ(number(spaces.screen(desktop.spaceOrder(left)[1])), left);
    EXPECT_EQ(number(spaces.screen(SpaceId{4242})), right);
    EXPECT_EQ(number(spaces.screenMatching(leftId)), left);
    EXPECT_EQ(number(spaces.screenMatching("1552-44-777")), right);
    EXPECT_EQ(number(spaces.screenMatching("Built-in")), left);
    EXPECT_EQ(spaces.screenMatching("1552-41-0"), std::nullopt);
}

TEST_F(SpacesTest, MostDesktopsIsTheLargestCountAndAtLeastOne) {
    EXPECT_EQ(spaces.mostDesktops(), 2);
    for (int i = 0; i < 4; ++i)
        desktop.addDesktop(right);
    EXPECT_EQ(spaces.mostDesktops(), 5);

    ManualMainQueue otherQueue;
    SimulatedDesktop empty(otherQueue);
    Spaces none(empty, empty, empty);
    EXPECT_EQ(none.mostDesktops(), 1);
    EXPECT_TRUE(none.desktops().displays().empty());
}

TEST(SpacesDescribeTest, NamesADesktopByItsNumberAndAnythingElseFullScreen) {
    const DisplaySpaces display("D", {}, {}, {11, 12}, 11, std::vector<SpaceId>{11, 17, 12});
    EXPECT_EQ(Spaces::describe(12, display), "desktop 2");
    EXPECT_EQ(Spaces::describe(11, display), "desktop 1");
    EXPECT_EQ(Spaces::describe(17, display), "full screen");
}

// The same two displays sharing one Space list.
class SharedSpacesTest : public SpacesTest {
  protected:
    SharedSpacesTest() : SpacesTest(Form::shared) {}

    SpaceId own(SpaceId real, int display) { return *SpanningSpace::id(real, display); }

    const SpaceId first = desktop.spaceOrder(left)[0];
    const SpaceId second = desktop.spaceOrder(left)[1];
};

TEST_F(SharedSpacesTest, GivesEachScreenItsOwnIdsForTheSharedDesktops) {
    const Desktops model = spaces.desktops();
    EXPECT_TRUE(model.spansDisplays());
    EXPECT_THAT(ids(model), ElementsAre(leftId, rightId));
    EXPECT_THAT(model.displays()[1].spaces, ElementsAre(own(first, 1), own(second, 1)));
    EXPECT_EQ(model.displays()[1].identity.signature(), "1552-44-777");
    EXPECT_EQ(spaces.displayIndexes(), (std::map<std::string, int>{{leftId, 0}, {rightId, 1}}));
}

TEST_F(SharedSpacesTest, AWindowBelongsToTheScreenThatHoldsMostOfIt) {
    const WindowId onRight = desktop.openWindow(app, {.frame = {2000, 100, 600, 400}});
    const WindowId straddling = desktop.openWindow(app, {.frame = {1140, 100, 600, 400}});
    const WindowId mostlyRight = desktop.openWindow(app, {.frame = {1240, 100, 600, 400}});
    const WindowId nowhere = desktop.openWindow(app, {.frame = {-5000, 100, 600, 400}, .space = second});

    EXPECT_EQ(spaces.space(onRight), own(first, 1));
    EXPECT_EQ(spaces.space(straddling), own(first, 0));
    EXPECT_EQ(spaces.space(mostlyRight), own(first, 1));
    EXPECT_EQ(spaces.space(nowhere), own(second, 0));
    // Given bounds stand in for the window's own.
    EXPECT_EQ(spaces.space(onRight, Rect(0, 0, 100, 100)), own(first, 0));
}

TEST_F(SharedSpacesTest, DesktopWindowsKeepTheirScreensIdsWhileAFullScreenSpaceShows) {
    const WindowId onRight = desktop.openWindow(app, {.frame = {2000, 100, 600, 400}});
    const WindowId player = desktop.openWindow(app, {.frame = {100, 100, 600, 400}});
    const SpaceId fullScreen = desktop.enterFullScreen({player});
    spaces.desktops();

    EXPECT_EQ(spaces.latest()->displays()[1].current, fullScreen);
    EXPECT_EQ(spaces.space(onRight), own(first, 1));
    EXPECT_EQ(spaces.space(player), fullScreen);
}

TEST_F(SharedSpacesTest, DisplayIndexesLastForTheProcess) {
    spaces.desktops();
    desktop.removeDisplay(right);
    spaces.desktops();
    desktop.addDisplay({.name = "Other", .bounds = {-800, 0, 800, 600}});
    desktop.addDisplay({.name = "Studio", .bounds = {1440, 0, 2560, 1440}, .uuid = rightId});
    const Desktops model = spaces.desktops();

    EXPECT_EQ(spaces.displayIndexes().at(rightId), 1);
    EXPECT_EQ(spaces.displayIndexes().size(), 3u);
    EXPECT_THAT(model.displays().back().spaces, ElementsAre(own(first, 1), own(second, 1)));
}

} // namespace
} // namespace quillmere
