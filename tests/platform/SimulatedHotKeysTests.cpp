#include "platform/ManualMainQueue.h"
#include "platform/sim/SimulatedDesktop.h"

#include <chrono>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdexcept>

namespace quillmere {
namespace {

using namespace std::chrono_literals;
using testing::ElementsAre;
using testing::IsEmpty;

constexpr std::uint32_t keyH = 4;
constexpr std::uint32_t rightArrow = 124;
constexpr std::uint32_t option = 0x0800;
constexpr std::uint32_t control = 0x1000;

// One display with two Desktops and a handler that notes the ids it hears.
class SimulatedHotKeysTest : public testing::Test {
  protected:
    SimulatedHotKeysTest() {
        handler = desktop.installHotKeyHandler([this](HotKeyId id) { heard.push_back(id); });
    }

    ManualMainQueue queue;
    SimulatedDesktop desktop{queue};
    const DisplayId display = desktop.addDisplay({.desktops = 2});
    std::vector<HotKeyId> heard;
    HotKeyHandlerToken handler;
};

TEST_F(SimulatedHotKeysTest, AChordBelongsToWhoeverRegisteredItFirstUntilUnregistered) {
    const auto first = desktop.registerHotKey(keyH, option, {1, 0});
    ASSERT_TRUE(first);
    EXPECT_EQ(desktop.registerHotKey(keyH, option, {1, 1}).error(), HotKeyRegistrar::hotKeyExistsStatus);
    EXPECT_THROW(desktop.holdHotKey(keyH, option), std::invalid_argument);

    desktop.holdHotKey(keyH, control);
    EXPECT_EQ(desktop.registerHotKey(keyH, control, {1, 2}).error(), HotKeyRegistrar::hotKeyExistsStatus);

    desktop.unregisterHotKey(*first);
    EXPECT_TRUE(desktop.registerHotKey(keyH, option, {1, 3}));

    desktop.failHotKeyRegistrations(-50);
    EXPECT_EQ(desktop.registerHotKey(keyH, option | control, {1, 4}).error(), -50);
}

TEST_F(SimulatedHotKeysTest, APressReachesTheHandlersOnTheMainQueueWithTheIdItWasRegisteredUnder) {
    ASSERT_TRUE(desktop.registerHotKey(keyH, option, {0x42535043, 7}));

    desktop.pressKey(keyH, option);
    EXPECT_THAT(heard, IsEmpty());
    queue.advance(0s);
    EXPECT_THAT(heard, ElementsAre(HotKeyId{0x42535043, 7}));

    // Other modifiers are another chord, which reaches the application in front.
    desktop.pressKey(keyH, option | control);
    queue.advance(0s);
    EXPECT_EQ(heard.size(), 1u);

    desktop.pressKey(keyH, option);
    desktop.removeHotKeyHandler(handler);
    queue.advance(0s);
    EXPECT_EQ(heard.size(), 1u);
}

TEST_F(SimulatedHotKeysTest, TheSystemsOwnShortcutTakesTheKeyBeforeAnyHotKey) {
    ASSERT_TRUE(desktop.registerHotKey(rightArrow, control, {1, 0}));
    const SpaceId first = desktop.currentSpace(display);
    queue.advance(1s);

    desktop.pressKey(rightArrow, control);
    queue.advance(0s);

    EXPECT_THAT(heard, IsEmpty());
    EXPECT_NE(desktop.currentSpace(display), first);
    EXPECT_EQ(desktop.secondsSinceLastEventType(EventSourceStateID::hidSystem, EventType::keyDown), 0);
}

} // namespace
} // namespace quillmere
