#include "install/CommandLineLink.h"
#include "support/Files.h"
#include "support/TemporaryDirectory.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace quillmere {
namespace {

namespace fs = std::filesystem;
using Status = CommandLineLink::Status;

TEST(CommandLineLinkScript, QuotesEachValueAsOneWordAndEndsWithoutALineFeed) {
    struct Case {
        std::string executable;
        std::string destination;
        std::string script;
    };
    const Case cases[] = {
        {"/usr/bin/quillmere", "/usr/local/bin/quillmere",
         "set -eu\n"
         "if [ -L '/usr/local/bin/quillmere' ] && [ \"$(/usr/bin/readlink '/usr/local/bin/quillmere')\" = "
         "'/usr/bin/quillmere' ]; then exit 0; fi\n"
         "if [ -e '/usr/local/bin/quillmere' ] || [ -L '/usr/local/bin/quillmere' ]; then\n"
         "    /usr/bin/printf '%s\\n' 'An existing quillmere command was left unchanged.' >&2\n"
         "    exit 1\n"
         "fi\n"
         "/bin/mkdir -p '/usr/local/bin'\n"
         "/bin/ln -sn '/usr/bin/quillmere' '/usr/local/bin/quillmere'"},
        {"/opt/My Apps/quillmere", "/tmp/a b/quillmere",
         "set -eu\n"
         "if [ -L '/tmp/a b/quillmere' ] && [ \"$(/usr/bin/readlink '/tmp/a b/quillmere')\" = "
         "'/opt/My Apps/quillmere' ]; then exit 0; fi\n"
         "if [ -e '/tmp/a b/quillmere' ] || [ -L '/tmp/a b/quillmere' ]; then\n"
         "    /usr/bin/printf '%s\\n' 'An existing quillmere command was left unchanged.' >&2\n"
         "    exit 1\n"
         "fi\n"
         "/bin/mkdir -p '/tmp/a b'\n"
         "/bin/ln -sn '/opt/My Apps/quillmere' '/tmp/a b/quillmere'"},
        {"/opt/Bob's/quillmere", "/usr/local/bin/quillmere",
         "set -eu\n"
         "if [ -L '/usr/local/bin/quillmere' ] && [ \"$(/usr/bin/readlink '/usr/local/bin/quillmere')\" = "
         "'/opt/Bob'\\''s/quillmere' ]; then exit 0; fi\n"
         "if [ -e '/usr/local/bin/quillmere' ] || [ -L '/usr/local/bin/quillmere' ]; then\n"
         "    /usr/bin/printf '%s\\n' 'An existing quillmere command was left unchanged.' >&2\n"
         "    exit 1\n"
         "fi\n"
         "/bin/mkdir -p '/usr/local/bin'\n"
         "/bin/ln -sn '/opt/Bob'\\''s/quillmere' '/usr/local/bin/quillmere'"},
    };
    for (const Case& test : cases) {
        const CommandLineLink link{test.executable, test.destination};
        EXPECT_EQ(link.installShellScript(), test.script) << test.executable;
        EXPECT_EQ(std::ranges::count(link.installShellScript(), '\n'), 7) << "eight lines";
        EXPECT_EQ(link.administratorCommand(),
                  (std::vector<std::string>{"pkexec", "/bin/sh", "-c", link.installShellScript()}));
    }
}

// A folder with an executable "Quillmere's app/quillmere" and a "bin" folder for the link.
class CommandLineLinkTest : public testing::Test {
  protected:
    CommandLineLinkTest() {
        fs::create_directories(folder / "Quillmere's app");
        fs::create_directories(folder / "bin");
        files::write(executable(), "#!/bin/sh\n");
        fs::permissions(executable(), fs::perms::owner_all);
    }

    std::string executable() const { return (folder / "Quillmere's app" / "quillmere").string(); }
    std::string destination() const { return (folder / "bin" / "quillmere").string(); }
    CommandLineLink link() const { return {executable(), destination()}; }

    // Runs the administrator's script as this user, answering its exit status and standard error.
    std::pair<int, std::string> runScript() const {
        const fs::path errors = folder / "errors";
        const std::string command =
            "/bin/sh -c " + shellQuoted(link().installShellScript()) + " 2>" + shellQuoted(errors.string());
        const int status = std::system(command.c_str());
        return {WEXITSTATUS(status), files::read(errors)};
    }

    TemporaryDirectory folder;
};

TEST_F(CommandLineLinkTest, ReadsTheStateOfWhatIsAtTheDestination) {
    using Paths = const std::string&;
    struct Case {
        const char* name;
        // Given the executable and the destination.
        std::function<void(Paths, Paths)> arrange;
        Status status;
    };
    const Case cases[] = {
        {"nothing", [](Paths, Paths) {}, Status::missing},
        {"absolute link", [](Paths executable, Paths link) { fs::create_symlink(executable, link); }, Status::installed},
        {"relative link", [](Paths, Paths link) { fs::create_symlink("../Quillmere's app/./quillmere", link); },
         Status::installed},
        {"link elsewhere", [](Paths, Paths link) { fs::create_symlink("/bin/sh", link); }, Status::conflict},
        {"dangling link", [](Paths, Paths link) { fs::create_symlink("gone/quillmere", link); }, Status::conflict},
        {"file", [](Paths, Paths link) { files::write(link, "other"); }, Status::conflict},
        {"the executable itself", [](Paths executable, Paths link) { fs::create_hard_link(executable, link); },
         Status::installed},
    };
    for (const Case& test : cases) {
        std::error_code ignored;
        fs::remove(destination(), ignored);
        test.arrange(executable(), destination());
        EXPECT_EQ(link().status(), test.status) << test.name;
    }
}

TEST_F(CommandLineLinkTest, InstallsOnlyWhereNothingIs) {
    EXPECT_FALSE(link().install());
    EXPECT_EQ(fs::read_symlink(destination()), executable());
    EXPECT_FALSE(link().install()) << "installed: nothing to do";

    fs::remove(destination());
    files::write(destination(), "mine");
    EXPECT_EQ(link().install(), std::make_error_code(std::errc::file_exists));
    EXPECT_EQ(files::read(destination()), "mine");

    const CommandLineLink deeper{executable(), (folder / "new" / "bin" / "quillmere").string()};
    EXPECT_FALSE(deeper.install()) << "the missing folders are made";
    EXPECT_EQ(deeper.status(), Status::installed);
}

TEST_F(CommandLineLinkTest, ARefusedWriteIsAPermissionError) {
    // No one may make links in /sys, not even the administrator.
    fs::create_directory_symlink("/sys", folder / "refused");
    const std::error_code error = CommandLineLink{executable(), (folder / "refused" / "quillmere").string()}.install();
    EXPECT_TRUE(error == std::errc::permission_denied || error == std::errc::operation_not_permitted)
        << error.message();
}

TEST_F(CommandLineLinkTest, TheScriptInstallsSucceedsWhenInstalledAndLeavesAnythingElseAlone) {
    EXPECT_EQ(runScript(), std::pair(0, std::string()));
    EXPECT_EQ(link().status(), Status::installed);
    EXPECT_EQ(runScript(), std::pair(0, std::string())) << "already there";

    fs::remove(destination());
    fs::create_symlink("gone", destination());
    EXPECT_EQ(runScript(), std::pair(1, std::string("An existing quillmere command was left unchanged.\n")));
    EXPECT_EQ(fs::read_symlink(destination()), "gone");
}

} // namespace
} // namespace quillmere
