#include "platform/CapturingLogSink.h"
#include "platform/linux/JsonUserDefaults.h"
#include "support/Files.h"
#include "support/HostileFiles.h"
#include "support/TemporaryDirectory.h"
#include "support/Umask.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace quillmere {
namespace {

class JsonUserDefaultsTest : public testing::Test {
  protected:
    TemporaryDirectory folder;
    JsonUserDefaults defaults{folder / "app" / "defaults.json"};
};

TEST_F(JsonUserDefaultsTest, AMissingFileHoldsNothingAndTheFirstWriteMakesIt) {
    EXPECT_EQ(defaults.string("lastProfile"), std::nullopt);

    defaults.setString("lastProfile", "Work");
    defaults.setBoolean("welcomeSeen", true);

    EXPECT_EQ(defaults.string("lastProfile"), "Work");
    EXPECT_EQ(defaults.boolean("welcomeSeen"), true);
    EXPECT_EQ(JsonUserDefaults(defaults.file()).string("lastProfile"), "Work");
}

TEST_F(JsonUserDefaultsTest, ReadsAValueOfAnotherKindAsNothing) {
    defaults.setBoolean("welcomeSeen", false);
    EXPECT_EQ(defaults.string("welcomeSeen"), std::nullopt);
    EXPECT_EQ(defaults.boolean("welcomeSeen"), false);
}

TEST_F(JsonUserDefaultsTest, KeepsTheKeysItDoesNotTouch) {
    std::filesystem::create_directories(defaults.file().parent_path());
    files::write(defaults.file(), R"({"other": [1, 2], "lastProfile": "Old"})");

    defaults.remove("lastProfile");

    EXPECT_EQ(defaults.string("lastProfile"), std::nullopt);
    EXPECT_NE(files::read(defaults.file()).find("\"other\""), std::string::npos);
}

TEST_F(JsonUserDefaultsTest, NeverRewritesAFileItCannotRead) {
    for (const std::string& damaged : {std::string("{\"lastProfile\": "), std::string("[1, 2]")}) {
        std::filesystem::create_directories(defaults.file().parent_path());
        files::write(defaults.file(), damaged);
        CapturingLogSink log;

        EXPECT_EQ(defaults.string("lastProfile"), std::nullopt) << damaged;
        defaults.setString("lastProfile", "New");

        EXPECT_EQ(files::read(defaults.file()), damaged);
        EXPECT_FALSE(log.entries().empty()) << damaged;
    }
}

TEST_F(JsonUserDefaultsTest, WritesCompactlySoThatADeepDocumentDoesNotGrow) {
    std::filesystem::create_directories(defaults.file().parent_path());
    // Deep enough that indenting would multiply the size, shallow enough that writing it stays within the
    // stack of a sanitizer build, whose frames are many times larger.
    const std::string deep = hostile::nested(R"({"welcomeSeen":false})", 200);
    files::write(defaults.file(), deep);

    defaults.setBoolean("welcomeSeen", true);

    EXPECT_EQ(defaults.boolean("welcomeSeen"), true);
    EXPECT_LE(files::read(defaults.file()).size(), deep.size() + 2);
}

TEST_F(JsonUserDefaultsTest, AreForTheUsersEyesAloneWhateverTheUmask) {
    const ScopedUmask umask(022);
    defaults.setBoolean("welcomeSeen", true);
    EXPECT_EQ(permissionsOf(defaults.file()), std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(permissionsOf(defaults.file().parent_path()), std::filesystem::perms::owner_all);

    std::filesystem::permissions(defaults.file(), std::filesystem::perms::owner_read |
                                                      std::filesystem::perms::owner_write |
                                                      std::filesystem::perms::others_read);
    defaults.setBoolean("welcomeSeen", false);
    EXPECT_EQ(permissionsOf(defaults.file()), std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

class JsonUserDefaultsHostileTest : public JsonUserDefaultsTest,
                                    public testing::WithParamInterface<hostile::Case> {};

TEST_P(JsonUserDefaultsHostileTest, ReadsNothingWritesNothingAndSaysWhy) {
    if (GetParam().skipped())
        GTEST_SKIP() << "the superuser reads it";
    std::filesystem::create_directories(defaults.file().parent_path());
    GetParam().put(defaults.file(), R"({"welcomeSeen": true})");
    const std::string before = hostile::stateOf(defaults.file());
    CapturingLogSink log;

    EXPECT_EQ(defaults.boolean("welcomeSeen"), std::nullopt);
    defaults.setBoolean("welcomeSeen", false);

    EXPECT_EQ(hostile::stateOf(defaults.file()), before);
    ASSERT_FALSE(log.entries().empty());
    EXPECT_NE(log.entries().front().message.find(GetParam().reason), std::string::npos)
        << log.entries().front().message;
}

INSTANTIATE_TEST_SUITE_P(Cases, JsonUserDefaultsHostileTest, testing::ValuesIn(hostile::cases()), hostile::caseName);

} // namespace
} // namespace quillmere
