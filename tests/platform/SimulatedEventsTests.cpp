#include "platform/ManualMainQueue.h"
#include "platform/sim/SimulatedDesktop.h"

#include <chrono>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

using namespace std::chrono_literals;
using testing::ElementsAre;
using testing::IsEmpty;

constexpr std::uint32_t control = 0x40000;

void putInt32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::int32_t value) {
    for (std::size_t i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i));
}

// One phase of a Space swipe as the window server reads it: the gesture fields of the event and the
// gesture record that follows it.
Event swipe(std::int32_t phase, bool right) {
    Event event;
    event.setIntegerValueField(55, 30);
    event.setIntegerValueField(110, 23);
    event.setIntegerValueField(132, phase);
    event.setIntegerValueField(134, phase);
    event.trailer = {0x00, 0x60, 0x10, 0x6D};
    event.trailer.resize(4 + 96);
    putInt32(event.trailer, 4 + 36, phase << 24);
    putInt32(event.trailer, 4 + 64, right ? -65536 : 65536);
    return event;
}

// Two displays with three Desktops each, the pointer on the right one and the left one active.
class SimulatedEventsTest : public testing::Test {
  protected:
    SimulatedEventsTest() {
        desktop.movePointer({1500, 300});
        observer = desktop.addObserver(activeSpaceDidChangeNotification, [this] { ++changes; });
    }

    void swipeOnce(
        bool right, const std::function<void(Event&)>& damage = [](Event&) {}) {
        for (const std::int32_t phase : {1, 2, 4}) {
            Event event = swipe(phase, right);
            damage(event);
            desktop.post(EventTapLocation::session, event);
        }
    }

    void press(std::uint16_t keyCode, EventFlags flags) {
        Event down = *desktop.createKeyboardEvent(keyCode, true);
        down.flags = flags;
        desktop.post(EventTapLocation::hid, down);
        desktop.post(EventTapLocation::hid, *desktop.createKeyboardEvent(keyCode, false));
    }

    void settle() { queue.advance(0s); }

    ManualMainQueue queue;
    SimulatedDesktop desktop{queue};
    const DisplayId left = desktop.addDisplay({.bounds = {0, 0, 1000, 800}, .desktops = 3});
    const DisplayId right = desktop.addDisplay({.bounds = {1000, 0, 1000, 800}, .desktops = 3});
    int changes = 0;
    ObserverToken observer;
};

TEST_F(SimulatedEventsTest, EventsSurviveTheirSerializedFormWithWhatFollowsIt) {
    Event event = *desktop.createKeyboardEvent(124, true);
    event.flags = control;
    event.setDoubleValueField(129, -6000.5);
    auto data = *desktop.createData(event);
    EXPECT_THAT(std::vector(data.begin(), data.begin() + 4), ElementsAre(0, 0, 0, 2));
    data.push_back(0x42);

    Event expected = event;
    expected.trailer = {0x42};
    EXPECT_EQ(desktop.createFromData(data), expected);
    EXPECT_EQ(desktop.createFromData(std::span(data).first(20)), std::nullopt);
    data[3] = 1;
    EXPECT_EQ(desktop.createFromData(data), std::nullopt);
}

TEST_F(SimulatedEventsTest, ACompletedSwipeMovesTheDisplayUnderThePointerOnTheMainQueue) {
    const auto spaces = desktop.spaceOrder(right);
    swipeOnce(true);
    EXPECT_EQ(desktop.currentSpace(right), spaces[0]);
    settle();
    EXPECT_EQ(desktop.currentSpace(right), spaces[1]);
    EXPECT_EQ(desktop.currentSpace(left), desktop.spaceOrder(left)[0]);
    EXPECT_EQ(changes, 1);

    swipeOnce(false);
    swipeOnce(false);
    settle();
    EXPECT_EQ(desktop.currentSpace(right), spaces[0]);
    EXPECT_EQ(changes, 2);
}

TEST_F(SimulatedEventsTest, ASwipeEndWithoutItsBeginningMovesNothing) {
    desktop.post(EventTapLocation::session, swipe(4, true));
    desktop.post(EventTapLocation::hid, swipe(1, true));
    desktop.post(EventTapLocation::hid, swipe(4, true));
    settle();
    EXPECT_EQ(desktop.currentSpace(right), desktop.spaceOrder(right)[0]);
    EXPECT_EQ(changes, 0);
}

TEST_F(SimulatedEventsTest, WithNaturalScrollingOffTheFingerMeansTheOtherWay) {
    desktop.setPreference("com.apple.swipescrolldirection", 0);
    swipeOnce(false);
    settle();
    EXPECT_EQ(desktop.currentSpace(right), desktop.spaceOrder(right)[1]);
}

struct DamageCase {
    std::string name;
    std::function<void(Event&)> damage;
};

void PrintTo(const DamageCase& damageCase, std::ostream* out) {
    *out << damageCase.name;
}

void removeField(Event& event, int field) {
    std::erase_if(event.fields, [field](const auto& entry) { return entry.first == field; });
}

class DamagedSwipeTest : public SimulatedEventsTest, public testing::WithParamInterface<DamageCase> {};

TEST_P(DamagedSwipeTest, AnEventWithoutAllItsGestureFieldsSwitchesNothing) {
    swipeOnce(true, GetParam().damage);
    settle();
    EXPECT_EQ(desktop.currentSpace(right), desktop.spaceOrder(right)[0]);
    EXPECT_EQ(changes, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedSwipeTest,
    testing::Values(
        DamageCase{"the record alone", [](Event& event) { event.fields.clear(); }},
        DamageCase{"no event type", [](Event& event) { removeField(event, 55); }},
        DamageCase{"another event type", [](Event& event) { event.setIntegerValueField(55, 29); }},
        DamageCase{"no HID type", [](Event& event) { removeField(event, 110); }},
        DamageCase{"the HID type as a fraction", [](Event& event) { event.setDoubleValueField(110, 23.0); }},
        DamageCase{"no phase", [](Event& event) { removeField(event, 132); }},
        DamageCase{"no second phase", [](Event& event) { removeField(event, 134); }},
        DamageCase{"a phase unlike the record's", [](Event& event) { event.setIntegerValueField(132, 2); }},
        DamageCase{"a second phase unlike the record's",
                   [](Event& event) { event.setIntegerValueField(134, 2); }}));

TEST_F(SimulatedEventsTest, TheShortcutOfTheSystemStepsTheDisplayUnderThePointer) {
    press(124, 0);
    press(125, control);
    settle();
    EXPECT_EQ(changes, 0);
    press(124, control);
    press(124, control);
    press(123, control);
    settle();
    EXPECT_EQ(desktop.currentSpace(right), desktop.spaceOrder(right)[1]);
    EXPECT_EQ(desktop.currentSpace(left), desktop.spaceOrder(left)[0]);

    desktop.movePointer({500, 400});
    press(124, control);
    settle();
    EXPECT_EQ(desktop.currentSpace(left), desktop.spaceOrder(left)[1]);
    EXPECT_EQ(desktop.currentSpace(right), desktop.spaceOrder(right)[1]);
}

// What a switch to the display without the menu bar falls back to: the pointer goes there and the keyboard
// steps, after the swipes came to nothing.
TEST_F(SimulatedEventsTest, WithSwipesIgnoredTheShortcutMovesTheDisplayThePointerWasTakenTo) {
    desktop.movePointer({500, 400});
    desktop.ignoreSwipes(true);
    desktop.warpMouseCursorPosition({1500, 400});
    swipeOnce(true);
    swipeOnce(true);
    settle();
    EXPECT_EQ(changes, 0);
    press(124, control);
    press(124, control);
    settle();
    EXPECT_EQ(desktop.currentSpace(right), desktop.spaceOrder(right)[2]);
    EXPECT_EQ(desktop.currentSpace(left), desktop.spaceOrder(left)[0]);
    EXPECT_EQ(desktop.activeMenuBarDisplayIdentifier(desktop.mainConnection()), desktop.uuid(left));
}

TEST_F(SimulatedEventsTest, FaultsLetSwipesFailArriveLateOrBounceBack) {
    const auto spaces = desktop.spaceOrder(right);
    desktop.ignoreSwipes(true);
    swipeOnce(true);
    settle();
    EXPECT_EQ(desktop.currentSpace(right), spaces[0]);

    desktop.ignoreSwipes(false);
    desktop.setSpaceChangeDelay(200ms);
    desktop.bounceBack(1, 500ms);
    swipeOnce(true);
    queue.advance(199ms);
    EXPECT_EQ(desktop.currentSpace(right), spaces[0]);
    queue.advance(1ms);
    EXPECT_EQ(desktop.currentSpace(right), spaces[1]);
    queue.advance(500ms);
    EXPECT_EQ(desktop.currentSpace(right), spaces[0]);
    EXPECT_EQ(changes, 2);

    swipeOnce(true);
    queue.advance(2s);
    EXPECT_EQ(desktop.currentSpace(right), spaces[1]);
}

TEST_F(SimulatedEventsTest, NotificationsComeOnTheMainQueueWhileObserved) {
    desktop.switchSpace(left, desktop.spaceOrder(left)[2]);
    EXPECT_EQ(changes, 0);
    settle();
    EXPECT_EQ(changes, 1);
    desktop.switchSpace(left, desktop.spaceOrder(left)[0]);
    desktop.removeObserver(observer);
    settle();
    EXPECT_EQ(changes, 1);
}

TEST_F(SimulatedEventsTest, TheAgeOfInputCountsFromTheDesktopsBeginningOrTheLastInputOfThatType) {
    queue.advance(10s);
    desktop.input(EventType::keyDown);
    queue.advance(2s);
    EXPECT_EQ(desktop.secondsSinceLastEventType(EventSourceStateID::hidSystem, EventType::keyDown), 2.0);
    EXPECT_EQ(desktop.secondsSinceLastEventType(EventSourceStateID::hidSystem, EventType::leftMouseDown),
              12.0);
}

TEST_F(SimulatedEventsTest, PreferencesAnswerForTheirOwnDomainOnly) {
    desktop.setPreference("com.apple.swipescrolldirection", 0);
    EXPECT_EQ(desktop.copyValue("com.apple.swipescrolldirection", PreferencesApplication::any,
                                PreferencesUser::current, PreferencesHost::any),
              PropertyList(0));
    EXPECT_EQ(desktop.copyValue("com.apple.swipescrolldirection", PreferencesApplication::current,
                                PreferencesUser::current, PreferencesHost::any),
              std::nullopt);
    desktop.setPreference("com.apple.swipescrolldirection", std::nullopt);
    EXPECT_EQ(desktop.copyValue("com.apple.swipescrolldirection", PreferencesApplication::any,
                                PreferencesUser::current, PreferencesHost::any),
              std::nullopt);
}

std::array<std::uint8_t, 248> keyRecord(std::uint8_t kind, WindowId window,
                                        std::initializer_list<std::pair<std::size_t, std::uint8_t>> bytes) {
    std::array<std::uint8_t, 248> record{};
    record[4] = 0xF8;
    record[8] = kind;
    for (std::size_t i = 0; i < 4; ++i)
        record[60 + i] = static_cast<std::uint8_t>(window >> (8 * i));
    for (const auto& [offset, value] : bytes)
        record[offset] = value;
    return record;
}

TEST_F(SimulatedEventsTest, KeyWindowRecordsMakeAWindowOfTheirProcessKey) {
    const std::int32_t editor = desktop.launch({});
    const std::int32_t other = desktop.launch({});
    const WindowId draft = desktop.openWindow(editor, {});
    const WindowId notes = desktop.openWindow(editor, {});
    const WindowId foreign = desktop.openWindow(other, {});
    const ProcessSerialNumber psn = *desktop.processForPid(editor);
    std::initializer_list<std::pair<std::size_t, std::uint8_t>> makeKey{{58, 0x10}};
    auto withMask = [](std::array<std::uint8_t, 248> record) {
        std::fill(&record[32], &record[48], 0xFF);
        return record;
    };

    EXPECT_EQ(desktop.postEventRecord(psn, withMask(keyRecord(0x01, draft, makeKey))), StatusCode::noError);
    EXPECT_EQ(desktop.postEventRecord(psn, keyRecord(0x0D, notes, {{138, 0x02}})), StatusCode::noError);
    EXPECT_EQ(desktop.postEventRecord(psn, keyRecord(0x0D, foreign, {{138, 0x01}})), StatusCode::noError);
    EXPECT_EQ(desktop.keyWindow(editor), std::nullopt);
    EXPECT_EQ(desktop.postEventRecord(psn, withMask(keyRecord(0x02, draft, makeKey))), StatusCode::noError);
    EXPECT_EQ(desktop.keyWindow(editor), draft);
    EXPECT_EQ(desktop.postEventRecord(psn, keyRecord(0x0D, notes, {{138, 0x01}})), StatusCode::noError);
    EXPECT_EQ(desktop.keyWindow(editor), notes);
}

} // namespace
} // namespace quillmere
