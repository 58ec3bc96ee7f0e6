#include "shell/CommandLineSettings.h"
#include "support/Files.h"
#include "support/TemporaryDirectory.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace quillmere {
namespace {

namespace fs = std::filesystem;
using Status = CommandLineLink::Status;

constexpr std::string_view installedLine = "Installed at /usr/local/bin/quillmere";
constexpr std::string_view notInstalledLine = "Install Quillmere and open it from there before installing the command.";
constexpr std::string_view conflictLine =
    "/usr/local/bin/quillmere already exists and points elsewhere. Move or remove it yourself before installing; "
    "Quillmere will leave it unchanged.";

// A home folder with the front executable installed in "~/.local/bin", and the command's place in "links".
class CommandLineSettingsTest : public testing::Test {
  protected:
    CommandLineSettingsTest() {
        fs::create_directories(home / ".local" / "bin");
        fs::create_directories(home / "build" / "bin");
        for (const fs::path& program : {installed(), built()}) {
            files::write(program, "#!/bin/sh\n");
            fs::permissions(program, fs::perms::owner_all);
        }
        fs::create_directories(home / "links");
    }

    fs::path installed() const { return home / ".local" / "bin" / "quillmere"; }
    fs::path built() const { return home / "build" / "bin" / "quillmere"; }
    fs::path destination() const { return home / "links" / "quillmere"; }

    CommandLineSettings settings(const fs::path& front) {
        CommandLineSettings made({.frontExecutable = front.string(),
                                  .homeFolder = home.path().string(),
                                  .runAsAdministrator =
                                      [this](const std::vector<std::string>& arguments) {
                                          administratorRuns.push_back(arguments);
                                          return administrator(arguments);
                                      },
                                  .destination = destination().string()});
        made.refresh();
        return made;
    }

    // The place of the command in a folder where this user may not write, even as root.
    void refuseWrites() {
        fs::remove_all(home / "links");
        fs::create_directory_symlink("/sys", home / "links");
    }

    TemporaryDirectory home;
    std::vector<std::vector<std::string>> administratorRuns;
    std::function<std::optional<AdministratorRun>(const std::vector<std::string>&)> administrator =
        [](const auto&) { return AdministratorRun{}; };
};

TEST_F(CommandLineSettingsTest, OffersTheCommandOnlyForAnInstalledProgram) {
    CommandLineSettings fromBuild = settings(built());
    EXPECT_FALSE(fromBuild.link());
    EXPECT_EQ(fromBuild.stateLine(), notInstalledLine);
    EXPECT_FALSE(fromBuild.buttonEnabled());
    fromBuild.install();
    EXPECT_EQ(fromBuild.status(), Status::missing);
    EXPECT_FALSE(fs::exists(fs::symlink_status(destination())));

    fs::permissions(installed(), fs::perms::owner_read);
    EXPECT_FALSE(settings(installed()).link()) << "not executable";
    fs::permissions(installed(), fs::perms::owner_all);

    fs::create_directories(home / ".local" / "share");
    fs::create_symlink(installed(), home / ".local" / "share" / "front");
    const auto link = settings(home / ".local" / "share" / "front").link();
    ASSERT_TRUE(link);
    EXPECT_EQ(link->executable, installed().string()) << "the real path";
    EXPECT_EQ(link->destination, destination().string());
}

TEST_F(CommandLineSettingsTest, ButtonAndStateLineFollowTheLink) {
    CommandLineSettings section = settings(installed());
    EXPECT_EQ(section.buttonTitle(), "Install Command…");
    EXPECT_TRUE(section.buttonEnabled());
    EXPECT_EQ(section.stateLine(), std::nullopt);

    section.install();
    EXPECT_EQ(section.status(), Status::installed);
    EXPECT_EQ(section.message(), std::nullopt);
    EXPECT_EQ(section.buttonTitle(), "Installed");
    EXPECT_FALSE(section.buttonEnabled());
    EXPECT_EQ(section.stateLine(), installedLine);
    EXPECT_TRUE(administratorRuns.empty()) << "a plain write sufficed";

    fs::remove(destination());
    files::write(destination(), "someone else's");
    section.refresh();
    EXPECT_EQ(section.buttonTitle(), "Install Command…");
    EXPECT_FALSE(section.buttonEnabled());
    EXPECT_EQ(section.stateLine(), conflictLine);
}

TEST_F(CommandLineSettingsTest, ARefusedWriteAsksTheAdministratorAndShowsWhatWentWrong) {
    struct Case {
        const char* name;
        std::optional<AdministratorRun> answer;
        std::optional<std::string> message;
    };
    const Case cases[] = {
        {"cancelled", AdministratorRun{126, "Error executing command as another user: Request dismissed\n"},
         std::nullopt},
        {"failed with output", AdministratorRun{1, "An existing quillmere command was left unchanged.\n"},
         "An existing quillmere command was left unchanged."},
        {"failed silently", AdministratorRun{127, " \n"}, "Could not install the command. Try again."},
        {"no pkexec", std::nullopt, "Could not install the command: pkexec is not installed."},
        {"succeeded without a link", AdministratorRun{0, ""},
         "The command could not be verified. Check /usr/local/bin/quillmere and try again."},
    };
    refuseWrites();
    for (const Case& test : cases) {
        administrator = [&](const auto&) { return test.answer; };
        CommandLineSettings section = settings(installed());
        section.install();
        EXPECT_EQ(section.message(), test.message) << test.name;
        EXPECT_EQ(section.status(), Status::missing) << test.name;
        EXPECT_FALSE(section.installing()) << test.name;
    }
}

TEST_F(CommandLineSettingsTest, TheAdministratorRunsTheScriptAndTheLinkIsVerified) {
    refuseWrites();
    administrator = [this](const std::vector<std::string>& arguments) {
        // As the administrator could: the folder is writable for it.
        fs::remove(home / "links");
        fs::create_directory(home / "links");
        const std::string command = "/bin/sh -c " + shellQuoted(arguments.at(3));
        return AdministratorRun{WEXITSTATUS(std::system(command.c_str())), ""};
    };
    CommandLineSettings section = settings(installed());
    section.install();
    ASSERT_EQ(administratorRuns.size(), 1u);
    EXPECT_EQ(administratorRuns.front(), section.link()->administratorCommand());
    EXPECT_EQ(section.message(), std::nullopt);
    EXPECT_EQ(section.status(), Status::installed);
}

TEST_F(CommandLineSettingsTest, AnotherFailureIsToldAsItIs) {
    fs::remove_all(home / "links");
    files::write(home / "links", "a file where the folder should be");
    CommandLineSettings section = settings(installed());
    section.install();
    ASSERT_TRUE(section.message());
    EXPECT_TRUE(section.message()->starts_with("Could not install the command: ")) << *section.message();
    EXPECT_TRUE(administratorRuns.empty());
}

} // namespace
} // namespace quillmere
