#include "settings/model/DesktopEntry.h"
#include "settings/model/InstalledApps.h"
#include "support/TemporaryDirectory.h"

#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace quillmere {
namespace {

namespace fs = std::filesystem;
using testing::ElementsAre;

struct ListedApps final : InstalledApplications {
    std::vector<InstalledApplication> apps;
    std::vector<InstalledApplication> installedApplications() override { return apps; }
};

struct Processes final : RunningApplications {
    std::vector<RunningApplication> apps;
    std::vector<RunningApplication> runningApplications() override { return apps; }
    std::optional<RunningApplication> application(std::int32_t) override { return std::nullopt; }
    std::optional<RunningApplication> frontmostApplication() override { return std::nullopt; }
    bool activate(std::int32_t) override { return false; }
};

RunningApplication process(std::string name, std::optional<std::string> id,
                           ActivationPolicy policy = ActivationPolicy::regular) {
    return {.bundleIdentifier = std::move(id), .localizedName = std::move(name), .activationPolicy = policy};
}

class InstalledAppsTest : public testing::Test {
  protected:
    TemporaryDirectory home;
    fs::path user = home / "home/applications";
    fs::path system = home / "usr/applications";
    ListedApps desktop;
    Processes running;

    void SetUp() override {
        fs::create_directories(user);
        fs::create_directories(system);
    }

    static void write(const fs::path& file, const std::string& text) {
        fs::create_directories(file.parent_path());
        std::ofstream(file) << text;
    }

    static std::string entry(const std::string& lines) { return "[Desktop Entry]\nType=Application\n" + lines; }

    InstalledApps apps(std::string locale = "de_DE.UTF-8") {
        return InstalledApps(desktop, running, {{user, system}, std::move(locale)});
    }
};

TEST_F(InstalledAppsTest, ListsTheDesktopsAppsFirstThenEachFolderOneLevelDownFirstNameWinning) {
    desktop.apps = {{"com.apple.Safari", "Safari"}};
    write(system / "safari.desktop", entry("Name=Safari\n"));
    write(user / "editor.desktop", entry("Name=Editor\nName[de]=Bearbeiter\n"));
    write(system / "editor2.desktop", entry("Name=Bearbeiter\n"));
    write(system / "nameless.desktop", entry("Icon=nameless\n"));
    write(system / "kde/konsole.desktop", entry("Name=Konsole\n"));
    write(system / "kde/deeper/lost.desktop", entry("Name=Lost\n"));
    write(system / "helper.desktop", entry("Name=Helper\nNoDisplay=true\n"));
    write(system / "link.desktop", "[Desktop Entry]\nType=Link\nName=Web\n");
    write(user / "gone.desktop", entry("Name=Gone\nHidden=true\n"));
    write(system / "gone.desktop", entry("Name=Gone\n"));
    write(system / "folder.desktop/inside.desktop", entry("Name=Inside\n"));
    auto table = apps();

    EXPECT_THAT(table.names(), ElementsAre("Bearbeiter", "Konsole", "nameless", "Safari"));
    EXPECT_EQ(table.apps().at("Safari").identifier, "com.apple.Safari");
    EXPECT_EQ(table.apps().at("Bearbeiter").identifier, "editor.desktop");
    EXPECT_EQ(table.apps().at("Konsole").identifier, "kde-konsole.desktop");
    EXPECT_EQ(table.bundleIDs().at("nameless"), "nameless.desktop");
    EXPECT_FALSE(table.apps().contains("Helper"));
    EXPECT_TRUE(table.knowsApp("Helper"));
    EXPECT_FALSE(table.knowsApp("Lost"));
    EXPECT_FALSE(table.knowsApp("Gone"));
    EXPECT_FALSE(table.knowsApp("safari"));
}

TEST_F(InstalledAppsTest, NamesSortInTheLocalesOrderWithNumbersByValue) {
    for (const std::string name : {"app 10", "App 2", "zebra", "Äpfel", "beta"})
        write(system / (name + ".desktop"), entry("Name=" + name + "\n"));
    EXPECT_THAT(apps("C").names(), ElementsAre("Äpfel", "App 2", "app 10", "beta", "zebra"));
}

TEST_F(InstalledAppsTest, TranslatesThroughRunningAppsFirstThenTheTableElseGivesTheIdentifierBack) {
    desktop.apps = {{"org.example.Notes", "Notes"}};
    running.apps = {process("Mail", "com.apple.mail", ActivationPolicy::accessory), process("Nameless", std::nullopt),
                    process("Notizen", "org.example.Notes")};
    auto table = apps();

    EXPECT_EQ(table.name("com.apple.mail"), "Mail");
    EXPECT_EQ(table.name("org.example.Notes"), "Notizen");
    EXPECT_EQ(table.name("org.unknown"), "org.unknown");
    EXPECT_EQ(table.bundleID("Mail"), "com.apple.mail");
    EXPECT_EQ(table.bundleID("Notes"), "org.example.Notes");
    EXPECT_EQ(table.bundleID("Nameless"), std::nullopt);
    EXPECT_EQ(table.bundleID("Nobody"), std::nullopt);
}

TEST_F(InstalledAppsTest, RunningAppsAreTheRegularOnesOnceEachInPlainOrder) {
    running.apps = {process("calculator", "a"), process("Zoom", "b"), process("Zoom", "b"),
                    process("Agent", "c", ActivationPolicy::accessory)};
    auto table = apps();
    EXPECT_THAT(table.runningApps(), ElementsAre("Zoom", "calculator"));
    EXPECT_TRUE(table.knowsApp("Zoom"));
    EXPECT_FALSE(table.knowsApp("Agent"));
}

TEST_F(InstalledAppsTest, IsScannedOnceOnFirstUse) {
    auto table = apps();
    write(system / "early.desktop", entry("Name=Early\n"));
    EXPECT_THAT(table.names(), ElementsAre("Early"));
    write(system / "late.desktop", entry("Name=Late\n"));
    EXPECT_FALSE(table.knowsApp("Late"));
    EXPECT_THAT(table.names(), ElementsAre("Early"));
}

TEST_F(InstalledAppsTest, SkipsMalformedHugeLoopingAndUnreadableEntries) {
    write(system / "good.desktop", entry("Name=Good\nExec=rm -rf /\n"));
    write(system / "garbage.desktop", std::string("\0\xff[Desktop\n=\n[", 13));
    write(system / "huge.desktop", entry("Name=Huge\nComment=" + std::string(DesktopEntry::maximumSize, 'x') + "\n"));
    fs::create_symlink(system / "loop.desktop", system / "loop.desktop");
    fs::create_directory_symlink(system, system / "self");
    ::mkfifo((system / "pipe.desktop").c_str(), 0600);

    InstalledApps table(desktop, running, {{home / "missing", user / "good.desktop", system}, "C"});
    EXPECT_THAT(table.names(), ElementsAre("Good"));
}

TEST_F(InstalledAppsTest, ARunningAppTakesTheIconOfItsEntryElseTheNameFindsOne) {
    desktop.apps = {{"org.example.Viewer", "Viewer"}};
    running.apps = {process("Betrachter", "org.example.Viewer"), process("Stranger", "org.example.Stranger")};
    write(system / "viewer.desktop", entry("Name=Viewer\nIcon=/icons/viewer.png\n"));
    write(system / "helper.desktop", entry("Name=Helper\nNoDisplay=true\nIcon=helper\n"));
    auto table = apps();

    EXPECT_EQ(table.iconName("Betrachter"), "/icons/viewer.png");
    EXPECT_EQ(table.iconName("Viewer"), "/icons/viewer.png");
    EXPECT_EQ(table.iconName("Helper"), "helper");
    EXPECT_EQ(table.iconName("Stranger"), std::nullopt);
    EXPECT_EQ(table.iconName("Nobody"), std::nullopt);
}

} // namespace
} // namespace quillmere
