#include "settings/LoginItem.h"

#include "support/Files.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

struct LoginItemTest : testing::Test {
    TemporaryDirectory home;
    std::filesystem::path file = home / "config" / "autostart" / "quillmere.desktop";
    LoginItem item{file, "/opt/quill mere/bin/quillmere"};
};

TEST_F(LoginItemTest, OnWritesTheEntryAndOffRemovesIt) {
    EXPECT_FALSE(item.enabled());
    EXPECT_EQ(item.setEnabled(true), std::nullopt);
    EXPECT_TRUE(item.enabled());
    EXPECT_EQ(files::read(file), item.entry());
    EXPECT_EQ(item.setEnabled(false), std::nullopt);
    EXPECT_FALSE(item.enabled());
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(LoginItemTest, AnEntryMarkedHiddenIsOff) {
    std::filesystem::create_directories(file.parent_path());
    files::write(file, "[Desktop Entry]\nType=Application\nHidden=true\n");
    EXPECT_FALSE(item.enabled());
}

TEST_F(LoginItemTest, TheProgramIsQuotedForTheCommandLine) {
    EXPECT_NE(item.entry().find("Exec=\"/opt/quill mere/bin/quillmere\"\n"), std::string::npos);
    const LoginItem odd(file, "/tmp/a\"b$c%d\\e");
    EXPECT_NE(odd.entry().find("Exec=\"/tmp/a\\\\\"b\\\\$c%%d\\\\\\\\e\"\n"), std::string::npos);
}

TEST_F(LoginItemTest, AFolderThatCannotBeMadeIsReported) {
    files::write(home / "config", "a file where the folder should be");
    EXPECT_NE(item.setEnabled(true), std::nullopt);
    EXPECT_FALSE(item.enabled());
}

} // namespace
} // namespace quillmere
