#include "platform/ManualMainQueue.h"
#include "platform/WorkspaceNotifications.h"
#include "platform/sim/SimulatedDesktop.h"
#include "support/Printers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace quillmere {
namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::IsEmpty;

class SimulatedDisplayChangesTest : public testing::Test {
  protected:
    void settle() { queue.advance(MainQueue::Duration::zero()); }

    // Every accessibility notification about the application's windows, from now on.
    void watch() {
        observer = std::move(desktop.observer(app, [this](AXElement, const std::string& notification) {
                       notifications.push_back(notification);
                   })).value();
        for (const std::string name : {"AXMoved", "AXResized"})
            ASSERT_EQ(observer->add(desktop.applicationElement(app), name), AXError::success);
    }


    ManualMainQueue queue;
    SimulatedDesktop desktop{queue};
    const DisplayId main = desktop.addDisplay({.name = "Main", .bounds = {0, 0, 1000, 800}, .desktops = 2});
    const SimulatedDesktop::DisplaySetup sideSetup{
        .name = "Side", .bounds = {1000, 0, 800, 600}, .uuid = "SIDE-UUID", .desktops = 2};
    const DisplayId side = desktop.addDisplay(sideSetup);
    const std::int32_t app = desktop.launch({.bundleIdentifier = "com.example.editor", .name = "Editor"});
    std::unique_ptr<AXObserver> observer;
    std::vector<std::string> notifications;
};

TEST_F(SimulatedDisplayChangesTest, AReturningDisplayGetsItsDesktopsBackWhileItsWindowsStayGathered) {
    const std::vector<SpaceId> sideSpaces = desktop.spaceOrder(side);
    const WindowId window = desktop.openWindow(app, {.frame = {1100, 100, 300, 200}, .space = sideSpaces[1]});
    const WindowId full = desktop.openWindow(app, {.frame = {1200, 100, 300, 200}, .space = sideSpaces[0]});
    desktop.enterFullScreen({full});

    desktop.removeDisplay(side);
    const DisplayId back = desktop.addDisplay(sideSetup);

    EXPECT_THAT(desktop.spaceOrder(back), ElementsAreArray(sideSpaces)) << "the full-screen Space ended";
    EXPECT_EQ(desktop.currentSpace(back), sideSpaces[0]);
    EXPECT_THAT(desktop.spaces(window), ElementsAre(desktop.currentSpace(main)));
    EXPECT_THAT(desktop.spaces(full), ElementsAre(desktop.currentSpace(main)));
}

TEST_F(SimulatedDisplayChangesTest, AReturningDisplayMayGetNewSpaceIds) {
    const std::vector<SpaceId> sideSpaces = desktop.spaceOrder(side);
    desktop.removeDisplay(side);
    SimulatedDesktop::DisplaySetup renumbered = sideSetup;
    renumbered.newSpaceIds = true;
    renumbered.desktops = 3;
    const DisplayId back = desktop.addDisplay(renumbered);

    const std::vector<SpaceId> now = desktop.spaceOrder(back);
    ASSERT_EQ(now.size(), 3u);
    for (SpaceId space : now)
        EXPECT_THAT(sideSpaces, testing::Not(testing::Contains(space)));
}

TEST_F(SimulatedDisplayChangesTest, RearrangingCarriesTheDisplaysWindowsAndTellsOfTheChange) {
    const WindowId onSide = desktop.openWindow(app, {.frame = {1100, 100, 300, 200}});
    const WindowId onMain = desktop.openWindow(app, {.frame = {100, 100, 300, 200}});
    int screenChanges = 0;
    const ObserverToken token =
        desktop.addObserver(applicationDidChangeScreenParametersNotification, [&] { ++screenChanges; });

    desktop.moveDisplay(side, {-800, 100});
    settle();
    desktop.removeObserver(token);

    EXPECT_EQ(desktop.bounds(side), Rect(-800, 100, 800, 600));
    EXPECT_EQ(desktop.frame(onSide), Rect(-700, 200, 300, 200));
    EXPECT_EQ(desktop.frame(onMain), Rect(100, 100, 300, 200));
    EXPECT_EQ(screenChanges, 1);
    EXPECT_THROW(desktop.moveDisplay(main, {10, 0}), std::invalid_argument);
}

TEST_F(SimulatedDisplayChangesTest, MissionControlPutsAWindowOnAnotherDesktopWithoutTellingItsApplication) {
    const WindowId window = desktop.openWindow(app, {.frame = {100, 100, 300, 200}});
    settle();
    watch();

    desktop.moveWindowToSpace(window, desktop.spaceOrder(main)[1]);
    EXPECT_THAT(desktop.spaces(window), ElementsAre(desktop.spaceOrder(main)[1]));
    EXPECT_EQ(desktop.frame(window), Rect(100, 100, 300, 200));

    desktop.moveWindowToSpace(window, desktop.spaceOrder(side)[1]);
    settle();
    EXPECT_THAT(desktop.spaces(window), ElementsAre(desktop.spaceOrder(side)[1]));
    EXPECT_EQ(desktop.frame(window), Rect(1100, 100, 300, 200));
    EXPECT_THAT(notifications, IsEmpty());

    const WindowId full = desktop.openWindow(app, {});
    const SpaceId fullScreen = desktop.enterFullScreen({full});
    EXPECT_THROW(desktop.moveWindowToSpace(window, fullScreen), std::invalid_argument);
    EXPECT_THROW(desktop.moveWindowToSpace(full, desktop.spaceOrder(main)[0]), std::invalid_argument);
}

} // namespace
} // namespace quillmere
