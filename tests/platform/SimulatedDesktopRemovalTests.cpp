#include "platform/ManualMainQueue.h"
#include "platform/WorkspaceNotifications.h"
#include "platform/sim/SimulatedDesktop.h"
#include "support/Printers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdexcept>

namespace quillmere {
namespace {

using testing::ElementsAre;

class SimulatedDesktopRemovalTest : public testing::Test {
  protected:
    WindowId openOn(SpaceId space) { return desktop.openWindow(app, {.space = space}); }

    ManualMainQueue queue;
    SimulatedDesktop desktop{queue};
    const DisplayId display = desktop.addDisplay({.bounds = {0, 0, 1000, 800}, .desktops = 3});
    const std::vector<SpaceId> spaces = desktop.spaceOrder(display);
    const std::int32_t app = desktop.launch({.bundleIdentifier = "com.example.editor", .name = "Editor"});
};

TEST_F(SimulatedDesktopRemovalTest,
       WindowsGoToTheDesktopBeforeAndTheDisplayShowsItWhenItShowedTheRemovedOne) {
    const WindowId second = openOn(spaces[1]);
    const WindowId third = openOn(spaces[2]);
    desktop.switchSpace(display, spaces[2]);
    int changes = 0;
    const ObserverToken token = desktop.addObserver(activeSpaceDidChangeNotification, [&] { ++changes; });
    queue.advance(MainQueue::Duration::zero());
    changes = 0;

    desktop.removeDesktop(spaces[2]);
    queue.advance(MainQueue::Duration::zero());

    EXPECT_THAT(desktop.spaceOrder(display), ElementsAre(spaces[0], spaces[1]));
    EXPECT_THAT(desktop.spaces(third), ElementsAre(spaces[1]));
    EXPECT_THAT(desktop.spaces(second), ElementsAre(spaces[1]));
    EXPECT_EQ(desktop.currentSpace(display), spaces[1]);
    EXPECT_EQ(changes, 1);
    desktop.removeObserver(token);
}

TEST_F(SimulatedDesktopRemovalTest, TheFirstDesktopHandsItsWindowsToTheNextAndTheLastOneStays) {
    const WindowId first = openOn(spaces[0]);
    desktop.removeDesktop(spaces[0]);
    EXPECT_THAT(desktop.spaces(first), ElementsAre(spaces[1]));
    EXPECT_EQ(desktop.currentSpace(display), spaces[1]);

    desktop.removeDesktop(spaces[2]);
    EXPECT_THROW(desktop.removeDesktop(spaces[1]), std::invalid_argument);
    EXPECT_THROW(desktop.removeDesktop(spaces[2]), std::invalid_argument) << "removed already";
}

} // namespace
} // namespace quillmere
