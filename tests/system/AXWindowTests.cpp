#include "platform/ManualMainQueue.h"
#include "platform/sim/SimulatedDesktop.h"
#include "support/Printers.h"
#include "system/AXUIElement.h"
#include "system/AXWindow.h"

#include <functional>
#include <gmock/gmock.h>
#include "support/WindowHandles.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

using testing::ElementsAre;
using Setup = SimulatedDesktop::WindowSetup;

class AXWindowTest : public testing::Test {
  protected:
    AXWindow handle(WindowId number) { return windowHandle(desktop, app, number); }

    std::vector<WindowId> ids(std::int32_t pid) {
        std::vector<WindowId> result;
        for (const AXWindow& window : AXUIElementRef::windows(desktop, pid))
            result.push_back(window.id);
        return result;
    }

    // What the window receives while `work` runs.
    std::vector<std::string> traceOf(const std::function<void()>& work) {
        desktop.traceAccessibility(true);
        work();
        std::vector<std::string> trace = desktop.accessibilityTrace();
        desktop.traceAccessibility(false);
        return trace;
    }

    ManualMainQueue queue;
    SimulatedDesktop desktop{queue};
    const DisplayId display = desktop.addDisplay({.bounds = {0, 0, 1440, 900}});
    const std::int32_t app = desktop.launch({.bundleIdentifier = "com.example.editor", .name = "Editor"});
};

struct TileableCase {
    const char* name;
    Setup setup;
    std::function<void(SimulatedDesktop&, WindowId)> then;
    bool tileable;
};

void PrintTo(const TileableCase& tileableCase, std::ostream* out) {
    *out << tileableCase.name;
}

class TileableTest : public AXWindowTest, public testing::WithParamInterface<TileableCase> {};

TEST_P(TileableTest, OnlyStandardResizableWindowsOnTheDesktopAreTileable) {
    const WindowId window = desktop.openWindow(app, GetParam().setup);
    if (GetParam().then)
        GetParam().then(desktop, window);
    EXPECT_EQ(handle(window).isTileable(desktop), GetParam().tileable);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TileableTest,
    testing::Values(
        TileableCase{"standard", {}, {}, true}, TileableCase{"dialog", {.subrole = "AXDialog"}, {}, false},
        TileableCase{"floating panel", {.subrole = "AXFloatingWindow"}, {}, false},
        TileableCase{"no subrole", {.subrole = std::nullopt}, {}, false},
        TileableCase{"sheet", {.role = "AXSheet"}, {}, false},
        TileableCase{"minimized", {}, [](SimulatedDesktop& d, WindowId w) { d.minimize(w, true); }, false},
        TileableCase{
            "full screen", {}, [](SimulatedDesktop& d, WindowId w) { d.enterFullScreen({w}); }, false},
        TileableCase{"size not settable", {.unsettable = {"AXSize"}}, {}, false},
        TileableCase{"settable query fails",
                     {},
                     [](SimulatedDesktop& d, WindowId w) { d.failAttribute(w, "AXSize"); },
                     false},
        TileableCase{"role unreadable",
                     {},
                     [](SimulatedDesktop& d, WindowId w) { d.failAttribute(w, "AXRole"); },
                     false},
        TileableCase{"minimized state unreadable",
                     {},
                     [](SimulatedDesktop& d, WindowId w) { d.failAttribute(w, "AXMinimized"); },
                     true},
        TileableCase{"full-screen state unreadable",
                     {},
                     [](SimulatedDesktop& d, WindowId w) { d.failAttribute(w, "AXFullScreen"); },
                     true}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::erase(name, ' ');
        std::erase(name, '-');
        return name;
    });

TEST_F(AXWindowTest, TheTileableTestAsksForSettabilityFirstAndStopsAtTheFirstFailure) {
    const AXWindow dialog = handle(desktop.openWindow(app, {.subrole = "AXDialog"}));
    const std::string self = "window " + std::to_string(dialog.id);
    EXPECT_THAT(traceOf([&] { dialog.isTileable(desktop); }),
                ElementsAre("settable " + self + " AXSize", "read " + self + " AXRole",
                            "read " + self + " AXSubrole"));
}

TEST_F(AXWindowTest, ReadsTheFrameFromPositionAndSize) {
    const AXWindow window = handle(desktop.openWindow(app, {.frame = {10.5, 20, 300, 200}}));
    EXPECT_EQ(window.frame(desktop), Rect(10.5, 20, 300, 200));
    desktop.failAttribute(window.id, "AXSize");
    EXPECT_EQ(window.frame(desktop), std::nullopt);
}

TEST_F(AXWindowTest, WritesNothingWhenTheWindowCoversTheSameWholePoints) {
    const AXWindow window = handle(desktop.openWindow(app, {.frame = {10.2, 10.2, 300, 200}}));
    const auto trace = traceOf([&] { window.setFrame(desktop, {10.4, 10.3, 300.5, 200.5}); });
    EXPECT_THAT(trace, ElementsAre("read window 100 AXPosition", "read window 100 AXSize"));
    EXPECT_EQ(desktop.frame(window.id), Rect(10.2, 10.2, 300, 200));
}

TEST_F(AXWindowTest, WritesSizeThenPositionThenSizeWithTheExactTarget) {
    const AXWindow window = handle(desktop.openWindow(app, {.frame = {10, 10, 300, 200}}));
    const auto trace = traceOf([&] { window.setFrame(desktop, {50.5, 60, 500.25, 400}); });
    EXPECT_THAT(trace,
                ElementsAre("read window 100 AXPosition", "read window 100 AXSize",
                            "write window 100 AXSize 500.25x400", "write window 100 AXPosition 50.5,60",
                            "write window 100 AXSize 500.25x400"));
    EXPECT_EQ(desktop.frame(window.id), Rect(50.5, 60, 500.25, 400));
}

TEST_F(AXWindowTest, AWindowWhoseFrameCannotBeReadReceivesAllThreeWrites) {
    const AXWindow window = handle(desktop.openWindow(app, {.frame = {10, 10, 300, 200}}));
    desktop.failAttribute(window.id, "AXPosition");
    const auto trace = traceOf([&] { window.setFrame(desktop, {10, 10, 300, 200}); });
    EXPECT_EQ(std::ranges::count_if(trace, [](const std::string& line) { return line.starts_with("write"); }),
              3);
}

TEST_F(AXWindowTest, TheWindowListKeepsTheApplicationsOrderWithoutElementsThatAreNoWindows) {
    const WindowId first = desktop.openWindow(app, {});
    const WindowId zero = desktop.openWindow(app, {});
    const WindowId failing = desktop.openWindow(app, {});
    const WindowId last = desktop.openWindow(app, {});
    desktop.setWindowNumberAnswer(zero, sim::WindowNumberAnswer::zero);
    desktop.setWindowNumberAnswer(failing, sim::WindowNumberAnswer::error);
    // The application lists its windows front to back.
    EXPECT_THAT(ids(app), ElementsAre(last, first));

    const AXWindow window = AXUIElementRef::windows(desktop, app).front();
    EXPECT_EQ(window.pid, app);
    EXPECT_EQ(desktop.windowNumber(window.element).value(), last);

    desktop.setResponding(app, false);
    EXPECT_THAT(ids(app), ElementsAre());
    EXPECT_THAT(ids(4242), ElementsAre());
}

TEST_F(AXWindowTest, TypedReadsAnswerNoneForAnotherKind) {
    const WindowId window = desktop.openWindow(app, {.title = "Notes"});
    const AXElement element = handle(window).element;
    EXPECT_EQ(AXUIElementRef::value<std::string>(desktop, element, "AXTitle"), "Notes");
    EXPECT_EQ(AXUIElementRef::value<bool>(desktop, element, "AXTitle"), std::nullopt);
    EXPECT_EQ(AXUIElementRef::value<std::string>(desktop, element, "AXNoSuchAttribute"), std::nullopt);
    const auto size = AXUIElementRef::value<AXValue>(desktop, element, "AXSize");
    ASSERT_TRUE(size);
    EXPECT_EQ(size->point(), std::nullopt);
}

TEST_F(AXWindowTest, TheBundleIdentifierFallsBackToTheNameAndThenToNothing) {
    const std::int32_t unbundled = desktop.launch({.name = "Tool"});
    EXPECT_EQ((AXWindow{1, app, {}}.bundleID(desktop)), "com.example.editor");
    EXPECT_EQ((AXWindow{1, unbundled, {}}.bundleID(desktop)), "Tool");
    desktop.quit(app);
    EXPECT_EQ((AXWindow{1, app, {}}.bundleID(desktop)), "");
}

} // namespace
} // namespace quillmere
