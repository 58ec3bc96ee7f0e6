#include "platform/CapturingLogSink.h"
#include "stores/SessionStore.h"
#include "support/Environment.h"
#include "support/Files.h"
#include "support/HostileFiles.h"
#include "support/Snapshots.h"
#include "support/TemporaryDirectory.h"
#include "support/Umask.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

namespace fs = std::filesystem;
using snapshots::h;
using snapshots::ref;
using snapshots::tile;

constexpr std::int64_t boot = 1700000000;
constexpr std::int32_t windowServer = 381;

class SessionStoreTest : public testing::Test {
  protected:
    SessionStore store(std::optional<std::int64_t> bootTime = boot,
                       std::optional<std::int32_t> serverId = windowServer) const {
        return SessionStore(bootTime, serverId, file);
    }

    TemporaryDirectory folder;
    fs::path file = folder / "data" / "com.brenvald.quillmere" / "session.json";
    std::vector<Session::Space> spaces{
        {.id = 7,
         .layout = {.space = 1, .tree = h(0.5, tile({ref("a.app", 0)}), tile({ref("b.app", 0)}))},
         .windows = {{ref("a.app", 0), 101}, {ref("b.app", 0), 102}},
         .configuredMode = LayoutMode::bsp}};
    CapturingLogSink logged;
};

TEST_F(SessionStoreTest, ASavedSessionComesBackWhileTheBootAndWindowServerAreTheSameAndItsFolderIsMadeFirst) {
    const SessionStore writer = store();
    writer.save(writer.session(spaces));
    EXPECT_EQ(store().load(), (Session{boot, windowServer, spaces}));
    EXPECT_TRUE(logged.entries().empty());
}

struct IdentityCase {
    const char* name;
    std::optional<std::int64_t> boot;
    std::optional<std::int32_t> windowServer;
};

class SessionIdentityTest : public SessionStoreTest, public testing::WithParamInterface<IdentityCase> {};

TEST_P(SessionIdentityTest, ASessionOfAnotherBootOrWindowServerIsIgnored) {
    store().save(store().session(spaces));
    EXPECT_EQ(store(GetParam().boot, GetParam().windowServer).load(), std::nullopt);
    EXPECT_TRUE(fs::exists(file));
    EXPECT_TRUE(logged.entries().empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, SessionIdentityTest,
                         testing::Values(IdentityCase{"Rebooted", boot + 3600, windowServer},
                                         IdentityCase{"NewWindowServer", boot, windowServer + 1},
                                         IdentityCase{"UnknownBoot", std::nullopt, windowServer},
                                         IdentityCase{"UnknownWindowServer", boot, std::nullopt}),
                         [](const auto& info) { return info.param.name; });

TEST_F(SessionStoreTest, AnUnknownStampIsWrittenAsZeroButMatchesNothingNotEvenItself) {
    const SessionStore unknown = store(std::nullopt, std::nullopt);
    const Session session = unknown.session(spaces);
    EXPECT_EQ(session.boot, 0);
    EXPECT_EQ(session.windowServer, 0);
    unknown.save(session);
    EXPECT_FALSE(unknown.isValid(session));
    EXPECT_EQ(unknown.load(), std::nullopt);
    EXPECT_EQ(store(0, 0).load(), session);
}

TEST_F(SessionStoreTest, AMissingOrBrokenFileIsNoSessionWithoutAMessage) {
    EXPECT_EQ(store().load(), std::nullopt);
    fs::create_directories(file.parent_path());
    files::write(file, R"({"boot": 1700000000, "windowServer": 381, "spaces": [{"id": 1}]})");
    EXPECT_EQ(store().load(), std::nullopt);
    EXPECT_TRUE(logged.entries().empty());
}

class SessionStoreHostileTest : public SessionStoreTest, public testing::WithParamInterface<hostile::Case> {};

TEST_P(SessionStoreHostileTest, IsNoSessionAndAFileThatCannotBeReadIsLoggedWithItsReason) {
    if (GetParam().skipped())
        GTEST_SKIP() << "the superuser reads it";
    const SessionStore writer = store();
    fs::create_directories(file.parent_path());
    GetParam().put(file, nlohmann::json(writer.session(spaces)).dump());

    EXPECT_EQ(writer.load(), std::nullopt);

    const bool isFileFailure = std::ranges::any_of(hostile::unreadableFiles(), [](const hostile::Case& unreadable) {
        return unreadable.reason == GetParam().reason;
    });
    ASSERT_EQ(logged.entries().size(), isFileFailure ? 1u : 0u) << "a document that does not decode is silent";
    if (isFileFailure) {
        EXPECT_EQ(logged.entries()[0].message,
                  "the session cannot be read: " + file.string() + ": " + GetParam().reason);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SessionStoreHostileTest, testing::ValuesIn(hostile::cases()), hostile::caseName);

TEST_F(SessionStoreTest, TheSessionIsForTheUsersEyesAloneWhateverTheUmask) {
    const ScopedUmask umask(022);
    store().save(store().session(spaces));
    EXPECT_EQ(permissionsOf(file), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(permissionsOf(file.parent_path()), fs::perms::owner_all);
}

TEST_F(SessionStoreTest, AFailedSaveIsLoggedAndLeavesThePreviousFileAsItWas) {
    const fs::path blocked = folder / "blocked";
    files::write(blocked, "a file where the folder should be");
    SessionStore(boot, windowServer, blocked / "app" / "session.json").save(store().session(spaces));
    ASSERT_EQ(logged.entries().size(), 1u);
    EXPECT_EQ(logged.entries()[0].level, LogLevel::error);
    EXPECT_TRUE(logged.entries()[0].message.starts_with("saving the session failed: " + blocked.string()))
        << logged.entries()[0].message;

    store().save(store().session(spaces));
    const std::string before = files::read(file);
    Session unwritable = store().session(spaces);
    unwritable.spaces[0].layout.tree = h(std::nan(""), tile({ref("a.app", 0)}), tile());
    store().save(unwritable);
    EXPECT_EQ(logged.entries().size(), 2u);
    EXPECT_EQ(files::read(file), before);
}

struct LocationCase {
    const char* name;
    std::optional<std::string> dataHome;
    const char* expected;
};

class SessionLocationTest : public testing::TestWithParam<LocationCase> {};

TEST_P(SessionLocationTest, TheFileLiesInTheApplicationsFolderOfTheUsersDataFolder) {
    const ScopedEnvironment home("HOME", "/home/ada");
    const ScopedEnvironment dataHome("XDG_DATA_HOME", GetParam().dataHome);
    EXPECT_EQ(SessionStore::defaultFile(), fs::path(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SessionLocationTest,
    testing::Values(
        LocationCase{"Unset", std::nullopt, "/home/ada/.local/share/com.brenvald.quillmere/session.json"},
        LocationCase{"Absolute", "/data", "/data/com.brenvald.quillmere/session.json"},
        LocationCase{"Relative", "data", "/home/ada/.local/share/com.brenvald.quillmere/session.json"}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace quillmere
