#include "platform/ManualMainQueue.h"
#include "support/Pipe.h"

#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace quillmere {
namespace {

using namespace std::chrono_literals;

class ManualMainQueueTest : public testing::Test {
  protected:
    // Schedules work that records its name and the clock's reading when it ran.
    TaskToken record(MainQueue::Duration delay, std::string name) {
        return queue.after(delay, [this, name] { ran.push_back({name, queue.now() - start}); });
    }

    struct Run {
        std::string name;
        MainQueue::Duration at;
        friend bool operator==(const Run&, const Run&) = default;
    };

    ManualMainQueue queue;
    MainQueue::Instant start = queue.now();
    std::vector<Run> ran;
};

TEST_F(ManualMainQueueTest, RunsDueWorkInTimeOrderThenInTheOrderItWasScheduled) {
    record(300ms, "c");
    record(100ms, "a1");
    record(200ms, "b");
    record(100ms, "a2");
    record(-50ms, "now");
    record(400ms, "later");

    queue.advance(300ms);

    EXPECT_EQ(ran,
              (std::vector<Run>{{"now", 0ms}, {"a1", 100ms}, {"a2", 100ms}, {"b", 200ms}, {"c", 300ms}}));
    EXPECT_EQ(queue.now() - start, 300ms);
    EXPECT_EQ(queue.scheduledCount(), 1u);
}

TEST_F(ManualMainQueueTest, TimeStandsStillUntilAdvancedAndNeverGoesBack) {
    record(0ms, "immediate");
    EXPECT_TRUE(ran.empty());
    queue.advance(-1s);
    EXPECT_EQ(ran, (std::vector<Run>{{"immediate", 0ms}}));
    EXPECT_EQ(queue.now(), start);
}

TEST_F(ManualMainQueueTest, WorkScheduledByWorkRunsInTheSameAdvanceWhenItFallsDue) {
    queue.after(100ms, [this] {
        record(50ms, "inner soon");
        record(500ms, "inner late");
    });
    record(120ms, "outer");

    queue.advance(200ms);
    EXPECT_EQ(ran, (std::vector<Run>{{"outer", 120ms}, {"inner soon", 150ms}}));

    queue.advance(400ms);
    EXPECT_EQ(ran.back(), (Run{"inner late", 600ms}));
}

TEST_F(ManualMainQueueTest, CancelledWorkNeverRuns) {
    const auto first = record(100ms, "first");
    record(100ms, "second");
    const auto third = record(200ms, "third");
    queue.after(150ms, [&] { queue.cancel(third); });

    queue.cancel(first);
    queue.advance(1s);

    EXPECT_EQ(ran, (std::vector<Run>{{"second", 100ms}}));
    EXPECT_EQ(queue.scheduledCount(), 0u);
}

TEST_F(ManualMainQueueTest, CancellingFinishedOrUnknownWorkTouchesNothingElse) {
    const auto done = record(10ms, "done");
    queue.advance(10ms);
    record(10ms, "pending");

    queue.cancel(done);
    queue.cancel(done);
    queue.cancel(TaskToken{});
    queue.advance(10ms);

    EXPECT_EQ(ran, (std::vector<Run>{{"done", 10ms}, {"pending", 20ms}}));
}

TEST(ManualMainQueueDescriptorTest, PollCallsOnlyTheHandlersOfReadableDescriptors) {
    ManualMainQueue queue;
    Pipe quiet, busy;
    std::vector<std::string> calls;
    queue.addReadable(quiet.readEnd(), [&] { calls.push_back("quiet"); });
    queue.addReadable(busy.readEnd(), [&] {
        calls.push_back("busy");
        busy.drain();
    });

    EXPECT_EQ(queue.poll(), 0u);
    busy.send();
    EXPECT_EQ(queue.poll(), 1u);
    EXPECT_EQ(queue.poll(), 0u);
    EXPECT_EQ(calls, (std::vector<std::string>{"busy"}));
}

TEST(ManualMainQueueDescriptorTest, RemovedSourcesAreNotCalledEvenFromWithinAPoll) {
    ManualMainQueue queue;
    Pipe first, second;
    std::vector<std::string> calls;
    SourceToken secondSource;
    SourceToken firstSource = queue.addReadable(first.readEnd(), [&] {
        calls.push_back("first");
        // Removing its own source and the next one while the poll runs.
        queue.removeReadable(firstSource);
        queue.removeReadable(secondSource);
    });
    secondSource = queue.addReadable(second.readEnd(), [&] { calls.push_back("second"); });

    first.send();
    second.send();
    EXPECT_EQ(queue.poll(), 1u);
    EXPECT_EQ(queue.poll(), 0u);
    EXPECT_EQ(calls, (std::vector<std::string>{"first"}));
    EXPECT_EQ(queue.readableCount(), 0u);
}

TEST(ManualMainQueueDescriptorTest, AHangUpIsReadable) {
    ManualMainQueue queue;
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    int calls = 0;
    const auto source = queue.addReadable(ends[0], [&] { ++calls; });
    ::close(ends[1]);
    EXPECT_EQ(queue.poll(), 1u);
    EXPECT_EQ(calls, 1);
    queue.removeReadable(source);
    ::close(ends[0]);
}

} // namespace
} // namespace quillmere
