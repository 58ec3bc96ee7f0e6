#include "platform/ManualMainQueue.h"
#include "platform/sim/SimulatedDesktop.h"
#include "platform/sim/SimulatedOwnWindow.h"
#include "system/Focus.h"

#include <chrono>
#include <gmock/gmock.h>
#include "support/WindowHandles.h"

#include <gtest/gtest.h>
#include <type_traits>

namespace quillmere {
namespace {

using namespace std::chrono_literals;
using testing::ElementsAre;
using testing::IsEmpty;
using Record = std::vector<std::uint8_t>;

// A record with the given bytes set and every other byte 0.
Record recordWith(std::initializer_list<std::pair<std::size_t, std::uint8_t>> bytes) {
    Record record(248, 0);
    for (const auto& [offset, value] : bytes)
        record[offset] = value;
    return record;
}

Record bytes(const Focus::EventRecord& record) {
    return {record.begin(), record.end()};
}

TEST(KeyWindowRecordTest, MakeKeyRecordsSetOnlyTheirBytes) {
    std::initializer_list<std::pair<std::size_t, std::uint8_t>> common{
        {4, 0xF8},  {32, 0xFF}, {33, 0xFF}, {34, 0xFF}, {35, 0xFF}, {36, 0xFF}, {37, 0xFF}, {38, 0xFF},
        {39, 0xFF}, {40, 0xFF}, {41, 0xFF}, {42, 0xFF}, {43, 0xFF}, {44, 0xFF}, {45, 0xFF}, {46, 0xFF},
        {47, 0xFF}, {58, 0x10}, {60, 0x0D}, {61, 0x0C}, {62, 0x0B}, {63, 0x0A}};
    Record first = recordWith(common);
    first[8] = 0x01;
    Record second = recordWith(common);
    second[8] = 0x02;
    EXPECT_EQ(bytes(Focus::makeKeyRecord(0x0A0B0C0D, false)), first);
    EXPECT_EQ(bytes(Focus::makeKeyRecord(0x0A0B0C0D, true)), second);
}

TEST(KeyWindowRecordTest, SwitchKeyRecordsLeaveTheMakeKeyBytesAtZero) {
    EXPECT_EQ(bytes(Focus::switchKeyRecord(0x80000001, false)),
              recordWith({{4, 0xF8}, {8, 0x0D}, {60, 0x01}, {63, 0x80}, {138, 0x02}}));
    EXPECT_EQ(bytes(Focus::switchKeyRecord(0x80000001, true)),
              recordWith({{4, 0xF8}, {8, 0x0D}, {60, 0x01}, {63, 0x80}, {138, 0x01}}));
}

// An editor with two windows and a browser with two, neither in front.
class FocusTest : public testing::Test {
  protected:
    ProcessSerialNumber psn(std::int32_t pid) { return *desktop.processForPid(pid); }

    std::vector<sim::FrontProcessRequest> frontRequests() const { return desktop.frontProcessRequests(); }
    const std::vector<Record>& records() const { return desktop.postedEventRecords(); }

    ManualMainQueue queue;
    SimulatedDesktop desktop{queue};
    const DisplayId display = desktop.addDisplay({});
    const std::int32_t self = desktop.launch({.bundleIdentifier = "com.brenvald.quillmere"});
    const std::int32_t editor = desktop.launch({.bundleIdentifier = "com.example.editor"});
    const std::int32_t browser = desktop.launch({.bundleIdentifier = "com.example.browser"});
    const WindowId draft = desktop.openWindow(editor, {.title = "Draft"});
    const WindowId notes = desktop.openWindow(editor, {.title = "Notes"});
    const WindowId page = desktop.openWindow(browser, {.title = "Page"});
    const WindowId downloads = desktop.openWindow(browser, {.title = "Downloads"});
    Focus focus{desktop, desktop, desktop, queue, self};

    AXWindow window(WindowId id, std::int32_t pid) { return windowHandle(desktop, pid, id); }
};

TEST_F(FocusTest, WithinOneProcessTwoSwitchRecordsTenMillisecondsApartAndNoFrontProcessCall) {
    focus.focusWithoutRaise(window(notes, editor), window(draft, editor));

    ASSERT_EQ(records().size(), 1u);
    EXPECT_EQ(records()[0], bytes(Focus::switchKeyRecord(draft, false)));
    queue.advance(9ms);
    EXPECT_EQ(records().size(), 1u);
    queue.advance(1ms);
    ASSERT_EQ(records().size(), 2u);
    EXPECT_EQ(records()[1], bytes(Focus::switchKeyRecord(notes, true)));
    EXPECT_THAT(frontRequests(), IsEmpty());
    EXPECT_EQ(desktop.keyWindow(editor), notes);
}

TEST_F(FocusTest, ASecondSwitchWithinThePauseKeepsEachPairTogether) {
    focus.switchKey(draft, notes, psn(editor));
    queue.advance(5ms);
    focus.switchKey(notes, draft, psn(editor));
    queue.advance(10ms);
    EXPECT_THAT(records(), ElementsAre(bytes(Focus::switchKeyRecord(draft, false)),
                                       bytes(Focus::switchKeyRecord(notes, true)),
                                       bytes(Focus::switchKeyRecord(notes, false)),
                                       bytes(Focus::switchKeyRecord(draft, true))));
    EXPECT_EQ(desktop.keyWindow(editor), draft);
}

// The window server of the desktop, noting each call that reaches another process, in the order made.
class OrderedWindowServer final : public WindowServer {
  public:
    explicit OrderedWindowServer(SimulatedDesktop& desktop) : desktop_(desktop) {}

    std::optional<std::int32_t> processId() const override { return desktop_.processId(); }
    ConnectionId mainConnection() override { return desktop_.mainConnection(); }
    std::optional<PropertyList> managedDisplaySpaces(ConnectionId connection) override {
        return desktop_.managedDisplaySpaces(connection);
    }
    std::optional<std::string> activeMenuBarDisplayIdentifier(ConnectionId connection) override {
        return desktop_.activeMenuBarDisplayIdentifier(connection);
    }
    std::optional<PropertyList> spacesForWindows(ConnectionId connection, int mask,
                                                 const std::vector<WindowId>& windows) override {
        return desktop_.spacesForWindows(connection, mask, windows);
    }
    bool bridgedMoveIsAvailable() override { return desktop_.bridgedMoveIsAvailable(); }
    bool moveWindowsToManagedSpace(const std::vector<WindowId>& windows, SpaceId space) override {
        return desktop_.moveWindowsToManagedSpace(windows, space);
    }
    Result<ProcessSerialNumber, StatusCode> processForPid(std::int32_t pid) override {
        return desktop_.processForPid(pid);
    }
    Result<std::int32_t, StatusCode> pidForProcess(const ProcessSerialNumber& process) override {
        return desktop_.pidForProcess(process);
    }
    Result<ProcessSerialNumber, StatusCode> frontProcess() override { return desktop_.frontProcess(); }
    StatusCode setFrontProcess(const ProcessSerialNumber& process, WindowId window,
                               FrontProcessOptions options) override {
        calls.push_back("front " + std::to_string(window));
        return desktop_.setFrontProcess(process, window, options);
    }
    StatusCode postEventRecord(const ProcessSerialNumber& process,
                               std::span<const std::uint8_t, eventRecordSize> record) override {
        WindowId window = 0;
        for (int i = 3; i >= 0; --i)
            window = window << 8 | record[60 + i];
        calls.push_back("record " + std::to_string(window));
        return desktop_.postEventRecord(process, record);
    }
    Result<SymbolicHotKey, StatusCode> symbolicHotKey(int hotKey) override {
        return desktop_.symbolicHotKey(hotKey);
    }

    std::vector<std::string> calls;

  private:
    SimulatedDesktop& desktop_;
};

// A key switch still waiting for its second record must not let a later call overtake it: the process
// that loses focus would otherwise take key status back after another process came to the front.
TEST_F(FocusTest, ALaterFocusWaitsForTheSecondRecordOfAKeySwitch) {
    OrderedWindowServer windowServer(desktop);
    Focus ordered{windowServer, desktop, desktop, queue, self};
    const WindowId settings = desktop.openWindow(self, {.title = "Settings"});
    SimulatedOwnWindow own{desktop, settings};
    const auto n = [](WindowId window) { return std::to_string(window); };

    ordered.focusWithoutRaise(window(notes, editor), window(draft, editor));
    ordered.focusWithoutRaise(window(page, browser), window(notes, editor));
    ordered.switchKey(page, downloads, psn(browser));
    ordered.bringForward(own);
    queue.advance(1s);

    EXPECT_THAT(windowServer.calls,
                ElementsAre("record " + n(draft), "record " + n(notes), "front " + n(page),
                            "record " + n(page), "record " + n(downloads), "front " + n(settings),
                            "record " + n(settings), "record " + n(settings)));
}

struct OtherProcessCase {
    std::string name;
    // The browser's focused window before, if any.
    std::optional<bool> focusedIsTarget;
    sim::WindowNumberAnswer answer = sim::WindowNumberAnswer::number;
    bool switches = false;
};

class FocusOtherProcessTest : public FocusTest, public testing::WithParamInterface<OtherProcessCase> {};

TEST_P(FocusOtherProcessTest, MakesTheProcessFrontWithoutRaisingAndSwitchesKeyWhenAnotherWindowHasIt) {
    const OtherProcessCase& c = GetParam();
    if (c.focusedIsTarget) {
        desktop.focus(*c.focusedIsTarget ? page : downloads);
        desktop.setWindowNumberAnswer(*c.focusedIsTarget ? page : downloads, c.answer);
    }
    desktop.focus(draft);
    const auto stackedBefore = desktop.onScreenWindows();

    focus.focusWithoutRaise(window(page, browser), window(draft, editor));
    queue.advance(10ms);

    EXPECT_THAT(frontRequests(), ElementsAre(sim::FrontProcessRequest{psn(browser), page,
                                                                      FrontProcessOptions::withoutRaising}));
    EXPECT_EQ(desktop.frontmostApplication()->processIdentifier, browser);
    EXPECT_EQ(desktop.onScreenWindows(), stackedBefore);
    if (c.switches) {
        EXPECT_THAT(records(), ElementsAre(bytes(Focus::switchKeyRecord(downloads, false)),
                                           bytes(Focus::switchKeyRecord(page, true))));
        EXPECT_EQ(desktop.keyWindow(browser), page);
    } else {
        EXPECT_THAT(records(), IsEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FocusOtherProcessTest,
    testing::Values(OtherProcessCase{"NoFocusedWindow", std::nullopt},
                    OtherProcessCase{"TargetIsFocused", true},
                    OtherProcessCase{"AnotherWindowIsFocused", false, sim::WindowNumberAnswer::number, true},
                    OtherProcessCase{"FocusedWindowNumberIsZero", false, sim::WindowNumberAnswer::zero},
                    OtherProcessCase{"FocusedWindowNumberFails", false, sim::WindowNumberAnswer::error}),
    [](const auto& info) { return info.param.name; });

// A copy would share the token that tells the queued second record whether its object still exists.
TEST(FocusLifetimeTest, CannotBeCopiedOrMovedAwayFromItsQueuedRecord) {
    EXPECT_FALSE(std::is_copy_constructible_v<Focus>);
    EXPECT_FALSE(std::is_move_constructible_v<Focus>);
}

TEST_F(FocusTest, AProcessWithoutSerialNumberGetsNoCallAtAll) {
    focus.focusWithoutRaise(AXWindow{999, 4242, {}}, window(draft, editor));
    queue.advance(1s);
    EXPECT_THAT(frontRequests(), IsEmpty());
    EXPECT_THAT(records(), IsEmpty());
}

TEST_F(FocusTest, MakeKeyPostsTwoRecordsThatDifferOnlyInTheirEighthByte) {
    focus.makeKey(notes, psn(editor));
    ASSERT_EQ(records().size(), 2u);
    Record first = records()[0];
    first[8] = 0x02;
    EXPECT_EQ(first, records()[1]);
    EXPECT_EQ(desktop.keyWindow(editor), notes);
}

TEST_F(FocusTest, TheFrontProcessComesFromTheWindowServerElseFromTheWorkspace) {
    EXPECT_EQ(focus.frontmostPID(), std::nullopt);
    desktop.focus(page);
    EXPECT_EQ(focus.frontmostPID(), browser);
    desktop.failFrontProcess(true);
    EXPECT_EQ(desktop.frontProcess().ok(), false);
    EXPECT_EQ(focus.frontmostPID(), browser);
}

class BringForwardTest : public FocusTest {
  protected:
    const WindowId settings = desktop.openWindow(self, {.title = "Settings"});
    SimulatedOwnWindow own{desktop, settings};
};

TEST_F(BringForwardTest, ActivatesTheSystemAndMakesItsWindowKeyInFront) {
    desktop.focus(page);
    focus.bringForward(own);

    EXPECT_EQ(desktop.frontmostApplication()->processIdentifier, self);
    EXPECT_EQ(desktop.onScreenWindows().front().number, settings);
    EXPECT_THAT(frontRequests(), ElementsAre(sim::FrontProcessRequest{psn(self), settings,
                                                                      FrontProcessOptions::bringForward}));
    EXPECT_THAT(records(), ElementsAre(bytes(Focus::makeKeyRecord(settings, false)),
                                       bytes(Focus::makeKeyRecord(settings, true))));
    EXPECT_EQ(desktop.keyWindow(self), settings);
}

TEST_F(BringForwardTest, SendsNoKeyRecordsWhenTheSetFrontFails) {
    desktop.failFrontProcess(true);
    focus.bringForward(own);
    EXPECT_EQ(frontRequests().size(), 1u);
    EXPECT_THAT(records(), IsEmpty());
}

// A window whose number does not fit a window id.
class FarWindow final : public OwnWindow {
  public:
    void makeKeyAndOrderFront() override { ++ordered; }
    std::int64_t windowNumber() const override { return std::int64_t{1} << 32; }
    int ordered = 0;
};

TEST_F(BringForwardTest, AWindowNumberBeyondWindowIdsStopsBeforeTheWindowServer) {
    FarWindow far;
    focus.bringForward(far);
    EXPECT_EQ(far.ordered, 1);
    EXPECT_THAT(frontRequests(), IsEmpty());
    EXPECT_THAT(records(), IsEmpty());
}

} // namespace
} // namespace quillmere
