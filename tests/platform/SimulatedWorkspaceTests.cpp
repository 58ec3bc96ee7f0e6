#include "platform/ManualMainQueue.h"
#include "platform/sim/SimulatedDesktop.h"
#include "support/Printers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace quillmere {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using Heard = std::pair<std::string, std::optional<std::int32_t>>;

class SimulatedWorkspaceTest : public testing::Test {
  protected:
    void settle() { queue.advance(MainQueue::Duration::zero()); }

    // Listens to every notification the workspace posts, with the process of the application it carries.
    void listen() {
        for (std::string_view name :
             {didLaunchApplicationNotification, didTerminateApplicationNotification,
              didActivateApplicationNotification, didHideApplicationNotification, didUnhideApplicationNotification,
              didWakeNotification, screensDidWakeNotification, applicationDidChangeScreenParametersNotification,
              applicationWillTerminateNotification, activeSpaceDidChangeNotification})
            desktop.addObserver(name, std::function<void(const WorkspaceNotification&)>(
                                          [this](const WorkspaceNotification& notification) {
                                              heard.emplace_back(notification.name,
                                                                 notification.application
                                                                     ? std::optional(
                                                                           notification.application->processIdentifier)
                                                                     : std::nullopt);
                                          }));
    }

    bool onScreen(WindowId window) {
        for (const WindowDescription& description : desktop.onScreenWindows())
            if (description.number == window)
                return true;
        return false;
    }

    ManualMainQueue queue;
    SimulatedDesktop desktop{queue};
    const DisplayId main = desktop.addDisplay({.name = "Main", .bounds = {0, 0, 1000, 800}, .desktops = 2});
    const std::int32_t app = desktop.launch({.bundleIdentifier = "com.example.editor", .name = "Editor"});
    std::vector<Heard> heard;
};

TEST_F(SimulatedWorkspaceTest, PostsWhatApplicationsAndHardwareDoAfterTheCallBehindIt) {
    listen();
    const auto mail = desktop.launch({.name = "Mail"});
    const WindowId window = desktop.openWindow(mail, {});
    desktop.focus(window);
    desktop.focus(window);
    desktop.hide(mail);
    desktop.unhide(mail);
    desktop.quit(mail);
    desktop.removeDisplay(desktop.addDisplay({.bounds = {1000, 0, 800, 600}}));
    desktop.sleepAndWake();
    desktop.quitOwnApplication();
    EXPECT_THAT(heard, IsEmpty());

    settle();
    EXPECT_THAT(heard, ElementsAre(Heard{std::string(didLaunchApplicationNotification), mail},
                                   Heard{std::string(didActivateApplicationNotification), mail},
                                   Heard{std::string(didHideApplicationNotification), mail},
                                   Heard{std::string(didUnhideApplicationNotification), mail},
                                   Heard{std::string(didTerminateApplicationNotification), mail},
                                   Heard{std::string(applicationDidChangeScreenParametersNotification), std::nullopt},
                                   Heard{std::string(applicationDidChangeScreenParametersNotification), std::nullopt},
                                   Heard{std::string(didWakeNotification), std::nullopt},
                                   Heard{std::string(screensDidWakeNotification), std::nullopt},
                                   Heard{std::string(applicationWillTerminateNotification), std::nullopt}));
}

TEST_F(SimulatedWorkspaceTest, AnObserverThatReadsNotificationsHearsSpaceChangesByName) {
    listen();
    desktop.switchSpace(main, desktop.spaceOrder(main)[1]);
    settle();
    EXPECT_THAT(heard, ElementsAre(Heard{std::string(activeSpaceDidChangeNotification), std::nullopt}));
}

TEST_F(SimulatedWorkspaceTest, HiddenWindowsLeaveTheScreenButStayTheApplicationsWindows) {
    const WindowId window = desktop.openWindow(app, {});
    desktop.hide(app);

    EXPECT_FALSE(onScreen(window));
    EXPECT_EQ(std::get<std::vector<AXElement>>(desktop.attribute(desktop.applicationElement(app), "AXWindows").value())
                  .size(),
              1u);
    EXPECT_EQ(desktop.allWindows().size(), 1u);

    desktop.focus(window);
    EXPECT_TRUE(onScreen(window)) << "focusing a window of a hidden application unhides it";
}

TEST_F(SimulatedWorkspaceTest, ListsEveryWindowOfEverySpaceFrontToBack) {
    const WindowId back = desktop.openWindow(app, {});
    const WindowId away = desktop.openWindow(app, {.space = desktop.spaceOrder(main)[1]});
    const WindowId minimized = desktop.openWindow(app, {});
    desktop.minimize(minimized, true);

    std::vector<WindowId> listed;
    for (const WindowDescription& description : desktop.allWindows())
        listed.push_back(description.number);
    EXPECT_THAT(listed, ElementsAre(minimized, away, back));
}

TEST_F(SimulatedWorkspaceTest, ANewTabTakesTheOldTabsFrameAndSpaceAndFocus) {
    const WindowId old = desktop.openWindow(app, {.title = "a.txt", .frame = {10, 20, 300, 200}});
    const WindowId tab = desktop.openTab(old);

    EXPECT_EQ(desktop.frame(tab), Rect(10, 20, 300, 200));
    EXPECT_THAT(desktop.spaces(tab), ElementsAre(desktop.currentSpace(main)));
    EXPECT_THAT(desktop.spaces(old), IsEmpty());
    EXPECT_EQ(desktop.keyWindow(app), tab);
    EXPECT_FALSE(onScreen(old));
}

TEST_F(SimulatedWorkspaceTest, RefusesObserversOfAnApplicationWhenTold) {
    const auto stubborn = desktop.launch({.name = "Stubborn"});
    desktop.refuseObservers(stubborn);

    EXPECT_FALSE(desktop.observer(stubborn, [](AXElement, const std::string&) {}));
    EXPECT_TRUE(desktop.observer(app, [](AXElement, const std::string&) {}));
}

TEST_F(SimulatedWorkspaceTest, AnApplicationMayHaveASettableEnhancedUserInterface) {
    const AXElement element = desktop.applicationElement(app);
    EXPECT_EQ(desktop.attribute(element, "AXEnhancedUserInterface").error(), AXError::attributeUnsupported);
    EXPECT_EQ(desktop.setAttribute(element, "AXEnhancedUserInterface", true), AXError::attributeUnsupported);

    desktop.setEnhancedUserInterface(app, true);
    EXPECT_EQ(desktop.isSettable(element, "AXEnhancedUserInterface").value(), true);
    EXPECT_EQ(desktop.setAttribute(element, "AXEnhancedUserInterface", false), AXError::success);
    EXPECT_EQ(std::get<bool>(desktop.attribute(element, "AXEnhancedUserInterface").value()), false);
    EXPECT_EQ(desktop.enhancedUserInterface(app), false);
}

TEST_F(SimulatedWorkspaceTest, KeepsUserDefaultsAndMotionPreferenceInMemory) {
    EXPECT_FALSE(desktop.shouldReduceMotion());
    desktop.setString("lastProfile", "Work");
    desktop.setBoolean("welcomeSeen", true);

    EXPECT_EQ(desktop.string("lastProfile"), "Work");
    EXPECT_EQ(desktop.boolean("lastProfile"), std::nullopt);
    EXPECT_EQ(desktop.boolean("welcomeSeen"), true);
    desktop.remove("lastProfile");
    EXPECT_EQ(desktop.string("lastProfile"), std::nullopt);
}

} // namespace
} // namespace quillmere
