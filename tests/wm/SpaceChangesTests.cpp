#include "support/CommandedDesktop.h"
#include "support/Printers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillmere {
namespace {

using namespace std::chrono_literals;
using testing::ElementsAre;
using testing::IsEmpty;
using testing::UnorderedElementsAre;

// Two editor windows on the first of two Desktops of a 1440 x 900 display.
struct TwoDesktops : CommandedDesktop {
    const SpaceLayout& layout(SpaceId space) { return *probe().layout(space); }
    std::string id(WindowId window) const { return std::to_string(window); }
    std::vector<WindowId> pictured() const {
        std::vector<WindowId> windows;
        for (const auto& [window, image] : managed.previews.images())
            windows.push_back(window);
        return windows;
    }

    const DisplayId main = desktop.addDisplay({.name = "Main", .bounds = {0, 0, 1440, 900}, .desktops = 2});
    const SpaceId first = desktop.spaceOrder(main)[0];
    const SpaceId second = desktop.spaceOrder(main)[1];
    const std::int32_t editor = launch("Editor");
    const WindowId left = open(editor, {.frame = {100, 100, 500, 400}});
    const WindowId right = open(editor, {.frame = {200, 100, 500, 400}});
};

class SpaceChangesTest : public testing::Test, public TwoDesktops {};

TEST_F(SpaceChangesTest, ADisplaySeenForTheFirstTimeHasNoPreviousSpace) {
    start();
    desktop.switchSpace(main, second);
    managed.settle();

    const DisplayId side = desktop.addDisplay({.name = "Side", .bounds = {1440, 0, 1280, 800}});
    managed.advance(2s);
    EXPECT_EQ(probe().previousSpace(*desktop.uuid(side)), std::nullopt);
    EXPECT_EQ(probe().previousSpace(*desktop.uuid(main)), first);
}

TEST_F(SpaceChangesTest, AWindowDraggedToAnotherDesktopInMissionControlTakesItsTileAlong) {
    start();
    desktop.moveWindowToSpace(right, second);
    desktop.switchSpace(main, second);
    managed.settle();

    EXPECT_THAT(layout(first).tree.windows(), ElementsAre(left));
    EXPECT_THAT(layout(second).tree.windows(), ElementsAre(right));
    EXPECT_TRUE(managed.logged("window " + id(right) + " moved outside Quillmere to space 2"));
}

TEST_F(SpaceChangesTest, AWindowInFullScreenLeavesTilingAndComesBackToItsPlace) {
    start();
    const std::vector<WindowId> order = layout(first).tree.windows();
    const Rect tile = *desktop.frame(left);

    desktop.enterFullScreen({left});
    managed.settle();
    EXPECT_FALSE(probe().isTracked(left));
    EXPECT_TRUE(probe().hasSavedSlot(left));
    EXPECT_THAT(layout(first).tree.windows(), ElementsAre(right));
    EXPECT_TRUE(managed.logged("window " + id(left) + " went full screen, no longer tiled"));

    desktop.exitFullScreen(left);
    managed.advance(1500ms);
    EXPECT_TRUE(probe().isTracked(left));
    EXPECT_EQ(layout(first).tree.windows(), order);
    EXPECT_EQ(desktop.frame(left), tile);
}

// Right after a display change the pass trusts the layouts, so it does not see the window go full screen;
// hiding and showing its application must not leave it tracked but out of tiling for good.
TEST_F(SpaceChangesTest, AWindowThatWentFullScreenWhileDisplaysSettledIsTiledAgainWhenItLeaves) {
    start();
    desktop.sleepAndWake();
    managed.settle();
    desktop.enterFullScreen({left});
    managed.advance(1600ms);
    desktop.hide(editor);
    managed.settle();
    desktop.unhide(editor);
    managed.settle();

    desktop.exitFullScreen(left);
    managed.advance(1500ms);
    EXPECT_EQ(manager().layoutSpace(left), first);
}

// The list read before the Desktop was added does not know it: the window stays until a read does.
TEST(SpaceMembership, AWindowOnASpaceTheReadDoesNotKnowStaysWhereItIs) {
    CommandedDesktop world;
    const DisplayId main = world.desktop.addDisplay({.bounds = {0, 0, 1440, 900}});
    const auto stale = world.desktop.managedDisplaySpaces(SimulatedDesktop::connection);
    const SpaceId first = world.desktop.currentSpace(main);
    const SpaceId added = world.desktop.addDesktop(main);
    const WindowId window = world.open(world.launch("Editor"), {.frame = {100, 100, 500, 400}});
    world.start();
    world.desktop.moveWindowToSpace(window, added);

    world.desktop.overrideSpaceList(stale);
    world.run("retile");
    EXPECT_TRUE(world.probe().isTracked(window));
    EXPECT_EQ(world.manager().layoutSpace(window), first);

    world.desktop.overrideSpaceList(std::nullopt);
    world.run("retile");
    EXPECT_EQ(world.manager().layoutSpace(window), added);
}

// Displays that share one Space list: a window belongs to the display that holds most of it, but moves
// there only once at least half of it lies on that display.
TEST(SpaceMembership, AWindowMovesToTheOtherDisplayOfASharedSpaceOnlyWithHalfOfItThere) {
    struct Case {
        // The window spans 100 points of the left display, all of the right one and the rest beyond it.
        double rightWidth;
        bool moves;
    };
    for (const Case c : {Case{196, false}, Case{204, true}}) {
        CommandedDesktop world(SimulatedDesktop::SpaceListForm::shared);
        world.desktop.addDisplay({.name = "Left", .bounds = {0, 0, 1000, 800}});
        world.desktop.addDisplay({.name = "Right", .bounds = {1000, 0, c.rightWidth, 800}});
        const WindowId window = world.open(world.launch("Editor"), {.frame = {100, 100, 400, 300}});
        world.start();
        const std::vector<SpaceId> visible = world.managed.spaces.desktops().visible();
        ASSERT_EQ(world.manager().layoutSpace(window), visible[0]);

        world.desktop.resizeWindow(window, {400, 300});
        world.desktop.moveWindow(window, {900, 100});
        world.run("retile");
        EXPECT_EQ(world.manager().layoutSpace(window), c.moves ? visible[1] : visible[0]) << c.rightWidth;
    }
}

TEST_F(SpaceChangesTest, PicturesAreTakenHalfASecondAfterTheLastPassAndOnlyOfVisibleSpaces) {
    const WindowId away = open(editor, {.frame = {300, 100, 500, 400}, .space = second});
    managed.previews.setEnabled(true);
    start();
    managed.advance(400ms);
    manager().perform(*Command::parse("retile"));
    managed.advance(400ms);
    EXPECT_EQ(desktop.shareableContentRequests(), 0);
    managed.advance(100ms);
    EXPECT_THAT(pictured(), UnorderedElementsAre(left, right));

    desktop.switchSpace(main, second);
    managed.advance(500ms);
    EXPECT_THAT(pictured(), UnorderedElementsAre(left, right, away)) << "hidden Spaces keep their pictures";

    desktop.closeWindow(left);
    manager().perform(*Command::parse("retile"));
    managed.advance(500ms);
    EXPECT_THAT(pictured(), UnorderedElementsAre(right, away));
}

TEST_F(SpaceChangesTest, NoPictureIsTakenWhilePreviewsAreOff) {
    start();
    desktop.switchSpace(main, second);
    managed.advance(2s);
    EXPECT_EQ(desktop.shareableContentRequests(), 0);
    EXPECT_THAT(pictured(), IsEmpty());
}

TEST_F(SpaceChangesTest, RestoringTakesItsWindowsFromOtherSpacesAndKeepsTheRestOfTheOldLayout) {
    const WindowId away = open(editor, {.frame = {300, 100, 500, 400}, .space = second});
    const WindowId note = open(launch("Notes"), {.frame = {300, 200, 400, 300}});
    Settings settings = Settings::default_();
    settings.floatApps = {"Notes"};
    settings.tiling = TileAlgorithm::masterStack;
    manager().update(settings);
    start();
    ASSERT_TRUE(layout(second).contains(away));

    const auto editor = [](std::int64_t index) { return WindowRef{"com.example.Editor", index}; };
    const WindowRef mail{"com.example.Mail", 0};
    const WindowRef notes{"com.example.Notes", 0};
    const SpaceSnapshot snapshot{
        .space = 1,
        .tree = LayoutSnapshot::split(
            Axis::horizontal, 0.5, LayoutSnapshot::tile({editor(0)}),
            LayoutSnapshot::split(Axis::vertical, 0.5, LayoutSnapshot::tile({editor(1)}),
                                  LayoutSnapshot::split(Axis::horizontal, 0.5, LayoutSnapshot::tile({mail}),
                                                        LayoutSnapshot::tile({notes}))))};
    probe().restore(snapshot, first, {{editor(0), left}, {editor(1), away}, {mail, 9999}});

    EXPECT_TRUE(managed.logged("restore desktop 1: com.example.Editor#0=" + id(left) + ", com.example.Editor#1=" +
                               id(away) + ", com.example.Mail#0 waits (not tracked yet), com.example.Notes#0 waits "
                               "(not open)"));
    const SpaceLayout& restored = layout(first);
    EXPECT_THAT(restored.tree.windows(), UnorderedElementsAre(left, away, right));
    EXPECT_EQ(restored.tree.holes().size(), 2u);
    EXPECT_THAT(restored.floating, ElementsAre(note));
    EXPECT_EQ(restored.tiling, TileAlgorithm::masterStack);
    EXPECT_FALSE(layout(second).contains(away)) << "a window is in one layout only";
}

} // namespace
} // namespace quillmere
