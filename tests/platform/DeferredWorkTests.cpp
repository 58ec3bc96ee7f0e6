#include "platform/HeldWork.h"
#include "platform/LifetimeGuard.h"
#include "platform/ManualMainQueue.h"

#include <chrono>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace quillmere {
namespace {

using namespace std::chrono_literals;

// An owner of queued work that may go before the work runs.
struct Owner {
    void later(MainQueue& queue, int value) {
        queue.after(1s, guard.guarded([this, value] { seen->push_back(value); }));
    }
    std::shared_ptr<std::vector<int>> seen = std::make_shared<std::vector<int>>();
    LifetimeGuard guard;
};

TEST(LifetimeGuard, GuardedWorkRunsWhileItsOwnerLivesAndNotAfter) {
    ManualMainQueue queue;
    auto owner = std::make_unique<Owner>();
    const auto seen = owner->seen;
    owner->later(queue, 1);
    queue.advance(1s);
    owner->later(queue, 2);
    const LifetimeGuard::Watch watch = owner->guard.watch();
    EXPECT_TRUE(watch.alive());
    owner.reset();
    queue.advance(1s);
    EXPECT_EQ(*seen, std::vector<int>{1});
    EXPECT_FALSE(watch.alive());
}

TEST(LifetimeGuard, GuardedWorkTakesTheCallersArguments) {
    LifetimeGuard guard;
    int sum = 0;
    auto add = guard.guarded([&sum](int one, int two) { sum += one + two; });
    add(2, 3);
    EXPECT_EQ(sum, 5);
}

TEST(HeldWork, ANewTriggerPushesThePendingWorkBackAndRunsItOnce) {
    ManualMainQueue queue;
    HeldWork held(queue);
    int runs = 0;
    held.schedule(2s, [&] { ++runs; });
    queue.advance(1s);
    held.schedule(2s, [&] { runs += 10; });
    queue.advance(1s);
    EXPECT_EQ(runs, 0);
    EXPECT_TRUE(held.isPending());
    queue.advance(1s);
    EXPECT_EQ(runs, 10);
    EXPECT_FALSE(held.isPending());
}

TEST(HeldWork, PendingWorkDiesWithItsHolder) {
    ManualMainQueue queue;
    int runs = 0;
    {
        HeldWork held(queue);
        held.schedule(1s, [&] { ++runs; });
    }
    queue.advance(2s);
    EXPECT_EQ(runs, 0);
}

} // namespace
} // namespace quillmere
