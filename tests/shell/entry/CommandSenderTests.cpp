#include "shell/entry/CommandSender.h"
#include "shell/entry/CommandSocket.h"
#include "shell/entry/InstanceLock.h"
#include "shell/entry/RuntimeFolder.h"
#include "support/Environment.h"
#include "support/TemporaryDirectory.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillmere {
namespace {

class CommandSenderTest : public testing::Test {
  protected:
    std::filesystem::path madeFolder() {
        const auto made = runtimeFolder(true);
        EXPECT_TRUE(made.ok()) << (made.ok() ? "" : made.error().description);
        return made.ok() ? made.value() : std::filesystem::path();
    }

    TemporaryDirectory session;
    ScopedEnvironment runtime{"XDG_RUNTIME_DIR", session.path().string()};
};

TEST_F(CommandSenderTest, SaysSoWhenNoCopyRuns) {
    const CommandSend sent = sendCommand("focus west");
    EXPECT_EQ(sent.outcome, CommandSend::Outcome::notRunning);
    EXPECT_EQ(sent.message, "quillmere is not running");

    madeFolder();
    EXPECT_EQ(sendCommand("focus west").message, "quillmere is not running");
}

TEST_F(CommandSenderTest, SaysSoWhenACopyRunsButDoesNotReceiveYet) {
    const auto folder = madeFolder();
    auto lock = InstanceLock::take(lockFilePath(folder, BuildVariant::development), {::getpid(), 1});
    ASSERT_TRUE(lock.ok());
    const CommandSend sent = sendCommand("focus west");
    EXPECT_EQ(sent.outcome, CommandSend::Outcome::notAcceptingYet);
    EXPECT_EQ(sent.message, "quillmere is not accepting commands yet");
}

TEST_F(CommandSenderTest, ReachesWhicheverVariantListensAndTheReleaseFirst) {
    const auto folder = madeFolder();
    auto developmentBound = CommandSocket::bind(commandSocketPath(folder, BuildVariant::development));
    ASSERT_TRUE(developmentBound.ok());
    CommandSocket development = std::move(developmentBound).value();
    EXPECT_EQ(sendCommand("space 2").outcome, CommandSend::Outcome::sent);

    auto releaseBound = CommandSocket::bind(commandSocketPath(folder, BuildVariant::release));
    ASSERT_TRUE(releaseBound.ok());
    CommandSocket release = std::move(releaseBound).value();
    EXPECT_EQ(sendCommand("swap east").outcome, CommandSend::Outcome::sent);

    const auto text = [](CommandSocket& socket) {
        const Reception got = socket.receive();
        return std::holds_alternative<ReceivedCommand>(got) ? std::get<ReceivedCommand>(got).text : "";
    };
    EXPECT_EQ(text(development), "space 2");
    EXPECT_EQ(text(development), "");
    EXPECT_EQ(text(release), "swap east");
}

TEST_F(CommandSenderTest, RefusesATextLongerThanACommandMayBe) {
    const CommandSend sent = sendCommand(std::string(4097, 'x'));
    EXPECT_EQ(sent.outcome, CommandSend::Outcome::tooLong);
    EXPECT_EQ(sent.message, "quillmere: the command is longer than 4096 bytes");
}

struct FolderCase {
    const char* name;
    std::function<void(const std::filesystem::path&)> prepare;
};

class UnsafeRuntimeFolder : public testing::TestWithParam<FolderCase> {};

TEST_P(UnsafeRuntimeFolder, IsNeverUsedNorRepaired) {
    TemporaryDirectory session;
    ScopedEnvironment runtime("XDG_RUNTIME_DIR", session.path().string());
    const auto folder = session / "quillmere";
    GetParam().prepare(folder);
    const auto before = std::filesystem::symlink_status(folder);

    for (bool make : {false, true}) {
        const auto found = runtimeFolder(make);
        ASSERT_FALSE(found.ok());
        EXPECT_EQ(found.error().kind, RuntimeFolderProblem::Kind::unsafe);
        EXPECT_NE(found.error().description.find(folder.string()), std::string::npos);
    }
    EXPECT_EQ(sendCommand("pause").outcome, CommandSend::Outcome::failed);
    EXPECT_EQ(std::filesystem::symlink_status(folder).type(), before.type());
    EXPECT_EQ(std::filesystem::symlink_status(folder).permissions(), before.permissions());
}

INSTANTIATE_TEST_SUITE_P(
    Folders, UnsafeRuntimeFolder,
    testing::Values(FolderCase{"OpenToOthers", [](const auto& folder) { ::mkdir(folder.c_str(), 0755); }},
                    FolderCase{"ALinkToAPrivateFolder",
                               [](const auto& folder) {
                                   ::mkdir((folder.string() + "-real").c_str(), 0700);
                                   std::filesystem::create_directory_symlink(folder.string() + "-real", folder);
                               }},
                    FolderCase{"AFile", [](const auto& folder) { std::ofstream(folder) << "x"; }}),
    [](const testing::TestParamInfo<FolderCase>& info) { return std::string(info.param.name); });

std::filesystem::path homeRuntimeFolder(const std::filesystem::path& state) {
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    return state / "quillmere" / (std::string("run-") + host);
}

TEST(RuntimeFolder, IsTheSessionsRuntimeFolder) {
    TemporaryDirectory session;
    ScopedEnvironment runtime("XDG_RUNTIME_DIR", session.path().string());
    const auto made = runtimeFolder(true);
    ASSERT_TRUE(made.ok());
    EXPECT_EQ(made.value(), session / "quillmere");
    EXPECT_EQ(std::filesystem::status(made.value()).permissions(), std::filesystem::perms::owner_all);
    EXPECT_EQ(commandSocketPath(made.value(), BuildVariant::development),
              session / "quillmere" / "com.brenvald.quillmere.dev");
    EXPECT_EQ(lockFilePath(made.value(), BuildVariant::release),
              session / "quillmere" / "com.brenvald.quillmere.lock");
}

// The shared temporary folder is never tried while the user's own can serve, so that another user who
// takes "/tmp/quillmere-<uid>" first switches nothing off.
TEST(RuntimeFolder, WithoutTheSessionsIsTheUsersOwnInTheirStateFolderAndTheCommandLineFindsIt) {
    TemporaryDirectory state;
    ScopedEnvironment stateHome("XDG_STATE_HOME", state.path().string());
    for (const std::optional<std::string>& unusable :
         {std::optional<std::string>(), std::optional<std::string>("relative"), std::optional<std::string>("")}) {
        ScopedEnvironment runtime("XDG_RUNTIME_DIR", unusable);
        const std::filesystem::path expected = homeRuntimeFolder(state.path());
        const auto made = runtimeFolder(true);
        ASSERT_TRUE(made.ok()) << made.error().description;
        EXPECT_EQ(made.value(), expected);
        EXPECT_EQ(std::filesystem::status(expected).permissions(), std::filesystem::perms::owner_all);
        const auto found = runtimeFolder(false);
        ASSERT_TRUE(found.ok());
        EXPECT_EQ(found.value(), expected);

        auto bound = CommandSocket::bind(commandSocketPath(expected, BuildVariant::release));
        ASSERT_TRUE(bound.ok());
        EXPECT_EQ(sendCommand("balance").outcome, CommandSend::Outcome::sent);
    }
}

TEST(RuntimeFolder, FallsBackToTheUsersOwnInTheTemporaryFolderOnlyWhereTheirStateFolderCannotServe) {
    TemporaryDirectory state;
    ScopedEnvironment runtime("XDG_RUNTIME_DIR", std::nullopt);
    const std::string temporary = "/tmp/quillmere-" + std::to_string(::getuid());
    std::ofstream(state / "file") << "a file where the folder should be";
    const std::string tooLong = (state / std::string(100, 'a')).string();
    for (const std::string& unusable : {(state / "file").string(), tooLong}) {
        ScopedEnvironment stateHome("XDG_STATE_HOME", unusable);
        // Not made: the temporary folder is shared with every other test run.
        const auto found = runtimeFolder(false);
        EXPECT_EQ(found.ok() ? found.value().string() : found.error().description.substr(0, temporary.size()),
                  temporary);
    }
}

} // namespace
} // namespace quillmere
