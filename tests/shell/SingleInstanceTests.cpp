#include "platform/CapturingLogSink.h"
#include "shell/SingleInstance.h"
#include "shell/entry/CommandSocket.h"
#include "shell/entry/RuntimeFolder.h"
#include "support/TemporaryDirectory.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <map>
#include <unistd.h>

namespace quillmere {
namespace {

using namespace std::chrono_literals;
using testing::ElementsAre;

// Copies of the other variant that quit when asked, or not at all, on a clock that moves only by pauses.
class ScriptedCopies final : public RunningCopies {
  public:
    std::optional<CopyRecord> running(BuildVariant variant) override {
        const auto found = copies.find(variant);
        return found == copies.end() ? std::nullopt : std::optional(found->second);
    }
    void terminate(BuildVariant variant, const CopyRecord&) override {
        actions.push_back("terminate " + std::string(variantIdentifier(variant)));
        if (quitsWhenAsked)
            copies.erase(variant);
    }
    void force(BuildVariant variant, const CopyRecord&) override {
        actions.push_back("force " + std::string(variantIdentifier(variant)));
        copies.erase(variant);
    }
    bool hasEnded(BuildVariant variant) override { return !copies.contains(variant); }
    MainQueue::Instant now() override { return clock; }
    void pause(MainQueue::Duration duration) override {
        ++pauses;
        clock += duration;
    }

    std::map<BuildVariant, CopyRecord> copies;
    bool quitsWhenAsked = true;
    std::vector<std::string> actions;
    MainQueue::Instant clock{};
    int pauses = 0;
};

class SingleInstanceTest : public testing::Test {
  protected:
    StartRole settle(BuildVariant own, CopyRecord self) { return settleRunningCopies(folder.path(), own, self, copies); }
    std::vector<std::string> logged() const {
        std::vector<std::string> lines;
        for (const LogEntry& entry : log.entries())
            lines.push_back((entry.level == LogLevel::error ? "error: " : "") + entry.message);
        return lines;
    }

    TemporaryDirectory folder;
    ScriptedCopies copies;
    CapturingLogSink log;
    CopyRecord self{::getpid(), 2'000};
};

TEST_F(SingleInstanceTest, AloneItRunsAndHoldsItsVariantsLock) {
    const StartRole role = settle(BuildVariant::release, self);
    EXPECT_EQ(role.kind, StartRole::Kind::run);
    EXPECT_TRUE(role.lock.has_value());
    EXPECT_EQ(lockHolder(lockFilePath(folder.path(), BuildVariant::release)), self);
    EXPECT_TRUE(logged().empty());
}

TEST_F(SingleInstanceTest, ASecondLaunchOfTheVariantAsksTheRunningCopyToOpenItsSettings) {
    auto socket = CommandSocket::bind(commandSocketPath(folder.path(), BuildVariant::development));
    ASSERT_TRUE(socket.ok());
    const StartRole first = settle(BuildVariant::development, self);
    const StartRole second = settle(BuildVariant::development, {self.pid, self.launched + 1});
    EXPECT_EQ(second.kind, StartRole::Kind::secondLaunch);
    EXPECT_FALSE(second.lock.has_value());
    EXPECT_THAT(logged(), ElementsAre("already running, opening its Settings"));
    CommandSocket receiver = std::move(socket).value();
    const Reception received = receiver.receive();
    ASSERT_TRUE(std::holds_alternative<ReceivedCommand>(received));
    EXPECT_EQ(std::get<ReceivedCommand>(received).text, "settings");
}

struct HandOverCase {
    const char* name;
    CopyRecord other;
    bool otherQuits;
    StartRole::Kind role;
    std::vector<std::string> actions;
    std::vector<std::string> log;
    int pauses;
};

class HandOver : public SingleInstanceTest, public testing::WithParamInterface<HandOverCase> {};

TEST_P(HandOver, TheCopyLaunchedLaterWins) {
    const HandOverCase& story = GetParam();
    copies.copies[BuildVariant::development] = story.other;
    copies.quitsWhenAsked = story.otherQuits;
    const StartRole role = settle(BuildVariant::release, self);
    EXPECT_EQ(role.kind, story.role);
    EXPECT_EQ(copies.actions, story.actions);
    EXPECT_EQ(logged(), story.log);
    EXPECT_EQ(copies.pauses, story.pauses);
    EXPECT_EQ(role.lock.has_value(), story.role == StartRole::Kind::run);
}

INSTANTIATE_TEST_SUITE_P(
    Stories, HandOver,
    testing::Values(
        HandOverCase{"EarlierCopyQuitsWhenAsked",
                     {::getpid() + 1, 1'000},
                     true,
                     StartRole::Kind::run,
                     {"terminate com.brenvald.quillmere.dev"},
                     {"quitting the other copy, com.brenvald.quillmere.dev"},
                     0},
        HandOverCase{"EarlierCopyIgnoresTheRequestUntilForced",
                     {::getpid() + 1, 1'000},
                     false,
                     StartRole::Kind::run,
                     {"terminate com.brenvald.quillmere.dev", "force com.brenvald.quillmere.dev"},
                     {"quitting the other copy, com.brenvald.quillmere.dev",
                      "error: the other copy didn't quit; stopping it"},
                     50},
        HandOverCase{"LaterCopyTakesOver",
                     {::getpid() + 1, 3'000},
                     true,
                     StartRole::Kind::yielded,
                     {},
                     {"another copy opened after this one takes over"},
                     0},
        HandOverCase{"EqualLaunchAndAHigherProcessNumberCountsAsLater",
                     {::getpid() + 1, 2'000},
                     true,
                     StartRole::Kind::yielded,
                     {},
                     {"another copy opened after this one takes over"},
                     0},
        HandOverCase{"EqualLaunchAndALowerProcessNumberCountsAsEarlier",
                     {::getpid() - 1, 2'000},
                     true,
                     StartRole::Kind::run,
                     {"terminate com.brenvald.quillmere.dev"},
                     {"quitting the other copy, com.brenvald.quillmere.dev"},
                     0}),
    [](const testing::TestParamInfo<HandOverCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace quillmere
