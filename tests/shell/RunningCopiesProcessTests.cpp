// Real processes settling who runs, each a stand-in for the application on a runtime folder of the test's
// own.

#include "support/Environment.h"
#include "support/TemporaryDirectory.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <memory>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace quillmere {
namespace {

// Every wait is bounded, so that a fault shows as a failure instead of a hang.
constexpr int waitLimitMs = 15000;

std::int64_t nanosecondsNow() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// One probe process with its standard output and error read a line at a time.
class Probe {
  public:
    Probe(const char* variant, std::int64_t launched) {
        int out[2], err[2];
        EXPECT_EQ(::pipe2(out, O_CLOEXEC), 0);
        EXPECT_EQ(::pipe2(err, O_CLOEXEC), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_adddup2(&actions, err[1], 2);
        const std::string launch = std::to_string(launched);
        char* argv[] = {const_cast<char*>(QUILLMERE_COPY_PROBE), const_cast<char*>(variant),
                        const_cast<char*>(launch.c_str()), nullptr};
        EXPECT_EQ(::posix_spawn(&pid_, QUILLMERE_COPY_PROBE, &actions, nullptr, argv, environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        ::close(err[1]);
        out_ = out[0];
        err_ = err[0];
    }
    ~Probe() {
        if (!exited_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        ::close(out_);
        ::close(err_);
    }

    pid_t pid() const { return pid_; }

    // The next line of standard output; empty when it ended or the wait ran out.
    std::string line() {
        std::string text;
        char byte;
        pollfd source{out_, POLLIN, 0};
        while (::poll(&source, 1, waitLimitMs) == 1 && ::read(out_, &byte, 1) == 1 && byte != '\n')
            text += byte;
        return text;
    }

    // The exit status, once it has ended.
    int exitStatus() {
        line();
        int status = -1;
        ::waitpid(pid_, &status, 0);
        exited_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

    // Everything it logged; only once it has ended, since it reads to the end.
    std::string log() {
        std::string text;
        char buffer[512];
        ssize_t length;
        while ((length = ::read(err_, buffer, sizeof buffer)) > 0)
            text.append(buffer, static_cast<std::size_t>(length));
        return text;
    }

  private:
    pid_t pid_ = 0;
    int out_ = -1;
    int err_ = -1;
    bool exited_ = false;
};

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class RunningCopiesProcesses : public testing::Test {
  protected:
    TemporaryDirectory session;
    ScopedEnvironment runtime{"XDG_RUNTIME_DIR", session.path().string()};
};

TEST_F(RunningCopiesProcesses, ASecondLaunchOpensTheRunningCopysSettingsAndEnds) {
    Probe first("release", nanosecondsNow());
    ASSERT_EQ(first.line(), "running");
    Probe second("release", nanosecondsNow());
    EXPECT_EQ(second.line(), "second launch");
    EXPECT_EQ(second.exitStatus(), 0);
    EXPECT_TRUE(contains(second.log(), "already running, opening its Settings"));
    EXPECT_EQ(first.line(), "received settings");
    ::kill(first.pid(), SIGTERM);
    EXPECT_EQ(first.line(), "terminated");
    EXPECT_EQ(first.exitStatus(), 0);
}

TEST_F(RunningCopiesProcesses, OfTwoCopiesOfAVariantStartedTogetherExactlyOneRuns) {
    const std::int64_t launched = nanosecondsNow();
    Probe a("development", launched);
    Probe b("development", launched);
    std::vector<std::string> roles{a.line(), b.line()};
    std::ranges::sort(roles);
    EXPECT_EQ(roles, (std::vector<std::string>{"running", "second launch"}));
}

TEST_F(RunningCopiesProcesses, TheOtherVariantLaunchedLaterTakesOver) {
    Probe release("release", nanosecondsNow());
    ASSERT_EQ(release.line(), "running");
    Probe development("development", nanosecondsNow());
    EXPECT_EQ(release.line(), "terminated");
    EXPECT_EQ(release.exitStatus(), 0);
    EXPECT_EQ(development.line(), "running");
    ::kill(development.pid(), SIGTERM);
    EXPECT_EQ(development.exitStatus(), 0);
    EXPECT_TRUE(contains(development.log(), "quitting the other copy, com.brenvald.quillmere\n"));
}

TEST_F(RunningCopiesProcesses, AnOtherVariantLaunchedEarlierLeavesTheRunningCopyAlone) {
    const std::int64_t launched = nanosecondsNow();
    Probe development("development", launched);
    ASSERT_EQ(development.line(), "running");
    Probe release("release", launched - 1'000'000'000);
    EXPECT_EQ(release.line(), "yielded");
    EXPECT_EQ(release.exitStatus(), 0);
    EXPECT_TRUE(contains(release.log(), "another copy opened after this one takes over"));
    ::kill(development.pid(), SIGTERM);
    EXPECT_EQ(development.line(), "terminated");
}

TEST_F(RunningCopiesProcesses, OfBothVariantsLaunchedAtTheSameInstantTheHigherProcessNumberRuns) {
    const std::int64_t launched = nanosecondsNow();
    auto release = std::make_unique<Probe>("release", launched);
    auto development = std::make_unique<Probe>("development", launched);
    Probe& winner = release->pid() > development->pid() ? *release : *development;
    Probe& loser = release->pid() > development->pid() ? *development : *release;
    const std::string lost = loser.line();
    EXPECT_TRUE(lost == "yielded" || lost == "terminated" ||
                (lost == "running" && loser.line() == "terminated"))
        << lost;
    EXPECT_EQ(loser.exitStatus(), 0);
    EXPECT_EQ(winner.line(), "running");
}

} // namespace
} // namespace quillmere
