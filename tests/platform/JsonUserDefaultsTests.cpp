#include "platform/CapturingLogSink.h"
#include "platform/linux/JsonUserDefaults.h"
#include "support/Files.h"
#include "support/TemporaryDirectory.h"

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

} // namespace
} // namespace quillmere
