#include "core/SpanningSpace.h"
#include "platform/CapturingLogSink.h"
#include "platform/ManualMainQueue.h"
#include "platform/sim/SimulatedDesktop.h"
#include "support/Printers.h"
#include "system/Process.h"
#include "system/Spaces.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using Form = SimulatedDesktop::SpaceListForm;

const LogEntry unavailable{"com.brenvald.quillmere", "wm", LogLevel::error, "bridged move unavailable"};

class SpaceMoveTest : public testing::Test {
  protected:
    explicit SpaceMoveTest(Form form = Form::perDisplay) : desktop(queue, form) {}

    void settle() { queue.advance(MainQueue::Duration::zero()); }

    CapturingLogSink log;
    ManualMainQueue queue;
    SimulatedDesktop desktop;
    Spaces spaces{desktop, desktop, desktop};
    const DisplayId left = desktop.addDisplay({.bounds = {0, 0, 1440, 900}, .desktops = 2});
    const DisplayId right = desktop.addDisplay({.bounds = {1440, 0, 1920, 1080}});
    const SpaceId first = desktop.spaceOrder(left)[0];
    const SpaceId second = desktop.spaceOrder(left)[1];
    const std::int32_t app = desktop.launch({.bundleIdentifier = "com.example.editor"});
    const WindowId window = desktop.openWindow(app, {.frame = {100, 100, 600, 400}});
};

TEST_F(SpaceMoveTest, TheWindowServerMovesTheWindowAfterTheCall) {
    spaces.move(window, second);
    EXPECT_THAT(desktop.spaces(window), ElementsAre(first));
    settle();
    EXPECT_THAT(desktop.spaces(window), ElementsAre(second));
    EXPECT_EQ(spaces.space(window), second);
    EXPECT_THAT(log.entries(), IsEmpty());
}

TEST_F(SpaceMoveTest, AMoveToAnotherDisplaysSpaceTakesTheWindowThere) {
    spaces.move(window, desktop.currentSpace(right));
    settle();
    EXPECT_THAT(desktop.spaces(window), ElementsAre(desktop.currentSpace(right)));
    EXPECT_EQ(desktop.frame(window), Rect(1540, 100, 600, 400));
}

TEST_F(SpaceMoveTest, AWindowNumberWithTheTopBitSetMovesLikeAnyOther) {
    const WindowId high = desktop.openWindow(app, {.number = 0x80000001});
    spaces.move(high, second);
    settle();
    EXPECT_THAT(desktop.spaces(high), ElementsAre(second));
}

TEST_F(SpaceMoveTest, WithoutTheBridgedMoveEveryMoveIsLoggedAndTheWindowStays) {
    desktop.setBridgedMoveAvailable(false);
    spaces.move(window, second);
    spaces.move(window, second);
    settle();
    EXPECT_THAT(log.entries(), ElementsAre(unavailable, unavailable));
    EXPECT_THAT(desktop.spaces(window), ElementsAre(first));
}

TEST_F(SpaceMoveTest, TheBridgedMoveIsLookedUpOnceAndWhatWasFoundHolds) {
    desktop.setBridgedMoveAvailable(false);
    spaces.move(window, second);
    desktop.setBridgedMoveAvailable(true);
    spaces.move(window, second);
    settle();
    EXPECT_EQ(desktop.bridgedMoveLookups(), 1);
    EXPECT_THAT(log.entries(), ElementsAre(unavailable, unavailable));
    EXPECT_THAT(desktop.spaces(window), ElementsAre(first));
}

class SharedSpaceMoveTest : public SpaceMoveTest {
  protected:
    SharedSpaceMoveTest() : SpaceMoveTest(Form::shared) {}
};

TEST_F(SharedSpaceMoveTest, APerDisplayIdMovesTheWindowToTheRealSpace) {
    spaces.desktops();
    spaces.move(window, *SpanningSpace::id(second, 1));
    settle();
    EXPECT_THAT(desktop.spaces(window), ElementsAre(second));
    EXPECT_EQ(spaces.space(window), SpanningSpace::id(second, 0));
}

struct HandOverCase {
    const char* name;
    bool modelRead;
    // The id passed, made from the Space the window is on and its display's index.
    std::function<SpaceId(SpaceId here, SpaceId other)> target;
    bool handedOver;
};

void PrintTo(const HandOverCase& handOverCase, std::ostream* out) {
    *out << handOverCase.name;
}

class HandOverTest : public SharedSpaceMoveTest, public testing::WithParamInterface<HandOverCase> {};

// With the bridged move unavailable, a move that is handed over shows as the log line.
TEST_P(HandOverTest, OnlyAPerDisplayIdOfTheWindowsOwnSpaceIsNotHandedOver) {
    desktop.setBridgedMoveAvailable(false);
    if (GetParam().modelRead)
        spaces.desktops();
    spaces.move(window, GetParam().target(first, second));
    EXPECT_EQ(log.entries().size(), GetParam().handedOver ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HandOverTest,
    testing::Values(HandOverCase{"own Space, per-display id", true,
                                 [](SpaceId here, SpaceId) { return *SpanningSpace::id(here, 0); }, false},
                    HandOverCase{"own Space, per-display id of the other screen", true,
                                 [](SpaceId here, SpaceId) { return *SpanningSpace::id(here, 1); }, false},
                    HandOverCase{"own Space, real id", true, [](SpaceId here, SpaceId) { return here; },
                                 true},
                    HandOverCase{"other Space, per-display id", true,
                                 [](SpaceId, SpaceId other) { return *SpanningSpace::id(other, 0); }, true},
                    HandOverCase{"own Space, per-display id, no model read yet", false,
                                 [](SpaceId here, SpaceId) { return *SpanningSpace::id(here, 0); }, true}),
    [](const auto& info) { return std::to_string(info.index); });

TEST_F(SpaceMoveTest, ProcessSerialNumbersConvertBothWaysOnlyForRunningProcesses) {
    ProcessSerialNumber psn;
    ASSERT_EQ(BSProcessForPID(desktop, app, psn), StatusCode::noError);
    std::int32_t pid = 0;
    EXPECT_EQ(BSPIDForProcess(desktop, psn, pid), StatusCode::noError);
    EXPECT_EQ(pid, app);

    ProcessSerialNumber untouched{7, 7};
    EXPECT_EQ(BSProcessForPID(desktop, 4242, untouched), StatusCode::processNotFound);
    EXPECT_EQ(untouched, (ProcessSerialNumber{7, 7}));
    desktop.quit(app);
    EXPECT_EQ(BSPIDForProcess(desktop, psn, pid), StatusCode::processNotFound);
}

} // namespace
} // namespace quillmere
