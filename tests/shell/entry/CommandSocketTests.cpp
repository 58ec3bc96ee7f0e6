#include "shell/entry/CommandSocket.h"
#include "support/TemporaryDirectory.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quillmere {
namespace {

// What a copy that was killed leaves: a socket file that nobody is bound to.
void leaveStaleSocket(const std::filesystem::path& path) {
    const int descriptor = ::socket(AF_UNIX, SOCK_DGRAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, path.c_str());
    ASSERT_EQ(::bind(descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(descriptor);
    ASSERT_TRUE(std::filesystem::is_socket(path));
}

class CommandSocketTest : public testing::Test {
  protected:
    CommandSocket bound() {
        auto socket = CommandSocket::bind(path);
        EXPECT_TRUE(socket.ok()) << (socket.ok() ? "" : socket.error());
        return std::move(socket).value();
    }

    static std::string received(const Reception& reception) {
        if (const auto* command = std::get_if<ReceivedCommand>(&reception))
            return command->text;
        if (const auto* dropped = std::get_if<DroppedDatagram>(&reception))
            return "dropped: " + dropped->reason;
        return "nothing";
    }

    TemporaryDirectory folder;
    std::filesystem::path path = folder / "com.brenvald.quillmere";
};

TEST_F(CommandSocketTest, DeliversEachTextWholeAndThenHasNothingMore) {
    CommandSocket socket = bound();
    EXPECT_EQ(sendDatagram(path, "focus west").outcome, DatagramSend::Outcome::sent);
    EXPECT_EQ(sendDatagram(path, "load Caf\xC3\xA9").outcome, DatagramSend::Outcome::sent);
    EXPECT_EQ(received(socket.receive()), "focus west");
    EXPECT_EQ(received(socket.receive()), "load Caf\xC3\xA9");
    EXPECT_EQ(received(socket.receive()), "nothing");
}

TEST_F(CommandSocketTest, NobodyListensWithoutASocketOrWhenItsOwnerIsGone) {
    EXPECT_EQ(sendDatagram(path, "pause").outcome, DatagramSend::Outcome::nobodyListens);
    leaveStaleSocket(path);
    EXPECT_EQ(sendDatagram(path, "pause").outcome, DatagramSend::Outcome::nobodyListens);
}

TEST_F(CommandSocketTest, ReplacesAStaleSocketFileWhenBoundAndRemovesItsOwnWhenGone) {
    leaveStaleSocket(path);
    {
        CommandSocket socket = bound();
        ASSERT_EQ(sendDatagram(path, "retile").outcome, DatagramSend::Outcome::sent);
        EXPECT_EQ(received(socket.receive()), "retile");
    }
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(CommandSocketTest, DropsTextsLongerThanACommandMayBeAndTextsThatAreNotUtf8) {
    CommandSocket socket = bound();
    const std::string longest(4096, 'x');
    for (const std::string& text : {longest, longest + "y", std::string(10000, 'z'), std::string("caf\xE9"),
                                    std::string("after")})
        ASSERT_EQ(sendDatagram(path, text).outcome, DatagramSend::Outcome::sent);
    EXPECT_EQ(received(socket.receive()), longest);
    EXPECT_EQ(received(socket.receive()), "dropped: longer than 4096 bytes");
    EXPECT_EQ(received(socket.receive()), "dropped: longer than 4096 bytes");
    EXPECT_EQ(received(socket.receive()), "dropped: not UTF-8");
    EXPECT_EQ(received(socket.receive()), "after");
}

TEST_F(CommandSocketTest, NeverWaitsForAReceiverWhoseQueueIsFull) {
    CommandSocket socket = bound();
    DatagramSend last;
    for (int i = 0; i < 100000 && last.outcome == DatagramSend::Outcome::sent; ++i)
        last = sendDatagram(path, std::string(1000, 'q'));
    EXPECT_EQ(last.outcome, DatagramSend::Outcome::failed);
    EXPECT_EQ(last.error, EAGAIN);
}

TEST_F(CommandSocketTest, DropsWhatAnotherUserSends) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the superuser can send as another user";
    CommandSocket socket = bound();
    // Reachable by anyone for this test alone; a real runtime folder is the user's own.
    std::filesystem::permissions(folder.path(), std::filesystem::perms::all);
    std::filesystem::permissions(path, std::filesystem::perms::all);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const bool sent = ::setgid(65534) == 0 && ::setuid(65534) == 0 &&
                          sendDatagram(path, "close").outcome == DatagramSend::Outcome::sent;
        ::_exit(sent ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_EQ(sendDatagram(path, "balance").outcome, DatagramSend::Outcome::sent);
    EXPECT_EQ(received(socket.receive()), "dropped: from user 65534");
    EXPECT_EQ(received(socket.receive()), "balance");
}

} // namespace
} // namespace quillmere
