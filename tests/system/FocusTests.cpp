#include "platform/ManualMainQueue.h"
#include "platform/sim/SimulatedDesktop.h"
#include "platform/sim/SimulatedOwnWindow.h"
#include "system/Focus.h"

#include <chrono>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

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

    AXWindow window(WindowId id, std::int32_t pid) {
        for (const AXWindow& candidate : AXUIElementRef::windows(desktop, pid))
            if (candidate.id == id)
                return candidate;
        ADD_FAILURE() << "no window " << id;
        return {};
    }
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
