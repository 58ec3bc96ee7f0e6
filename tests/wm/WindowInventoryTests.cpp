#include "support/ManagedDesktop.h"
#include "support/Printers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace quillmere {
namespace {

using namespace std::chrono_literals;
using testing::ElementsAre;
using testing::IsEmpty;

std::vector<WindowId> ids(const std::vector<InventoryWindow>& inventory) {
    std::vector<WindowId> result;
    for (const InventoryWindow& window : inventory)
        result.push_back(window.id);
    return result;
}

std::vector<WindowId> ids(const std::vector<MiniWindow>& windows) {
    std::vector<WindowId> result;
    for (const MiniWindow& window : windows)
        result.push_back(window.id);
    return result;
}

TEST(MostlyOnScreen, NeedsHalfTheRectangleOnOneDisplay) {
    const std::vector<Rect> displays{{0, 0, 1000, 800}, {1000, 0, 490, 800}};
    struct Case {
        Rect rect;
        bool onScreen;
    };
    for (const Case& c : {Case{{500, 100, 1000, 400}, true}, Case{{510, 100, 1000, 400}, false},
                          Case{{-100, 100, 200, 400}, true}, Case{{2000, 0, 100, 100}, false}})
        EXPECT_EQ(mostlyOnScreen(c.rect, displays), c.onScreen) << c.rect.minX();
    EXPECT_FALSE(mostlyOnScreen({0, 0, 100, 100}, {}));
}

TEST(MiniMapGeometry, NormalisesToTheDisplayAndNeverDividesByNothing) {
    EXPECT_EQ(normalized({0, 0, 1440, 900}, {0, 0, 1440, 900}), Rect(0, 0, 1, 1));
    EXPECT_EQ(normalized({1440 + 360, 450, 720, 450}, {1440, 0, 1440, 900}), Rect(0.25, 0.5, 0.5, 0.5));
    EXPECT_EQ(normalized({10, 10, 100, 100}, Rect::null()), Rect());
    EXPECT_EQ(normalized({10, 10, 100, 100}, Rect(0, 0, 0, 900)), Rect());
    EXPECT_DOUBLE_EQ(aspect({0, 0, 1440, 900}), 1.6);
    EXPECT_DOUBLE_EQ(aspect({0, 0, 300, 0.5}), 300);
    EXPECT_DOUBLE_EQ(aspect(Rect::null()), 1);
}

class InventoryTest : public testing::Test {
  protected:
    std::int32_t launch(const std::string& name, ActivationPolicy policy = ActivationPolicy::regular) {
        return desktop.launch({.bundleIdentifier = "com.example." + name, .name = name, .policy = policy});
    }
    WindowId open(std::int32_t app, Rect frame = {100, 100, 500, 400}, std::optional<SpaceId> space = {}) {
        return desktop.openWindow(app, {.frame = frame, .space = space});
    }
    // Tiles the windows, so only for tests that do not depend on the frames they were opened with.
    void start() {
        managed.start();
    }
    std::vector<WindowId> inventory(bool fullScreen = true) { return ids(managed.probe().inventory(fullScreen)); }

    ManagedDesktop managed;
    SimulatedDesktop& desktop = managed.desktop;
    const DisplayId main = desktop.addDisplay({.name = "Main", .bounds = {0, 0, 1440, 900}, .desktops = 2});
    const std::int32_t editor = launch("Editor");
};

TEST_F(InventoryTest, KeepsOnlyOrdinaryWindowsOfRegularApplications) {
    const WindowId kept = open(editor);
    open(editor, {100, 100, 99, 400});
    open(launch("Helper", ActivationPolicy::accessory));
    desktop.openWindow(editor, {.frame = {100, 100, 500, 400}, .layer = 3});
    managed.ownPid = launch("Quillmere");
    open(managed.ownPid);
    open(desktop.launch({.name = "Unbundled"}));
    open(editor, {5000, 100, 500, 400});
    managed.settle();

    EXPECT_THAT(inventory(), ElementsAre(kept));
}

TEST_F(InventoryTest, ListsWindowsOfSpacesNotShownFrontToBack) {
    const WindowId back = open(editor);
    const WindowId hidden = open(editor, {100, 100, 500, 400}, desktop.spaceOrder(main)[1]);
    const WindowId front = open(editor);
    start();

    const auto listed = managed.probe().inventory(true);
    EXPECT_THAT(ids(listed), ElementsAre(front, hidden, back));
    EXPECT_EQ(listed[1].space, desktop.spaceOrder(main)[1]);
    EXPECT_EQ(listed[1].app, "com.example.Editor");
    EXPECT_EQ(listed[1].pid, editor);
}

TEST_F(InventoryTest, LeavesOutWindowsOnNoSpaceOrOnSeveral) {
    const WindowId kept = open(editor);
    desktop.openWindow(editor, {.frame = {100, 100, 500, 400}, .onAllSpaces = true});
    desktop.openTab(kept);
    start();

    EXPECT_THAT(inventory(), ElementsAre(testing::Ne(kept)));
}

TEST_F(InventoryTest, TakesFullScreenSpacesOnlyWhenAskedAndThenOnlyTheirTiles) {
    const WindowId desktopWindow = open(editor);
    const WindowId left = open(editor);
    const WindowId right = open(editor);
    const SpaceId split = desktop.enterFullScreen({left, right});
    const WindowId extra = open(editor, {100, 100, 500, 400}, split);
    start();

    EXPECT_THAT(inventory(false), ElementsAre(desktopWindow));
    const std::vector<WindowId> all = inventory(true);
    EXPECT_THAT(all, testing::UnorderedElementsAre(desktopWindow, left, right));
    EXPECT_THAT(all, testing::Not(testing::Contains(extra)));
}

TEST_F(InventoryTest, WindowBoundsListEveryWindowWithAFrame) {
    const WindowId tiny = open(editor, {1, 2, 30, 40});
    managed.settle();
    EXPECT_EQ(managed.probe().windowBounds().at(tiny), Rect(1, 2, 30, 40));
}

TEST_F(InventoryTest, TheMiniMapDrawsWhatTheLayoutHoldsOrEverythingWithoutALayout) {
    const auto stubborn = launch("Stubborn");
    desktop.refuseObservers(stubborn);
    const SpaceId second = desktop.spaceOrder(main)[1];
    const WindowId tiled = open(editor);
    const WindowId untracked = open(stubborn);
    start();
    const WindowId elsewhere = open(stubborn, {100, 100, 500, 400}, second);

    const std::vector<MiniDisplay> map = managed.manager().miniMap();

    ASSERT_EQ(map.size(), 1u);
    EXPECT_EQ(map[0].name, "Main");
    EXPECT_TRUE(map[0].isActive);
    EXPECT_DOUBLE_EQ(map[0].aspect, 1.6);
    ASSERT_EQ(map[0].spaces.size(), 2u);
    EXPECT_THAT(ids(map[0].spaces[0].windows), ElementsAre(tiled));
    EXPECT_THAT(ids(map[0].spaces[1].windows), ElementsAre(elsewhere));
    EXPECT_TRUE(map[0].spaces[0].isCurrent);
    EXPECT_EQ(map[0].spaces[1].number, 2);
    EXPECT_EQ(map[0].spaces[0].windows[0].rect, Rect(5.0 / 1440, 30.0 / 900, 1430.0 / 1440, 865.0 / 900));
    EXPECT_FALSE(map[0].spaces[0].windows[0].isFloating);
    EXPECT_THAT(inventory(), testing::Contains(untracked)) << "listed, but not held by the layout";
}

TEST_F(InventoryTest, TheMiniMapLabelsDesktopsAndMarksFullScreenSpaces) {
    Settings settings = Settings::default_();
    settings.spaces = {{.space = 2, .label = "Chat"}};
    managed.manager().update(settings);
    const WindowId player = open(launch("Player"));
    desktop.enterFullScreen({player});
    start();

    const std::vector<MiniSpace> spaces = managed.manager().miniMap().at(0).spaces;

    ASSERT_EQ(spaces.size(), 3u);
    EXPECT_EQ(spaces[0].label, std::nullopt);
    EXPECT_TRUE(spaces[1].isFullScreen);
    EXPECT_EQ(spaces[1].label, std::nullopt);
    EXPECT_THAT(ids(spaces[1].windows), ElementsAre(player));
    EXPECT_EQ(spaces[2].label, "Chat");
    EXPECT_EQ(spaces[2].number, 3);
    EXPECT_EQ(spaces[1].appNames(desktop), "Player");
}

TEST_F(InventoryTest, WithoutDisplaysTheMiniMapIsEmpty) {
    start();
    desktop.removeDisplay(main);
    EXPECT_THAT(managed.manager().miniMap(), IsEmpty());
}

TEST(MiniSpaceNames, NameTheApplicationsLeftToRightOncePerWindow) {
    ManualMainQueue queue;
    SimulatedDesktop desktop(queue);
    const auto editor = desktop.launch({.name = "Editor"});
    const auto mail = desktop.launch({.name = "Mail"});
    const auto nameless = desktop.launch({});
    const MiniSpace space{.windows = {{1, mail, {0.6, 0, 0.2, 1}},
                                      {2, editor, {0.1, 0, 0.2, 1}},
                                      {3, nameless, {0.3, 0, 0.2, 1}},
                                      {4, mail, {0.8, 0, 0.2, 1}}}};
    EXPECT_EQ(space.appNames(desktop), "Editor \u00B7 Mail \u00B7 Mail");
}

class SharedSpacesTest : public testing::Test {
  protected:
    ManagedDesktop managed{SimulatedDesktop::SpaceListForm::shared};
    SimulatedDesktop& desktop = managed.desktop;
};

TEST_F(SharedSpacesTest, TwoDisplaysMakeOnePictureOfAllDisplays) {
    const DisplayId left = desktop.addDisplay({.name = "Left", .bounds = {0, 0, 1000, 800}, .desktops = 2});
    desktop.addDisplay({.name = "Right", .bounds = {1000, 0, 1000, 800}});
    const auto editor = desktop.launch({.bundleIdentifier = "com.example.Editor", .name = "Editor"});
    const WindowId onLeft = desktop.openWindow(editor, {.frame = {100, 100, 400, 400}});
    const WindowId onRight = desktop.openWindow(editor, {.frame = {1100, 100, 400, 400}});
    managed.settle();
    managed.manager().start();
    managed.settle();

    const std::vector<MiniDisplay> map = managed.manager().miniMap();

    ASSERT_EQ(map.size(), 1u);
    EXPECT_EQ(map[0].id, "spanning");
    EXPECT_EQ(map[0].name, "All displays");
    EXPECT_TRUE(map[0].isActive);
    EXPECT_EQ(map[0].frame, Rect(0, 0, 2000, 800));
    EXPECT_THAT(map[0].panels, ElementsAre(Rect(0, 0, 0.5, 1), Rect(0.5, 0, 0.5, 1)));
    ASSERT_EQ(map[0].panelDisplays.size(), 2u);
    ASSERT_EQ(map[0].spaces.size(), desktop.spaceOrder(left).size());
    for (const MiniSpace& space : map[0].spaces)
        EXPECT_EQ(space.panelSpaces.size(), 2u);
    EXPECT_THAT(ids(map[0].spaces[0].windows), testing::UnorderedElementsAre(onLeft, onRight));
}

TEST_F(SharedSpacesTest, OneDisplayKeepsTheOrdinaryPicture) {
    desktop.addDisplay({.name = "Only", .bounds = {0, 0, 1000, 800}, .desktops = 2});
    managed.manager().start();

    const std::vector<MiniDisplay> map = managed.manager().miniMap();

    ASSERT_EQ(map.size(), 1u);
    EXPECT_NE(map[0].id, "spanning");
    EXPECT_EQ(map[0].name, "Only");
    EXPECT_THAT(map[0].panels, IsEmpty());
}

} // namespace
} // namespace quillmere
