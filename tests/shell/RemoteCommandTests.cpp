#include "platform/CapturingLogSink.h"
#include "platform/ManualMainQueue.h"
#include "shell/CommandReceiver.h"
#include "shell/RemoteCommand.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

TEST(RemoteCommand, LogsWhatArrivedAndParsesIt) {
    CapturingLogSink log;
    EXPECT_EQ(readRemoteCommand("focus west"), Command::parse("focus west"));
    EXPECT_EQ(readRemoteCommand("settings"), Command{Command::OpenSettings{}});
    EXPECT_EQ(readRemoteCommand("fly away"), std::nullopt);
    EXPECT_EQ(readRemoteCommand("pause\nremote command close"), std::nullopt);
    std::vector<std::string> lines;
    for (const LogEntry& entry : log.entries())
        lines.push_back(entry.message);
    EXPECT_EQ(lines, (std::vector<std::string>{"remote command focus west", "remote command settings",
                                               "unknown remote command fly away",
                                               "unknown remote command pause\\nremote command close"}));
}

TEST(CommandReceiver, HandsOnEveryWaitingTextOnTheMainQueueAndLogsWhatItDrops) {
    TemporaryDirectory folder;
    auto socket = CommandSocket::bind(folder / "socket");
    ASSERT_TRUE(socket.ok());
    ManualMainQueue queue;
    CapturingLogSink log;
    std::vector<std::string> texts;
    CommandReceiver receiver(queue, std::move(socket).value(), [&](const std::string& text) { texts.push_back(text); });
    for (const char* text : {"space 2", "bad \xFF", "swap east"})
        ASSERT_EQ(sendDatagram(folder / "socket", text).outcome, DatagramSend::Outcome::sent);
    EXPECT_TRUE(texts.empty());
    EXPECT_EQ(queue.poll(), 1u);
    EXPECT_EQ(texts, (std::vector<std::string>{"space 2", "swap east"}));
    ASSERT_EQ(log.entries().size(), 1u);
    EXPECT_EQ(log.entries()[0].message, "dropped a command: not UTF-8");
    EXPECT_EQ(log.entries()[0].level, LogLevel::error);
}

} // namespace
} // namespace quillmere
