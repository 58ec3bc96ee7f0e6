#include "core/FullScreenTiles.h"
#include "platform/ManualMainQueue.h"
#include "platform/sim/SimulatedDesktop.h"
#include "support/Printers.h"

#include <array>
#include <chrono>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <utility>

namespace quillmere {
namespace {

using namespace std::chrono_literals;
using testing::ElementsAre;
using testing::IsEmpty;

// The accessibility element of a window, as its application lists it.
AXElement elementOf(SimulatedDesktop& desktop, WindowId window) {
    const std::int32_t pid = desktop.describe({window}).front().ownerPid;
    const auto windows = desktop.attribute(desktop.applicationElement(pid), "AXWindows");
    for (AXElement candidate : std::get<std::vector<AXElement>>(windows.value()))
        if (desktop.windowNumber(candidate).value() == window)
            return candidate;
    return {};
}

class SimulatedDesktopTest : public testing::Test {
  protected:
    explicit SimulatedDesktopTest(
        SimulatedDesktop::SpaceListForm form = SimulatedDesktop::SpaceListForm::perDisplay)
        : desktop(queue, form) {}

    void settle() { queue.advance(MainQueue::Duration::zero()); }

    AXElement element(WindowId window) { return elementOf(desktop, window); }

    ManualMainQueue queue;
    SimulatedDesktop desktop;
    const DisplayId left = desktop.addDisplay({.name = "Left", .bounds = {0, 0, 1000, 800}, .desktops = 2});
    const DisplayId right = desktop.addDisplay({.name = "Right", .bounds = {1000, -200, 800, 600}});
    const std::int32_t app = desktop.launch({.bundleIdentifier = "com.example.editor", .name = "Editor"});
};

TEST_F(SimulatedDesktopTest, DeliversNotificationsOnTheMainQueueAndOnlyWhileRegistered) {
    std::vector<std::string> received;
    auto observer = std::move(desktop.observer(app, [&](AXElement, const std::string& notification) {
                        received.push_back(notification);
                    })).value();
    ASSERT_EQ(observer->add(desktop.applicationElement(app), "AXWindowCreated"), AXError::success);
    EXPECT_EQ(observer->add(desktop.applicationElement(app), "AXWindowCreated"),
              AXError::notificationAlreadyRegistered);

    const WindowId window = desktop.openWindow(app, {});
    EXPECT_THAT(received, IsEmpty());
    settle();
    EXPECT_THAT(received, ElementsAre("AXWindowCreated"));

    ASSERT_EQ(observer->add(element(window), "AXResized"), AXError::success);
    ASSERT_EQ(observer->add(element(window), "AXMoved"), AXError::success);
    desktop.resizeWindow(window, {500, 400});
    desktop.moveWindow(window, {10, 10});
    EXPECT_EQ(observer->remove(element(window), "AXMoved"), AXError::success);
    settle();
    EXPECT_THAT(received, ElementsAre("AXWindowCreated", "AXResized"));

    desktop.resizeWindow(window, {600, 400});
    observer.reset();
    settle();
    EXPECT_THAT(received, ElementsAre("AXWindowCreated", "AXResized"));
}

TEST_F(SimulatedDesktopTest, AnObserverMayDestroyItselfInItsCallback) {
    std::unique_ptr<AXObserver> observer;
    int calls = 0;
    observer = std::move(desktop.observer(app, [&](AXElement, const std::string&) {
                   ++calls;
                   observer.reset();
               })).value();
    ASSERT_EQ(observer->add(desktop.applicationElement(app), "AXWindowCreated"), AXError::success);
    desktop.openWindow(app, {});
    desktop.openWindow(app, {});
    settle();
    EXPECT_EQ(calls, 1);
}

struct SizeCase {
    Size asked;
    Size accepted;
};

class SizeClampTest : public SimulatedDesktopTest, public testing::WithParamInterface<SizeCase> {};

TEST_P(SizeClampTest, SizeWritesStayWithinTheWindowsMinimumAndMaximum) {
    const WindowId window =
        desktop.openWindow(app, {.minimumSize = {300, 200}, .maximumSize = Size{900, 700}});
    EXPECT_EQ(desktop.setAttribute(element(window), "AXSize", AXValue(GetParam().asked)), AXError::success);
    EXPECT_EQ(desktop.frame(window)->size, GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(Cases, SizeClampTest,
                         testing::Values(SizeCase{{500, 400}, {500, 400}}, SizeCase{{100, 400}, {300, 400}},
                                         SizeCase{{500, 50}, {500, 200}}, SizeCase{{2000, 2000}, {900, 700}},
                                         SizeCase{{-10, 800}, {300, 700}}));

TEST_F(SimulatedDesktopTest, RefusesWritesTheApplicationDoesNotAllow) {
    const WindowId window = desktop.openWindow(app, {.frame = {10, 10, 400, 300}, .unsettable = {"AXSize"}});
    EXPECT_EQ(desktop.isSettable(element(window), "AXSize").value(), false);
    EXPECT_EQ(desktop.setAttribute(element(window), "AXSize", AXValue(Size{500, 500})), AXError::failure);
    EXPECT_EQ(desktop.setAttribute(element(window), "AXPosition", AXValue(Size{5, 5})),
              AXError::illegalArgument);
    EXPECT_EQ(desktop.frame(window), Rect(10, 10, 400, 300));
}

TEST_F(SimulatedDesktopTest, FailsAsAGoneWindowABusyApplicationOrAnUntrustedProcessWould) {
    const WindowId closed = desktop.openWindow(app, {});
    const AXElement closedElement = element(closed);
    desktop.closeWindow(closed);
    EXPECT_EQ(desktop.attribute(closedElement, "AXRole").error(), AXError::invalidUIElement);

    const WindowId window = desktop.openWindow(app, {});
    desktop.failAttribute(window, "AXSubrole");
    EXPECT_EQ(desktop.attribute(element(window), "AXSubrole").error(), AXError::cannotComplete);
    EXPECT_TRUE(desktop.attribute(element(window), "AXRole"));

    const AXElement windowElement = element(window);
    desktop.setResponding(app, false);
    EXPECT_EQ(desktop.attribute(windowElement, "AXRole").error(), AXError::cannotComplete);
    desktop.setResponding(app, true);

    desktop.setTrusted(false);
    EXPECT_EQ(desktop.attribute(windowElement, "AXRole").error(), AXError::apiDisabled);
}

TEST_F(SimulatedDesktopTest, PressingTheCloseButtonClosesTheWindowAsItsApplicationWould) {
    const WindowId window = desktop.openWindow(app, {});
    std::vector<std::string> received;
    auto observer = std::move(desktop.observer(app, [&](AXElement, const std::string& notification) {
                        received.push_back(notification);
                    })).value();
    ASSERT_EQ(observer->add(element(window), "AXUIElementDestroyed"), AXError::success);

    const auto button = desktop.attribute(element(window), "AXCloseButton");
    ASSERT_TRUE(button);
    const AXElement closer = std::get<AXElement>(button.value());
    EXPECT_EQ(std::get<std::string>(desktop.attribute(closer, "AXSubrole").value()), "AXCloseButton");
    EXPECT_EQ(desktop.perform(closer, "AXRaise"), AXError::actionUnsupported);
    EXPECT_EQ(desktop.perform(closer, "AXPress"), AXError::success);
    settle();

    EXPECT_EQ(desktop.frame(window), std::nullopt);
    EXPECT_THAT(received, ElementsAre("AXUIElementDestroyed"));
    EXPECT_EQ(desktop.perform(closer, "AXPress"), AXError::invalidUIElement) << "the window is gone";

    const WindowId withoutButton = desktop.openWindow(app, {.closeButton = false});
    EXPECT_EQ(desktop.attribute(element(withoutButton), "AXCloseButton").error(), AXError::noValue);
}

TEST_F(SimulatedDesktopTest, AnswersTheSpaceListOfEachDisplay) {
    const WindowId window = desktop.openWindow(app, {});
    const SpaceId fullScreen = desktop.enterFullScreen({window});
    const auto answer = desktop.managedDisplaySpaces(desktop.mainConnection());
    ASSERT_TRUE(answer && answer->array());
    ASSERT_EQ(answer->array()->size(), 2u);

    const PropertyList& first = answer->array()->front();
    EXPECT_EQ(*first.find("Display Identifier")->string(), desktop.uuid(left));
    const auto& spaces = *first.find("Spaces")->array();
    ASSERT_EQ(spaces.size(), 3u);
    EXPECT_EQ(spaces[1].find("ManagedSpaceID")->integer(), static_cast<std::int64_t>(fullScreen));
    EXPECT_EQ(spaces[1].find("type")->integer(), 4);
    EXPECT_EQ(spaces[2].find("type")->integer(), 0);
    EXPECT_EQ(first.find("Current Space")->find("ManagedSpaceID")->integer(),
              static_cast<std::int64_t>(fullScreen));
    const auto tiles = FullScreenTiles::fromEntry(spaces[1]);
    ASSERT_TRUE(tiles);
    EXPECT_THAT(tiles->windows(), ElementsAre(window));
    EXPECT_EQ(tiles->area(), Rect(0, 0, 1000, 800));

    EXPECT_FALSE(desktop.managedDisplaySpaces(desktop.mainConnection() + 1));
}

TEST_F(SimulatedDesktopTest, FullScreenAddsASpaceAfterTheWindowsDesktopAndLeavingRemovesIt) {
    const std::vector<SpaceId> before = desktop.spaceOrder(left);
    const WindowId a = desktop.openWindow(app, {.frame = {10, 10, 300, 200}});
    const WindowId b = desktop.openWindow(app, {.frame = {20, 20, 300, 200}});
    const SpaceId split = desktop.enterFullScreen({a, b});

    EXPECT_THAT(desktop.spaceOrder(left), ElementsAre(before[0], split, before[1]));
    EXPECT_EQ(desktop.currentSpace(left), split);
    EXPECT_EQ(desktop.frame(a), Rect(0, 0, 500, 800));
    EXPECT_EQ(desktop.frame(b), Rect(500, 0, 500, 800));
    EXPECT_EQ(std::get<bool>(desktop.attribute(element(a), "AXFullScreen").value()), true);

    desktop.exitFullScreen(a);
    EXPECT_EQ(desktop.frame(a), Rect(10, 10, 300, 200));
    EXPECT_THAT(desktop.spaces(a), ElementsAre(before[0]));
    EXPECT_EQ(desktop.frame(b), Rect(0, 0, 1000, 800));

    EXPECT_EQ(desktop.setAttribute(element(b), "AXFullScreen", false), AXError::success);
    EXPECT_EQ(desktop.spaceOrder(left), before);
    EXPECT_EQ(desktop.currentSpace(left), before[0]);
}

TEST_F(SimulatedDesktopTest, BridgedMovesTakeEffectOnTheMainQueue) {
    const WindowId window = desktop.openWindow(app, {.frame = {100, 100, 300, 200}});
    const SpaceId second = desktop.spaceOrder(left)[1];
    const SpaceId other = desktop.currentSpace(right);

    ASSERT_TRUE(desktop.moveWindowsToManagedSpace({window}, second));
    EXPECT_THAT(desktop.spaces(window), ElementsAre(desktop.spaceOrder(left)[0]));
    settle();
    EXPECT_THAT(desktop.spaces(window), ElementsAre(second));
    EXPECT_FALSE(desktop.describe({window}).front().isOnscreen);

    // Onto another display the frame keeps its place relative to the display.
    desktop.moveWindowsToManagedSpace({window}, other);
    settle();
    EXPECT_THAT(desktop.spaces(window), ElementsAre(other));
    EXPECT_EQ(desktop.frame(window), Rect(1100, -100, 300, 200));
}

TEST_F(SimulatedDesktopTest, WithoutTheBridgedMoveNoMoveIsTaken) {
    const WindowId window = desktop.openWindow(app, {});
    desktop.setBridgedMoveAvailable(false);
    EXPECT_FALSE(desktop.bridgedMoveIsAvailable());
    EXPECT_FALSE(desktop.moveWindowsToManagedSpace({window}, desktop.spaceOrder(left)[1]));
    settle();
    EXPECT_THAT(desktop.spaces(window), ElementsAre(desktop.spaceOrder(left)[0]));
}

TEST_F(SimulatedDesktopTest, AWindowMovedOntoAnotherDisplayGoesToTheSpaceItShows) {
    const WindowId window = desktop.openWindow(app, {.frame = {100, 100, 300, 200}});
    ASSERT_EQ(desktop.setAttribute(element(window), "AXPosition", AXValue(Point{1200, 0})), AXError::success);
    EXPECT_THAT(desktop.spaces(window), ElementsAre(desktop.currentSpace(right)));
}

TEST_F(SimulatedDesktopTest, UnpluggingMovesWindowsToTheMainDisplayAndKeepsTheMenuBarDisplayAtTheOrigin) {
    const WindowId window = desktop.openWindow(app, {.frame = {1100, 0, 300, 200}});
    desktop.removeDisplay(left);
    EXPECT_EQ(desktop.bounds(right), Rect(0, 0, 800, 600));
    EXPECT_THAT(desktop.activeDisplays(), ElementsAre(right));
    EXPECT_THAT(desktop.spaces(window), ElementsAre(desktop.currentSpace(right)));
    EXPECT_EQ(desktop.frame(window), Rect(100, 200, 300, 200));
}

TEST_F(SimulatedDesktopTest, ScreensCountFromTheBottomLeftOfTheFirstScreen) {
    const auto screens = desktop.screens();
    ASSERT_EQ(screens.size(), 2u);
    EXPECT_EQ(screens[0].frame, Rect(0, 0, 1000, 800));
    EXPECT_EQ(screens[0].visibleFrame, Rect(0, 0, 1000, 775));
    EXPECT_EQ(screens[1].frame, Rect(1000, 400, 800, 600));
    EXPECT_EQ(screens[1].number, right);
}

TEST_F(SimulatedDesktopTest, DumpsTheWholeDesktop) {
    desktop.openWindow(app, {.title = "Notes", .frame = {10, 20, 300, 200}});
    const WindowId sticky = desktop.openWindow(app, {.title = "Clock", .onAllSpaces = true});
    desktop.minimize(sticky, true);
    desktop.focus(100);
    EXPECT_EQ(desktop.dump(),
              "display 1 \"Left\" 51A1D15B-0000-4000-8000-000000000001 (0, 0, 1000, 800), active\n"
              "  desktop 1: space 1, shown\n"
              "    window 100 \"Notes\" of 500 (10, 20, 300, 200)\n"
              "  desktop 2: space 2\n"
              "display 2 \"Right\" 51A1D15B-0000-4000-8000-000000000002 (1000, -200, 800, 600)\n"
              "  desktop 1: space 3, shown\n"
              "on every space\n"
              "    window 101 \"Clock\" of 500 (100, 100, 800, 600), minimized\n"
              "application 500 com.example.editor \"Editor\" regular, front\n");
}

struct PointerCase {
    Point asked;
    Point landed;
};

void PrintTo(const PointerCase& pointerCase, std::ostream* out) {
    *out << pointerCase.asked.x << ", " << pointerCase.asked.y;
}

class PointerConfinementTest : public SimulatedDesktopTest,
                               public testing::WithParamInterface<PointerCase> {};

TEST_P(PointerConfinementTest, ThePointerLandsOnTheNearestPointOfTheNearestDisplay) {
    desktop.warpMouseCursorPosition(GetParam().asked);
    EXPECT_EQ(desktop.pointer(), GetParam().landed);
    desktop.movePointer({1, 1});
    desktop.movePointer(GetParam().asked);
    EXPECT_EQ(desktop.pointer(), GetParam().landed);
    desktop.movePointer({1, 1});
    desktop.post(EventTapLocation::hid, *desktop.createMouseEvent(EventType::mouseMoved, GetParam().asked));
    EXPECT_EQ(desktop.pointer(), GetParam().landed);
}

// Left (0, 0, 1000, 800) and right (1000, -200, 800, 600): a display's far edges lie just outside it.
INSTANTIATE_TEST_SUITE_P(
    Cases, PointerConfinementTest,
    testing::Values(PointerCase{{500, 400}, {500, 400}}, PointerCase{{1500, -200}, {1500, -200}},
                    PointerCase{{-5000, 9000}, {0, 799}}, PointerCase{{1500, 700}, {1500, 399}},
                    PointerCase{{3000, -1000}, {1799, -200}}, PointerCase{{1000, 900}, {999, 799}}));

TEST_F(SimulatedDesktopTest, UnpluggingTheDisplayUnderThePointerPutsItOnAnother) {
    desktop.movePointer({500, 400});
    desktop.removeDisplay(left);
    EXPECT_EQ(desktop.bounds(right), Rect(0, 0, 800, 600));
    EXPECT_EQ(desktop.pointer(), Point(0, 599));
}

struct KeyCase {
    std::string name;
    // Makes a window on the right display key, one way or another.
    std::function<void(SimulatedDesktop&, WindowId editorWindow, WindowId browserWindow)> makeKey;
    bool moves;
};

void PrintTo(const KeyCase& keyCase, std::ostream* out) {
    *out << keyCase.name;
}

std::array<std::uint8_t, WindowServer::eventRecordSize> makeKeyRecord(WindowId window) {
    std::array<std::uint8_t, WindowServer::eventRecordSize> record{};
    record[0x04] = 0xF8;
    record[0x08] = 0x02;
    std::fill(&record[0x20], &record[0x30], 0xFF);
    record[0x3A] = 0x10;
    for (std::size_t i = 0; i < 4; ++i)
        record[0x3C + i] = static_cast<std::uint8_t>(window >> (8 * i));
    return record;
}

class KeyWindowTest : public SimulatedDesktopTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(KeyWindowTest, MakingAWindowOfTheFrontApplicationKeyMovesTheMenuBarToItsDisplay) {
    const std::int32_t browser = desktop.launch({.name = "Browser"});
    const WindowId editorLeft = desktop.openWindow(app, {.frame = {100, 100, 300, 200}});
    const WindowId editorRight = desktop.openWindow(app, {.frame = {1100, 0, 300, 200}});
    const WindowId browserRight = desktop.openWindow(browser, {.frame = {1200, 0, 300, 200}});
    desktop.focus(browserRight);
    desktop.focus(editorLeft);
    ASSERT_EQ(desktop.activeMenuBarDisplayIdentifier(desktop.mainConnection()), desktop.uuid(left));

    GetParam().makeKey(desktop, editorRight, browserRight);
    EXPECT_EQ(desktop.activeMenuBarDisplayIdentifier(desktop.mainConnection()),
              desktop.uuid(GetParam().moves ? right : left));
}

// Each case is about which window ends up key, whatever its call answers.
INSTANTIATE_TEST_SUITE_P(
    Cases, KeyWindowTest,
    testing::Values(KeyCase{"make-key records to the front process",
                            [](SimulatedDesktop& d, WindowId window, WindowId) {
                                (void)d.postEventRecord(*d.processForPid(d.describe({window}).front().ownerPid),
                                                  makeKeyRecord(window));
                            },
                            true},
                    KeyCase{"raising a window of the front application",
                            [](SimulatedDesktop& d, WindowId window, WindowId) {
                                (void)d.perform(elementOf(d, window), "AXRaise");
                            },
                            true},
                    KeyCase{"another application brought to the front with its key window",
                            [](SimulatedDesktop& d, WindowId, WindowId other) {
                                const std::int32_t pid = d.describe({other}).front().ownerPid;
                                (void)d.setFrontProcess(*d.processForPid(pid), other,
                                                  FrontProcessOptions::withoutRaising);
                            },
                            true},
                    KeyCase{"raising a window of an application behind",
                            [](SimulatedDesktop& d, WindowId, WindowId other) {
                                (void)d.perform(elementOf(d, other), "AXRaise");
                            },
                            false},
                    KeyCase{"make-key records to a process behind",
                            [](SimulatedDesktop& d, WindowId, WindowId other) {
                                (void)d.postEventRecord(*d.processForPid(d.describe({other}).front().ownerPid),
                                                  makeKeyRecord(other));
                            },
                            false}));

TEST_F(SimulatedDesktopTest, AnApplicationThatLeavesTheDockWhileInFrontGivesTheFrontToTheWindowBelow) {
    const std::int32_t terminal = desktop.launch({.bundleIdentifier = "com.example.terminal", .name = "Terminal"});
    const WindowId below = desktop.openWindow(terminal, {.title = "zsh", .frame = {0, 25, 500, 500}});
    const WindowId under = desktop.openWindow(app, {.title = "Notes", .frame = {500, 25, 500, 500}});
    desktop.focus(under);
    desktop.focus(below);
    const std::int32_t own = desktop.launch({.bundleIdentifier = "com.example.own", .name = "Own"});
    desktop.activate(own);

    desktop.setActivationPolicy(own, ActivationPolicy::accessory);
    EXPECT_EQ(desktop.frontmostApplication()->processIdentifier, terminal);

    desktop.activate(own);
    desktop.hideApplication(terminal);
    desktop.setActivationPolicy(own, ActivationPolicy::accessory);
    EXPECT_EQ(desktop.frontmostApplication()->processIdentifier, app) << "a hidden window is passed over";

    desktop.setActivationPolicy(terminal, ActivationPolicy::accessory);
    EXPECT_EQ(desktop.frontmostApplication()->processIdentifier, app) << "only the front application gives it up";
}

TEST_F(SimulatedDesktopTest, EveryMessageToAHungApplicationCostsTheTimeoutAndFails) {
    const std::int32_t hung = desktop.launch({.name = "Hung"});
    const WindowId stuck = desktop.openWindow(hung, {});
    const WindowId fine = desktop.openWindow(app, {});
    const AXElement stuckElement = element(stuck);
    std::vector<MainQueue::Duration> waits;
    desktop.setBlockingWait([&](MainQueue::Duration wait) { waits.push_back(wait); });
    ASSERT_EQ(desktop.setMessagingTimeout(desktop.systemWideElement(), 0.5), AXError::success);
    desktop.setResponding(hung, false);
    const MainQueue::Instant before = queue.now();

    EXPECT_EQ(desktop.attribute(stuckElement, "AXSize").error(), AXError::cannotComplete);
    EXPECT_EQ(desktop.setAttribute(stuckElement, "AXPosition", AXValue(Point{0, 0})),
              AXError::cannotComplete);
    EXPECT_EQ(desktop.perform(stuckElement, "AXRaise"), AXError::cannotComplete);
    EXPECT_EQ(desktop.blockedTime(), 1500ms);
    EXPECT_THAT(waits, ElementsAre(500ms, 500ms, 500ms));
    EXPECT_EQ(queue.now(), before);

    EXPECT_TRUE(desktop.attribute(element(fine), "AXSize"));
    auto observer = std::move(desktop.observer(hung, [](AXElement, const std::string&) {})).value();
    EXPECT_EQ(observer->add(desktop.applicationElement(hung), "AXWindowCreated"), AXError::cannotComplete);
    EXPECT_EQ(desktop.blockedTime(), 2000ms);
}

TEST_F(SimulatedDesktopTest, ASnappingApplicationEndsOnItsCellsAfterTheWriteSequence) {
    desktop.setWriteBehaviour(app, {.sizeStep = {7, 15}});
    const WindowId terminal = desktop.openWindow(app, {.frame = {0, 0, 500, 500}});
    EXPECT_EQ(desktop.frame(terminal), Rect(0, 0, 497, 495));

    const AXElement handle = element(terminal);
    for (const auto& [name, value] : {std::pair{"AXSize", AXValue(Size{1000, 700})},
                                      std::pair{"AXPosition", AXValue(Point{40, 50})},
                                      std::pair{"AXSize", AXValue(Size{1000, 700})}})
        ASSERT_EQ(desktop.setAttribute(handle, name, value), AXError::success);
    EXPECT_EQ(desktop.frame(terminal), Rect(40, 50, 994, 690));

    desktop.resizeWindow(terminal, {3, 3});
    EXPECT_EQ(desktop.frame(terminal)->size, Size(7, 15));
}

TEST_F(SimulatedDesktopTest, ASlowApplicationAppliesWritesLaterAndTellsOfThemThen) {
    desktop.setWriteBehaviour(app, {.delay = 100ms});
    const WindowId window = desktop.openWindow(app, {.frame = {0, 0, 400, 300}});
    std::vector<std::string> received;
    auto observer = std::move(desktop.observer(app, [&](AXElement, const std::string& notification) {
                        received.push_back(notification);
                    })).value();
    ASSERT_EQ(observer->add(desktop.applicationElement(app), "AXMoved"), AXError::success);

    EXPECT_EQ(desktop.setAttribute(element(window), "AXPosition", AXValue(Point{40, 50})), AXError::success);
    settle();
    EXPECT_EQ(desktop.frame(window), Rect(0, 0, 400, 300));
    EXPECT_THAT(received, IsEmpty());
    queue.advance(100ms);
    EXPECT_EQ(desktop.frame(window), Rect(40, 50, 400, 300));
    EXPECT_THAT(received, ElementsAre("AXMoved"));
}

TEST_F(SimulatedDesktopTest, AnApplicationMayRefuseAMoveWhileItsSizeChanges) {
    desktop.setWriteBehaviour(app, {.refusesMoveWhileResizing = true, .delay = 100ms});
    const WindowId window = desktop.openWindow(app, {.frame = {0, 0, 400, 300}});
    const AXElement handle = element(window);

    EXPECT_EQ(desktop.setAttribute(handle, "AXSize", AXValue(Size{600, 500})), AXError::success);
    EXPECT_EQ(desktop.setAttribute(handle, "AXPosition", AXValue(Point{40, 50})), AXError::failure);
    EXPECT_EQ(desktop.setAttribute(handle, "AXSize", AXValue(Size{600, 500})), AXError::success);
    queue.advance(100ms);
    EXPECT_EQ(desktop.frame(window), Rect(0, 0, 600, 500));

    // Read back and written again once the size has settled, the position takes.
    EXPECT_EQ(desktop.setAttribute(handle, "AXPosition", AXValue(Point{40, 50})), AXError::success);
    queue.advance(100ms);
    EXPECT_EQ(desktop.frame(window), Rect(40, 50, 600, 500));
}

class SharedSimulatedDesktopTest : public SimulatedDesktopTest {
  protected:
    SharedSimulatedDesktopTest() : SimulatedDesktopTest(SimulatedDesktop::SpaceListForm::shared) {}
};

TEST_F(SharedSimulatedDesktopTest, AnswersOneSpaceListNamedMainThatEveryDisplayShows) {
    const auto answer = desktop.managedDisplaySpaces(desktop.mainConnection());
    ASSERT_EQ(answer->array()->size(), 1u);
    EXPECT_EQ(*answer->array()->front().find("Display Identifier")->string(), "Main");
    EXPECT_EQ(answer->array()->front().find("Spaces")->array()->size(), 2u);
    EXPECT_EQ(desktop.currentSpace(left), desktop.currentSpace(right));
    EXPECT_EQ(desktop.activeMenuBarDisplayIdentifier(desktop.mainConnection()), "Main");

    const WindowId onRight = desktop.openWindow(app, {.frame = {1100, 0, 300, 200}});
    desktop.switchSpace(right, desktop.spaceOrder(right)[1]);
    EXPECT_EQ(desktop.currentSpace(left), desktop.spaceOrder(left)[1]);
    EXPECT_FALSE(desktop.describe({onRight}).front().isOnscreen);
}

} // namespace
} // namespace quillmere
