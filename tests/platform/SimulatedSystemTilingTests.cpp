#include "platform/ManualMainQueue.h"
#include "platform/sim/SimulatedDesktop.h"
#include "support/Printers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>

namespace quillmere {
namespace {

using namespace std::chrono_literals;

class SimulatedSystemTilingTest : public testing::Test {
  protected:
    ManualMainQueue queue;
    SimulatedDesktop desktop{queue};
    const DisplayId display = desktop.addDisplay({.name = "Main", .bounds = {0, 0, 1440, 900}});
    const std::int32_t app = desktop.launch({.bundleIdentifier = "com.example.editor", .name = "Editor"});
};

TEST_F(SimulatedSystemTilingTest, GlidesInEvenStepsWithTheNotificationsOfEachAndKeepsMinimumSizes) {
    const WindowId small = desktop.openWindow(app, {.frame = {100, 100, 400, 300}});
    const WindowId wide = desktop.openWindow(app, {.frame = {0, 0, 800, 600}, .minimumSize = {700, 0}});
    int notifications = 0;
    auto observer = std::move(desktop.observer(app, [&](AXElement, const std::string&) { ++notifications; })).value();
    const auto windows = desktop.attribute(desktop.applicationElement(app), "AXWindows");
    for (AXElement window : std::get<std::vector<AXElement>>(windows.value()))
        for (const char* name : {"AXMoved", "AXResized"})
            ASSERT_EQ(observer->add(window, name), AXError::success);

    desktop.arrangeAsSystem({{small, {0, 0, 800, 500}}, {wide, {720, 0, 400, 900}}}, 200ms, 2);
    queue.advance(99ms);
    EXPECT_EQ(desktop.frame(small), Rect(100, 100, 400, 300));

    queue.advance(1ms);
    EXPECT_EQ(desktop.frame(small), Rect(50, 50, 600, 400));
    EXPECT_EQ(notifications, 4);

    queue.advance(100ms);
    EXPECT_EQ(desktop.frame(small), Rect(0, 0, 800, 500));
    EXPECT_EQ(desktop.frame(wide), Rect(720, 0, 700, 900));
    EXPECT_EQ(notifications, 8);
}

TEST_F(SimulatedSystemTilingTest, HoldsEachButtonUntilItIsLetGo) {
    EXPECT_EQ(desktop.pressedMouseButtons(), 0u);
    desktop.pressButton(0);
    desktop.pressButton(1);
    EXPECT_EQ(desktop.pressedMouseButtons(), 3u);
    desktop.releaseButton(0);
    EXPECT_EQ(desktop.pressedMouseButtons(), 2u);
    EXPECT_THROW(desktop.pressButton(32), std::invalid_argument);
}

} // namespace
} // namespace quillmere
