#include "support/ManagedDesktop.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace quillmere {
namespace {

using namespace std::chrono_literals;

class SpaceChangeTest : public testing::Test {
  protected:
    void start() {
        managed.settle();
        managed.manager().start();
        managed.settle();
    }
    std::size_t passes() const {
        return static_cast<std::size_t>(std::ranges::count_if(managed.log.signposts(), [](const SignpostEntry& entry) {
            return entry.name == "Space change" && entry.edge == SignpostEdge::begin;
        }));
    }

    ManagedDesktop managed;
    SimulatedDesktop& desktop = managed.desktop;
    const DisplayId main = desktop.addDisplay({.name = "Main", .bounds = {0, 0, 1440, 900}, .desktops = 2});
    const std::string mainId = *desktop.uuid(main);
    const std::int32_t editor = desktop.launch({.bundleIdentifier = "com.example.Editor", .name = "Editor"});
};

TEST_F(SpaceChangeTest, RemembersTheSpaceEachDisplayShowedBefore) {
    const SpaceId a = desktop.spaceOrder(main)[0];
    const SpaceId b = desktop.spaceOrder(main)[1];
    start();
    EXPECT_EQ(managed.probe().previousSpace(mainId), std::nullopt);

    desktop.switchSpace(main, b);
    managed.settle();
    EXPECT_EQ(managed.probe().previousSpace(mainId), a);

    desktop.switchSpace(main, a);
    managed.settle();
    EXPECT_EQ(managed.probe().previousSpace(mainId), b);
}

TEST_F(SpaceChangeTest, LooksForWindowsItMissedAtEverySpaceChange) {
    start();
    const auto late = desktop.launch({.bundleIdentifier = "com.example.Late", .name = "Late"});
    const WindowId missed =
        desktop.openWindow(late, {.frame = {100, 100, 500, 400}, .space = desktop.spaceOrder(main)[1]});
    desktop.setWindowNumberAnswer(missed, sim::WindowNumberAnswer::error);
    managed.settle();
    ASSERT_FALSE(managed.probe().isTracked(missed));
    desktop.setWindowNumberAnswer(missed, sim::WindowNumberAnswer::number);

    desktop.switchSpace(main, desktop.spaceOrder(main)[1]);
    managed.settle();

    EXPECT_EQ(managed.manager().layoutSpace(missed), desktop.spaceOrder(main)[1]);
    EXPECT_EQ(desktop.frame(missed)->width(), 1440 - 10);
    EXPECT_EQ(managed.manager().status().space, 2);
}

TEST_F(SpaceChangeTest, DisplaysThatSettleWhilePausedWaitForTheResume) {
    start();
    managed.manager().togglePause();
    const std::size_t before = passes();
    desktop.addDisplay({.bounds = {1440, 0, 800, 600}});
    managed.advance(2s);

    EXPECT_FALSE(managed.probe().displaysUnsettled());
    EXPECT_EQ(passes(), before);
}

} // namespace
} // namespace quillmere
