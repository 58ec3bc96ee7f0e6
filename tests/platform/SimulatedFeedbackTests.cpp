#include "platform/ManualMainQueue.h"
#include "platform/sim/SimulatedDesktop.h"
#include "support/Printers.h"

#include <chrono>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

using namespace std::chrono_literals;
using testing::ElementsAre;

class SimulatedFeedbackTest : public testing::Test {
  protected:
    template <class T> T read(AXElement element, std::string_view name) {
        const auto answer = desktop.attribute(element, name);
        return std::get<T>(answer.value());
    }
    std::vector<AXElement> children(AXElement element) {
        return read<std::vector<AXElement>>(element, "AXChildren");
    }
    // In the order the panels were made.
    std::vector<bool> panelsVisible() const {
        std::vector<bool> result;
        for (const sim::Panel* panel : desktop.panels())
            result.push_back(panel->visible);
        return result;
    }

    ManualMainQueue queue;
    SimulatedDesktop desktop{queue};
    const DisplayId main = desktop.addDisplay({.bounds = {0, 0, 1000, 800}});
    const std::int32_t app = desktop.launch({.bundleIdentifier = "com.example.editor"});
};

TEST_F(SimulatedFeedbackTest, AFadeStoppedBySettingAlphaStillCompletesWhenDue) {
    auto panel = desktop.makePanel({});
    int completions = 0;
    panel->animateAlpha(0, 0.3, [&] { ++completions; });
    queue.advance(100ms);
    panel->setAlpha(0.5);
    queue.advance(200ms);
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(desktop.panels().front()->alpha, 0.5);

    panel->animateAlpha(0, 0.3, [&] { ++completions; });
    queue.advance(300ms);
    EXPECT_EQ(desktop.panels().front()->alpha, 0);
    EXPECT_EQ(completions, 2);

    panel->animateAlpha(1, 0.3, [&] { ++completions; });
    panel.reset();
    queue.advance(300ms);
    EXPECT_EQ(completions, 2);
    EXPECT_TRUE(desktop.panels().empty());
}

TEST_F(SimulatedFeedbackTest, OnlyAnAnimatingPanelTakesTheSystemsTimeToLeaveTheScreen) {
    auto animating = desktop.makePanel({.animates = true});
    auto immediate = desktop.makePanel({.animates = false});
    animating->orderFrontRegardless();
    immediate->orderFrontRegardless();
    EXPECT_THAT(panelsVisible(), ElementsAre(true, true));

    animating->orderOut();
    immediate->orderOut();
    EXPECT_THAT(panelsVisible(), ElementsAre(true, false));
    queue.advance(SimulatedDesktop::panelOrderOutTime - 1ms);
    EXPECT_THAT(panelsVisible(), ElementsAre(true, false));
    queue.advance(1ms);
    EXPECT_THAT(panelsVisible(), ElementsAre(false, false));

    // Shown again while the system takes it off, it stays.
    animating->orderFrontRegardless();
    animating->orderOut();
    queue.advance(100ms);
    animating->order(WindowOrderingMode::above, 0);
    queue.advance(1s);
    EXPECT_THAT(panelsVisible(), ElementsAre(true, false));
}

TEST_F(SimulatedFeedbackTest, PanelsThatHideOnDeactivationLeaveWhileAnotherApplicationIsActive) {
    const std::int32_t own = desktop.launch({.bundleIdentifier = "com.brenvald.quillmere"});
    desktop.setOwnApplication(own);
    desktop.activate(own);
    auto hiding = desktop.makePanel({.hidesOnDeactivate = true, .animates = false});
    auto staying = desktop.makePanel({.hidesOnDeactivate = false, .animates = false});
    auto out = desktop.makePanel({.hidesOnDeactivate = true, .animates = false});
    hiding->orderFrontRegardless();
    staying->orderFrontRegardless();

    desktop.activate(app);
    EXPECT_THAT(panelsVisible(), ElementsAre(false, true, false));
    desktop.activate(own);
    EXPECT_THAT(panelsVisible(), ElementsAre(true, true, false));

    // Ordered in while another application is active, it shows regardless.
    desktop.focus(desktop.openWindow(app, {}));
    hiding->orderFrontRegardless();
    EXPECT_THAT(panelsVisible(), ElementsAre(true, true, false));
}

TEST_F(SimulatedFeedbackTest, AClickBesideTheOfferedWindowsPutsEveryWindowBack) {
    const WindowId first = desktop.openWindow(app, {.frame = {100, 100, 300, 200}});
    const WindowId second = desktop.openWindow(app, {.frame = {200, 200, 300, 200}});
    desktop.focus(first);
    desktop.setMenuBar(app, {{.role = "AXMenuBarItem",
                              .children = {{.role = "AXMenu",
                                            .children = {{.identifier = "_tileRight:",
                                                          .effect = sim::MenuEffect::tileRight}}}}}});
    const AXElement bar =
        std::get<AXElement>(desktop.attribute(desktop.applicationElement(app), "AXMenuBar").value());
    const auto barItems = std::get<std::vector<AXElement>>(desktop.attribute(bar, "AXChildren").value());
    const auto menus =
        std::get<std::vector<AXElement>>(desktop.attribute(barItems.front(), "AXChildren").value());
    const auto items =
        std::get<std::vector<AXElement>>(desktop.attribute(menus.front(), "AXChildren").value());
    ASSERT_EQ(desktop.perform(items.front(), "AXPress"), AXError::success);

    EXPECT_EQ(desktop.frame(first), Rect(500, 0, 500, 800));
    queue.advance(200ms);
    EXPECT_EQ(desktop.frame(second), Rect(50, 80, 400, 640));
    desktop.post(EventTapLocation::hid, desktop.createMouseEvent(EventType::leftMouseUp, {600, 600}).value());
    EXPECT_FALSE(desktop.isPickingTile());
    EXPECT_EQ(desktop.frame(first), Rect(100, 100, 300, 200));
    EXPECT_EQ(desktop.frame(second), Rect(200, 200, 300, 200));
    EXPECT_THAT(desktop.spaceOrder(main), ElementsAre(desktop.currentSpace(main)));
}

TEST_F(SimulatedFeedbackTest, MenusAnswerLikeAnApplicationsMenus) {
    EXPECT_EQ(desktop.attribute(desktop.applicationElement(app), "AXMenuBar").error(), AXError::noValue);
    desktop.setMenuBar(app, {{.role = "AXMenuBarItem", .title = "Window", .enabled = std::nullopt}});
    EXPECT_THROW(desktop.setMenuBar(app, {}), std::invalid_argument);

    const AXElement bar =
        std::get<AXElement>(desktop.attribute(desktop.applicationElement(app), "AXMenuBar").value());
    const AXElement item =
        std::get<std::vector<AXElement>>(desktop.attribute(bar, "AXChildren").value()).front();
    EXPECT_EQ(std::get<std::string>(desktop.attribute(item, "AXTitle").value()), "Window");
    EXPECT_EQ(desktop.attribute(item, "AXEnabled").error(), AXError::noValue);
    EXPECT_EQ(desktop.attribute(item, "AXIdentifier").error(), AXError::noValue);
    EXPECT_EQ(desktop.perform(item, "AXRaise"), AXError::actionUnsupported);
    desktop.quit(app);
    EXPECT_EQ(desktop.perform(item, "AXPress"), AXError::cannotComplete);
}

TEST_F(SimulatedFeedbackTest, TheFullScreenButtonTogglesAndGoesWithItsWindow) {
    const WindowId window = desktop.openWindow(app, {});
    const AXElement element =
        read<std::vector<AXElement>>(desktop.applicationElement(app), "AXWindows").front();
    const AXElement button = read<AXElement>(element, "AXFullScreenButton");
    EXPECT_EQ(desktop.perform(button, "AXPress"), AXError::success);
    EXPECT_EQ(desktop.spaceOrder(main).size(), 2u);
    EXPECT_EQ(desktop.perform(button, "AXPress"), AXError::success);
    EXPECT_EQ(desktop.spaceOrder(main).size(), 1u);
    desktop.closeWindow(window);
    EXPECT_EQ(desktop.perform(button, "AXPress"), AXError::invalidUIElement);
}

TEST_F(SimulatedFeedbackTest, CaptureAnswersArriveOnTheQueue) {
    const WindowId window = desktop.openWindow(app, {.title = "Notes"});
    std::vector<ShareableWindow> listed;
    desktop.shareableContent({.onScreenWindowsOnly = true}, [&](auto content) { listed = content.value(); });
    EXPECT_TRUE(listed.empty());
    queue.advance(0ms);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed.front().windowID, window);
    EXPECT_EQ(listed.front().title, "Notes");

    std::optional<CaptureError> error;
    desktop.setScreenCaptureAccess(false);
    desktop.captureDesktopIndependentWindow(window, {.width = 2, .height = 2},
                                            [&](auto picture) { error = picture.error(); });
    queue.advance(0ms);
    EXPECT_EQ(error, CaptureError::userDeclined);
}

} // namespace
} // namespace quillmere
