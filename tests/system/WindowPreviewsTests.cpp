#include "platform/ManualMainQueue.h"
#include "platform/sim/SimulatedDesktop.h"
#include "support/Printers.h"
#include "system/WindowPreviews.h"

#include <chrono>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

using namespace std::chrono_literals;
using testing::ElementsAre;
using testing::IsEmpty;

std::vector<WindowId> keys(const WindowPreviews::Images& images) {
    std::vector<WindowId> result;
    for (const auto& [window, image] : images)
        result.push_back(window);
    return result;
}

class WindowPreviewsTest : public testing::Test {
  protected:
    WindowPreviewsTest() {
        previews.setEnabled(true);
        previews.observe([this](const WindowPreviews::Images&) { ++changes; });
    }

    std::vector<WindowId> captured() const {
        std::vector<WindowId> result;
        for (const sim::CaptureRequest& request : desktop.captureRequests())
            result.push_back(request.window);
        return result;
    }

    void settle() { queue.advance(1s); }

    ManualMainQueue queue;
    SimulatedDesktop desktop{queue};
    const DisplayId main = desktop.addDisplay({.bounds = {0, 0, 1920, 1080}});
    const SpaceId other = desktop.addDesktop(main);
    const std::int32_t app = desktop.launch({.bundleIdentifier = "com.example.editor"});
    const WindowId large = desktop.openWindow(app, {.frame = {0, 0, 1200, 900}});
    const WindowId narrow = desktop.openWindow(app, {.frame = {0, 0, 2, 600}});
    const WindowId hidden = desktop.openWindow(app, {.space = other});
    WindowPreviews previews{desktop};
    int changes = 0;
};

TEST_F(WindowPreviewsTest, CapturesTheRequestedWindowsOnScreenAtAThirdOfTheirSize) {
    previews.refresh({large, narrow, hidden});
    EXPECT_THAT(previews.images(), IsEmpty());
    settle();

    // The service lists windows front to back.
    EXPECT_THAT(captured(), ElementsAre(narrow, large));
    EXPECT_EQ(desktop.captureRequests()[0].configuration,
              (ScreenshotConfiguration{
                  .width = 1, .height = 200, .showsCursor = false, .ignoreShadowsSingleWindow = true}));
    EXPECT_EQ(desktop.captureRequests()[1].configuration.width, 400);
    EXPECT_EQ(desktop.captureRequests()[1].configuration.height, 300);
    EXPECT_THAT(keys(previews.images()), ElementsAre(large, narrow));
    EXPECT_EQ(previews.images().at(large)->width, 400);
    EXPECT_EQ(changes, 2);
}

TEST_F(WindowPreviewsTest, CapturesOneWindowAtATime) {
    desktop.setCaptureDelay(100ms);
    previews.refresh({large, narrow});
    queue.advance(100ms);
    EXPECT_THAT(captured(), ElementsAre(narrow));
    queue.advance(100ms);
    EXPECT_THAT(captured(), ElementsAre(narrow, large));
    EXPECT_THAT(keys(previews.images()), ElementsAre(narrow));
}

TEST_F(WindowPreviewsTest, WithoutPermissionNothingIsAskedOfTheService) {
    previews.refresh({large});
    settle();
    desktop.setScreenCaptureAccess(false);
    previews.refresh({large, narrow});
    previews.refresh({});
    settle();
    EXPECT_EQ(desktop.shareableContentRequests(), 1);
    EXPECT_THAT(keys(previews.images()), ElementsAre(large));
}

TEST_F(WindowPreviewsTest, WindowsNotCapturedKeepTheirPictureUntilDropped) {
    previews.refresh({large, narrow});
    settle();
    desktop.switchSpace(main, other);
    desktop.failCapture(hidden);
    previews.refresh({large, narrow, hidden});
    settle();
    EXPECT_THAT(keys(previews.images()), ElementsAre(large, narrow));

    desktop.failShareableContent(true);
    previews.refresh({large});
    settle();
    EXPECT_THAT(keys(previews.images()), ElementsAre(large, narrow));

    changes = 0;
    previews.keep({large, narrow, hidden});
    EXPECT_EQ(changes, 0);
    previews.keep({narrow});
    EXPECT_THAT(keys(previews.images()), ElementsAre(narrow));
    EXPECT_EQ(changes, 1);
}

TEST_F(WindowPreviewsTest, TheSamePictureAgainIsNoChange) {
    previews.refresh({large});
    settle();
    const auto first = previews.images().at(large);
    previews.refresh({large});
    settle();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(desktop.captureRequests().size(), 2u);

    desktop.resizeWindow(large, {900, 900});
    previews.refresh({large});
    settle();
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(previews.images().at(large)->width, 300);
}

TEST_F(WindowPreviewsTest, TurningPreviewsOffForgetsEveryPictureAndOnCapturesNothing) {
    previews.refresh({large, narrow});
    settle();
    previews.setEnabled(false);
    EXPECT_THAT(previews.images(), IsEmpty());
    EXPECT_EQ(changes, 3);
    previews.setEnabled(false);
    EXPECT_EQ(changes, 3);

    previews.refresh({large});
    previews.setEnabled(true);
    settle();
    EXPECT_THAT(previews.images(), IsEmpty());
    EXPECT_EQ(desktop.captureRequests().size(), 2u);
}

TEST_F(WindowPreviewsTest, ACaptureThatEndsAfterPreviewsWereTurnedOffStoresNothing) {
    desktop.setCaptureDelay(100ms);
    previews.refresh({large, narrow});
    queue.advance(100ms);
    ASSERT_THAT(captured(), ElementsAre(narrow));

    previews.setEnabled(false);
    settle();
    EXPECT_THAT(previews.images(), IsEmpty());
    EXPECT_EQ(changes, 0);
    // Nor is the next window captured.
    EXPECT_THAT(captured(), ElementsAre(narrow));
}

TEST_F(WindowPreviewsTest, ObserversThatStoppedAreNotTold) {
    int told = 0;
    const auto id = previews.observe([&](const WindowPreviews::Images&) { ++told; });
    previews.refresh({large});
    settle();
    previews.stopObserving(id);
    previews.keep({});
    EXPECT_EQ(told, 1);
}

TEST(WindowPreviewsLifetimeTest, CapturesEndingAfterThePreviewsAreGoneAreDropped) {
    ManualMainQueue queue;
    SimulatedDesktop desktop{queue};
    desktop.addDisplay({});
    const std::int32_t app = desktop.launch({});
    const WindowId window = desktop.openWindow(app, {});
    {
        WindowPreviews previews{desktop};
        previews.setEnabled(true);
        previews.refresh({window});
    }
    queue.advance(1s);
    EXPECT_EQ(desktop.shareableContentRequests(), 1);
    EXPECT_THAT(desktop.captureRequests(), IsEmpty());
}

} // namespace
} // namespace quillmere
