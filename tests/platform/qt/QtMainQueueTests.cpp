#include "platform/qt/QtMainQueue.h"
#include "support/Pipe.h"
#include "support/EventLoop.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillmere {
namespace {

using namespace std::chrono_literals;

// A story told to a queue: it schedules work that records names, and ends with work named "end" that
// falls due after everything else the story schedules.
struct QueueStory {
    const char* name;
    std::function<void(QtMainQueue&, std::vector<std::string>&)> tell;
    std::vector<std::string> ran;
};

void PrintTo(const QueueStory& story, std::ostream* out) { *out << story.name; }

class QtMainQueueStories : public testing::TestWithParam<QueueStory> {};

TEST_P(QtMainQueueStories, RunsWorkInDueOrderAndNothingCancelled) {
    std::vector<std::string> ran;
    {
        QtMainQueue queue;
        GetParam().tell(queue, ran);
        EXPECT_TRUE(ran.empty()) << "work ran inside the call that scheduled it";
        ASSERT_TRUE(runEventsUntil([&] { return !ran.empty() && ran.back() == "end"; }));
    }
    EXPECT_EQ(ran, GetParam().ran);
}

auto recorder(std::vector<std::string>& ran, std::string name) {
    return [&ran, name] { ran.push_back(name); };
}

INSTANTIATE_TEST_SUITE_P(
    Stories, QtMainQueueStories,
    testing::Values(
        QueueStory{"due order, then scheduling order",
                   [](QtMainQueue& q, std::vector<std::string>& ran) {
                       q.after(40ms, recorder(ran, "late"));
                       q.after(0ms, recorder(ran, "now 1"));
                       q.after(-5ms, recorder(ran, "now 2"));
                       q.after(10ms, recorder(ran, "soon"));
                       for (int i = 0; i < 20; ++i)
                           q.after(20ms, recorder(ran, "batch " + std::to_string(i)));
                       q.after(60ms, recorder(ran, "end"));
                   },
                   [] {
                       std::vector<std::string> expected{"now 1", "now 2", "soon"};
                       for (int i = 0; i < 20; ++i)
                           expected.push_back("batch " + std::to_string(i));
                       expected.insert(expected.end(), {"late", "end"});
                       return expected;
                   }()},
        QueueStory{"cancelled before it is due, twice, and after it ran",
                   [](QtMainQueue& q, std::vector<std::string>& ran) {
                       const TaskToken first = q.after(0ms, recorder(ran, "first"));
                       const TaskToken dropped = q.after(5ms, recorder(ran, "dropped"));
                       q.after(10ms, [&q, &ran, first] {
                           q.cancel(first);
                           ran.push_back("kept");
                       });
                       q.cancel(dropped);
                       q.cancel(dropped);
                       q.cancel(TaskToken{999});
                       q.after(30ms, recorder(ran, "end"));
                   },
                   {"first", "kept", "end"}},
        QueueStory{"due work cancels other due work",
                   [](QtMainQueue& q, std::vector<std::string>& ran) {
                       auto victim = std::make_shared<TaskToken>();
                       q.after(0ms, [&q, &ran, victim] {
                           ran.push_back("canceller");
                           q.cancel(*victim);
                       });
                       *victim = q.after(0ms, recorder(ran, "victim"));
                       q.after(0ms, recorder(ran, "bystander"));
                       q.after(20ms, recorder(ran, "end"));
                   },
                   {"canceller", "bystander", "end"}},
        QueueStory{"work scheduled by work waits for the next turn",
                   [](QtMainQueue& q, std::vector<std::string>& ran) {
                       q.after(0ms, [&q, &ran] {
                           ran.push_back("outer");
                           q.after(0ms, recorder(ran, "inner"));
                       });
                       q.after(0ms, recorder(ran, "second"));
                       q.after(20ms, recorder(ran, "end"));
                   },
                   {"outer", "second", "inner", "end"}},
        QueueStory{"a task cancels itself while it runs",
                   [](QtMainQueue& q, std::vector<std::string>& ran) {
                       auto self = std::make_shared<TaskToken>();
                       *self = q.after(0ms, [&q, &ran, self] {
                           q.cancel(*self);
                           ran.push_back("self");
                       });
                       q.after(10ms, recorder(ran, "end"));
                   },
                   {"self", "end"}}),
    [](const testing::TestParamInfo<QueueStory>& info) { return "Story" + std::to_string(info.index); });

TEST(QtMainQueueTimers, FireNoSoonerThanAskedAndCloseToIt) {
    QtMainQueue queue;
    const auto start = queue.now();
    std::optional<MainQueue::Duration> waited;
    queue.after(30ms, [&] { waited = queue.now() - start; });
    ASSERT_TRUE(runEventsUntil([&] { return waited.has_value(); }));
    EXPECT_GE(*waited, 30ms);
}

TEST(QtMainQueueDescriptors, CallsTheHandlerWhileReadableUntilItRemovesItself) {
    QtMainQueue queue;
    Pipe pipe;
    int calls = 0;
    auto token = std::make_shared<SourceToken>();
    *token = queue.addReadable(pipe.readEnd(), [&, token] {
        pipe.drain();
        if (++calls == 2)
            queue.removeReadable(*token);
    });
    for (int i = 0; i < 3; ++i)
        pipe.send();
    bool ended = false;
    ASSERT_TRUE(runEventsUntil([&] { return calls == 2; }));
    queue.after(20ms, [&] { ended = true; });
    ASSERT_TRUE(runEventsUntil([&] { return ended; }));
    EXPECT_EQ(calls, 2);
    queue.removeReadable(*token);
}

} // namespace
} // namespace quillmere
