#include "platform/ManualMainQueue.h"
#include "platform/sim/SimulatedDesktop.h"
#include "system/Swipe.h"

#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>

namespace quillmere {
namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::IsEmpty;

constexpr auto largest = std::numeric_limits<std::int32_t>::max();
constexpr auto smallest = std::numeric_limits<std::int32_t>::min();

struct FixedCase {
    double x;
    std::int32_t expected;
};

void PrintTo(const FixedCase& c, std::ostream* out) {
    *out << "fixed(" << c.x << ")";
}

class FixedTest : public testing::TestWithParam<FixedCase> {};

TEST_P(FixedTest, ConvertsToSaturated16Dot16) {
    EXPECT_EQ(Swipe::fixed(GetParam().x), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, FixedTest,
    testing::Values(FixedCase{0, 0}, FixedCase{-0.0, 0}, FixedCase{0.00001, 1}, FixedCase{-0.00001, -1},
                    FixedCase{1.5 / 65536, 1}, FixedCase{-1.5 / 65536, -1}, FixedCase{0.1, 6553},
                    FixedCase{1, 65536}, FixedCase{-1, -65536}, FixedCase{-2000, -131072000},
                    FixedCase{(largest - 0.5) / 65536, largest - 1}, FixedCase{largest / 65536.0, largest},
                    FixedCase{-32767.99999, -2147483647}, FixedCase{-32768, smallest},
                    FixedCase{34000, largest}, FixedCase{-34000, smallest}, FixedCase{INFINITY, largest},
                    FixedCase{-INFINITY, smallest}, FixedCase{std::nan(""), 0}));

TEST(SwipeRecordTest, HoldsEveryByteOfOneStepToTheRight) {
    const Swipe::GestureRecord expected{
        0x88, 0x77, 0x66, 0x55, 0x44, 0x33, 0x22, 0x11, // timestamp
        0,    0,    0,    0,    0,    0,    0,    0,    //
        0,    0,    0,    0,    0,    0,    0,    0,    //
        0x02, 0,    0,    0,    0x28, 0,    0,    0,    // 2, 40
        0x17, 0,    0,    0,    0,    0,    0,    0x02, // 23, phase in the top byte
        0,    0,    0,    0,    0x99, 0x19, 0,    0,    // 0, 0x1999
        0,    0,    0,    0,    0,    0,    0,    0,    //
        0,    0,    0,    0,    0x01, 0,    0x03, 0,    // 0, 1, 3
        0,    0,    0xFF, 0xFF, 0x1C, 0,    0,    0,    // fixed(-1), 28
        0x09, 0,    0,    0,    0,    0,    0,    0,    // 9, 0
        0x01, 0,    0,    0,    0,    0,    0x30, 0xF8, // 1, fixed(-2000)
        0,    0,    0,    0,    0,    0,    0,    0,    //
    };
    EXPECT_THAT(Swipe::record(0x1122334455667788, 2, true, 2000), ElementsAreArray(expected));
}

std::int32_t int32At(const Swipe::GestureRecord& record, std::size_t offset) {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i)
        bits |= static_cast<std::uint32_t>(record[offset + i]) << (8 * i);
    return static_cast<std::int32_t>(bits);
}

TEST(SwipeRecordTest, ToTheLeftOnlyTheSignsOfDirectionAndVelocityFlip) {
    const auto rightward = Swipe::record(7, 4, true, 2000);
    const auto leftward = Swipe::record(7, 4, false, 2000);
    EXPECT_EQ(int32At(leftward, 64), 65536);
    EXPECT_EQ(int32At(leftward, 84), 2000 * 65536);
    for (std::size_t i = 0; i < rightward.size(); ++i) {
        if ((i < 64 || i >= 68) && (i < 84 || i >= 88)) {
            EXPECT_EQ(rightward[i], leftward[i]) << "byte " << i;
        }
    }
}

TEST(SwipeRecordTest, SeventeenStepsSaturateTheVelocity) {
    EXPECT_EQ(int32At(Swipe::record(1, 1, true, 34000), 84), smallest);
    EXPECT_EQ(int32At(Swipe::record(1, 1, false, 34000), 84), largest);
}

class SwipePostTest : public testing::Test {
  protected:
    void SetUp() override {
        desktop.addDisplay({});
        queue.advance(std::chrono::seconds(5));
    }

    std::vector<Event> posted() const {
        std::vector<Event> events;
        for (const sim::PostedEvent& posted : desktop.postedEvents()) {
            EXPECT_EQ(posted.tap, EventTapLocation::session);
            events.push_back(posted.event);
        }
        return events;
    }

    ManualMainQueue queue;
    SimulatedDesktop desktop{queue};
};

TEST_F(SwipePostTest, SetsTheFieldsInOrderAndAppendsHeaderAndRecord) {
    Swipe::postPhase(desktop, 2, true, 4000);

    const auto events = posted();
    ASSERT_EQ(events.size(), 1u);
    const Event& event = events.front();
    using Value = Event::FieldValue;
    const double now = 5e9;
    EXPECT_THAT(event.fields,
                ElementsAre(std::pair(55, Value(std::int64_t{30})), std::pair(110, Value(std::int64_t{23})),
                            std::pair(132, Value(std::int64_t{2})), std::pair(124, Value(1.0)),
                            std::pair(123, Value(std::int64_t{1})), std::pair(129, Value(4000.0)),
                            std::pair(130, Value(0.0)), std::pair(134, Value(std::int64_t{2})),
                            std::pair(138, Value(3.0)), std::pair(169, Value(now)),
                            std::pair(125, Value(0.1))));

    std::vector<std::uint8_t> trailer(Swipe::header.begin(), Swipe::header.end());
    const auto record = Swipe::record(5'000'000'000, 2, true, 4000);
    trailer.insert(trailer.end(), record.begin(), record.end());
    EXPECT_EQ(event.trailer, trailer);
    EXPECT_THAT(Swipe::header, ElementsAre(0x00, 0x60, 0x10, 0x6D));
}

TEST_F(SwipePostTest, ToTheLeftProgressAndVelocityAreNegative) {
    Swipe::postPhase(desktop, 1, false, 2000);
    const Event event = posted().at(0);
    EXPECT_EQ(event.doubleValueField(124), -1.0);
    EXPECT_EQ(event.doubleValueField(129), -2000.0);
}

class SwipeFaultTest : public SwipePostTest, public testing::WithParamInterface<sim::EventFault> {};

TEST_P(SwipeFaultTest, AnEventThatCannotBeBuiltIsNotPosted) {
    desktop.failEvents(GetParam());
    Swipe::postPhase(desktop, 1, true, 2000);
    EXPECT_THAT(desktop.postedEvents(), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Faults, SwipeFaultTest,
                         testing::Values(sim::EventFault::noEvent, sim::EventFault::noData,
                                         sim::EventFault::otherDataFormat, sim::EventFault::unreadableData));

} // namespace
} // namespace quillmere
