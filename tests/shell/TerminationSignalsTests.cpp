#include "platform/ManualMainQueue.h"
#include "shell/ChildProcess.h"
#include "shell/TerminationSignals.h"
#include "support/TemporaryDirectory.h"

#include <algorithm>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <vector>

namespace quillmere {
namespace {

TEST(TerminationSignals, WaitUntilTheMainQueueReadsThemAndEndNothingBefore) {
    blockTerminationSignals();
    ManualMainQueue queue;
    std::vector<int> received;
    TerminationSignals signals(queue, [&](int signal) { received.push_back(signal); });
    ASSERT_EQ(::raise(SIGTERM), 0);
    ASSERT_EQ(::raise(SIGINT), 0);
    ASSERT_EQ(::raise(SIGHUP), 0);
    EXPECT_TRUE(received.empty());
    EXPECT_EQ(queue.poll(), 1u);
    std::ranges::sort(received);
    EXPECT_EQ(received, (std::vector<int>{SIGHUP, SIGINT, SIGTERM}));
    EXPECT_EQ(queue.poll(), 0u);
}

TEST(ChildProcess, StartsWithNoSignalBlockedWhateverTheApplicationBlocks) {
    blockTerminationSignals();
    TemporaryDirectory folder;
    const auto report = folder / "mask";
    const auto child = startChildProcess("/bin/sh", {"-c", "grep SigBlk /proc/self/status > \"$0\"", report});
    ASSERT_TRUE(child.has_value());
    int status = 0;
    ASSERT_EQ(::waitpid(*child, &status, 0), *child);
    std::ifstream file(report);
    std::string line;
    std::getline(file, line);
    EXPECT_EQ(line, "SigBlk:\t0000000000000000");
    EXPECT_FALSE(startChildProcess("/no/such/program", {}).has_value());
}

} // namespace
} // namespace quillmere
