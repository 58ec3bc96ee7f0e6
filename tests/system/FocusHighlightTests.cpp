#include "platform/ManualMainQueue.h"
#include "platform/sim/SimulatedDesktop.h"
#include "support/Printers.h"
#include "system/AXWindow.h"
#include "system/FocusHighlight.h"

#include <chrono>
#include <functional>
#include <gmock/gmock.h>
#include "support/WindowHandles.h"

#include <gtest/gtest.h>
#include <memory>

namespace quillmere {
namespace {

using namespace std::chrono_literals;

class FocusHighlightTest : public testing::Test {
  protected:
    FocusHighlightTest() {
        highlight->setShowsBorder(true);
        highlight->setDims(true);
    }

    AXWindow handle(WindowId number, std::int32_t of) { return windowHandle(desktop, of, number); }
    AXWindow handle(WindowId number) { return handle(number, app); }

    const sim::Panel* border() const {
        for (const sim::Panel* panel : desktop.panels())
            if (dynamic_cast<const BorderView*>(panel->content.get()))
                return panel;
        return nullptr;
    }
    const sim::Panel* shade() const {
        for (const sim::Panel* panel : desktop.panels())
            if (!panel->content)
                return panel;
        return nullptr;
    }
    bool borderShown() const { return border() && border()->visible; }
    bool shadeShown() const { return shade() && shade()->visible; }

    // Delivers the notifications the desktop has queued.
    void settle() { queue.advance(0ms); }

    ManualMainQueue queue;
    SimulatedDesktop desktop{queue};
    const DisplayId main = desktop.addDisplay({.bounds = {0, 0, 1440, 900}});
    const std::int32_t app = desktop.launch({.bundleIdentifier = "com.example.editor"});
    const WindowId window = desktop.openWindow(app, {.frame = {100, 100, 800, 600}});
    static constexpr std::int32_t ownPid = 1;
    std::unique_ptr<FocusHighlight> highlight =
        std::make_unique<FocusHighlight>(desktop, desktop, desktop, desktop, queue, ownPid);
};

TEST_F(FocusHighlightTest, FramesTheWindowFromAboveAndShadesItsScreenFromBelow) {
    highlight->follow(handle(window));

    ASSERT_TRUE(borderShown());
    // In screen coordinates the window's bottom edge, 700, lies 200 above the bottom of the 900-high screen.
    EXPECT_EQ(border()->frame, Rect(96, 196, 808, 608));
    EXPECT_EQ(border()->ordering, WindowOrderingMode::above);
    EXPECT_EQ(border()->relativeTo, window);
    ASSERT_TRUE(shadeShown());
    EXPECT_EQ(shade()->frame, Rect(0, 0, 1440, 900));
    EXPECT_EQ(shade()->ordering, WindowOrderingMode::below);
    EXPECT_EQ(shade()->relativeTo, window);
    EXPECT_EQ(shade()->style.background, Color::black(0.3));
    EXPECT_TRUE(highlight->isShowing());

    for (const sim::Panel* panel : {border(), shade()}) {
        EXPECT_EQ(panel->style.level, WindowLevel::normal);
        EXPECT_EQ(panel->style.collectionBehavior, 0x49u);
        EXPECT_TRUE(panel->style.ignoresMouseEvents);
        EXPECT_FALSE(panel->style.hasShadow || panel->style.opaque || panel->style.hidesOnDeactivate ||
                     panel->style.animates);
    }
}

TEST_F(FocusHighlightTest, FollowsTheWindowAsItMovesAndResizes) {
    highlight->follow(handle(window));
    desktop.moveWindow(window, {200, 50});
    desktop.resizeWindow(window, {400, 300});
    settle();
    EXPECT_EQ(border()->frame, Rect(196, 546, 408, 308));
}

TEST_F(FocusHighlightTest, LooksAgainShortlyAfterFollowing) {
    const SpaceId first = desktop.currentSpace(main);
    const SpaceId second = desktop.addDesktop(main);
    const WindowId elsewhere = desktop.openWindow(app, {.space = second});
    highlight->follow(handle(elsewhere));
    EXPECT_FALSE(borderShown());

    // A Space change tells the window's observer nothing.
    desktop.switchSpace(main, second);
    queue.advance(149ms);
    EXPECT_FALSE(borderShown());
    queue.advance(1ms);
    EXPECT_TRUE(borderShown());
    EXPECT_EQ(queue.scheduledCount(), 0u);

    desktop.switchSpace(main, first);
    highlight->follow(handle(window));
    highlight->follow(handle(window));
    // Each follow replaces the pending look.
    EXPECT_EQ(queue.scheduledCount(), 1u);
}

struct HiddenCase {
    const char* name;
    std::function<void(SimulatedDesktop&, WindowId)> change;
};

void PrintTo(const HiddenCase& hiddenCase, std::ostream* out) {
    *out << hiddenCase.name;
}

class HiddenTest : public FocusHighlightTest, public testing::WithParamInterface<HiddenCase> {};

TEST_P(HiddenTest, HidesBothPanelsFromAWindowThatCannotBeDecorated) {
    const AXWindow target = handle(window);
    highlight->follow(target);
    ASSERT_TRUE(borderShown() && shadeShown());
    GetParam().change(desktop, window);
    settle();
    highlight->follow(target);
    EXPECT_FALSE(borderShown());
    EXPECT_FALSE(shadeShown());
    EXPECT_FALSE(highlight->isShowing());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HiddenTest,
    testing::Values(HiddenCase{"minimized", [](SimulatedDesktop& d, WindowId w) { d.minimize(w, true); }},
                    HiddenCase{"full screen",
                               [](SimulatedDesktop& d, WindowId w) { d.enterFullScreen({w}); }},
                    HiddenCase{"on another Space",
                               [](SimulatedDesktop& d, WindowId) {
                                   const DisplayId shown = d.activeDisplays().front();
                                   d.switchSpace(shown, d.addDesktop(shown));
                               }},
                    HiddenCase{"frame unreadable",
                               [](SimulatedDesktop& d, WindowId w) { d.failAttribute(w, "AXPosition"); }},
                    HiddenCase{"application not answering",
                               [](SimulatedDesktop& d, WindowId w) {
                                   d.setResponding(d.describe({w}).front().ownerPid, false);
                               }}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::erase(name, ' ');
        return name;
    });

TEST_F(FocusHighlightTest, NeverDecoratesItsOwnWindowsOrAnEmptyFrame) {
    const AXWindow flat = handle(desktop.openWindow(app, {.frame = {10, 10, 0, 300}}));
    highlight->follow(flat);
    EXPECT_FALSE(borderShown() || shadeShown());

    FocusHighlight own(desktop, desktop, desktop, desktop, queue, app);
    own.setShowsBorder(true);
    own.follow(handle(window));
    EXPECT_FALSE(own.isShowing());
}

TEST_F(FocusHighlightTest, HidesWhenTheWindowIsMinimizedWithoutAnotherFollow) {
    highlight->follow(handle(window));
    desktop.minimize(window, true);
    settle();
    EXPECT_FALSE(borderShown() || shadeShown());
}

TEST_F(FocusHighlightTest, ClosingTheWindowHidesThePanelsAndStopsWatching) {
    highlight->follow(handle(window));
    queue.advance(150ms);
    desktop.closeWindow(window);
    settle();
    EXPECT_FALSE(borderShown() || shadeShown());

    // Nothing watches the application any more: another window of it changes without a notification.
    const WindowId other = desktop.openWindow(app, {});
    desktop.moveWindow(other, {300, 300});
    EXPECT_EQ(queue.scheduledCount(), 0u);
}

TEST_F(FocusHighlightTest, WithNothingToDrawItNeitherWatchesNorLooksAgain) {
    highlight->follow(handle(window));
    highlight->setShowsBorder(false);
    highlight->setDims(false);
    highlight->follow(handle(window));
    EXPECT_FALSE(borderShown() || shadeShown());
    EXPECT_EQ(queue.scheduledCount(), 0u);
    desktop.moveWindow(window, {300, 300});
    EXPECT_EQ(queue.scheduledCount(), 0u);
}

TEST_F(FocusHighlightTest, SuspendingHidesAndStopsWatchingUntilResumed) {
    highlight->follow(handle(window));
    queue.advance(150ms);
    highlight->setSuspended(true);
    EXPECT_FALSE(borderShown() || shadeShown());
    desktop.moveWindow(window, {300, 300});
    EXPECT_EQ(queue.scheduledCount(), 0u);

    highlight->setSuspended(false);
    EXPECT_TRUE(borderShown() && shadeShown());
    EXPECT_EQ(border()->frame, Rect(296, -4, 808, 608));
    desktop.moveWindow(window, {200, 300});
    settle();
    EXPECT_EQ(border()->frame, Rect(196, -4, 808, 608));
}

TEST_F(FocusHighlightTest, ABorderAloneOrAShadeAloneShowsOnlyThatPanel) {
    highlight->setDims(false);
    highlight->follow(handle(window));
    EXPECT_TRUE(borderShown());
    EXPECT_FALSE(shadeShown());

    highlight->setDims(true);
    highlight->setShowsBorder(false);
    EXPECT_FALSE(borderShown());
    EXPECT_TRUE(shadeShown());
}

TEST_F(FocusHighlightTest, NewColourOpacityAndDimmingReachThePanels) {
    highlight->follow(handle(window));
    const auto before = border()->content;
    highlight->setBorderOpacity(1.0);
    EXPECT_EQ(border()->content, before);

    const Color red{1, 0, 0, 1};
    highlight->setBorderColor(red);
    highlight->setBorderOpacity(0.5);
    const auto* drawn = dynamic_cast<const BorderView*>(border()->content.get());
    ASSERT_NE(drawn, nullptr);
    EXPECT_EQ(drawn->color, red);
    EXPECT_EQ(drawn->opacity, 0.5);

    highlight->setDimOpacity(0.6);
    EXPECT_EQ(shade()->style.background, Color::black(0.6));
}

// Two screens of the same size side by side.
class TwoScreenHighlightTest : public FocusHighlightTest,
                               public testing::WithParamInterface<std::pair<Rect, int>> {
  protected:
    const DisplayId second = desktop.addDisplay({.bounds = {1440, 0, 1440, 900}});
};

TEST_P(TwoScreenHighlightTest, ShadesTheScreenThatHoldsMoreOfTheWindow) {
    const auto [frame, screen] = GetParam();
    desktop.moveWindow(window, frame.origin);
    desktop.resizeWindow(window, frame.size);
    highlight->follow(handle(window));
    ASSERT_TRUE(shadeShown());
    EXPECT_EQ(shade()->frame, desktop.screens()[screen].frame);
}

INSTANTIATE_TEST_SUITE_P(Cases, TwoScreenHighlightTest,
                         testing::Values(std::pair{Rect(1000, 100, 800, 600), 0},
                                         std::pair{Rect(1200, 100, 800, 600), 1},
                                         // Equal parts: the first screen in the system's list.
                                         std::pair{Rect(1040, 100, 800, 600), 0},
                                         std::pair{Rect(1500, 100, 800, 600), 1}));

TEST_F(FocusHighlightTest, AHighlightThatGoesAwayLeavesNothingToCallItBack) {
    highlight->follow(handle(window));
    ASSERT_EQ(queue.scheduledCount(), 1u);
    highlight.reset();
    EXPECT_EQ(queue.scheduledCount(), 0u);
    EXPECT_TRUE(desktop.panels().empty());

    desktop.moveWindow(window, {300, 300});
    desktop.closeWindow(window);
    EXPECT_EQ(queue.scheduledCount(), 0u);
    queue.advance(1s);
}

} // namespace
} // namespace quillmere
