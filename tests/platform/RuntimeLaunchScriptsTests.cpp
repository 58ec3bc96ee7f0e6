#include "platform/linux/RuntimeLaunchScripts.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace quillmere {
namespace {

std::string contents(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

mode_t modeOf(const std::filesystem::path& path) {
    struct stat status {};
    ::lstat(path.c_str(), &status);
    return status.st_mode & 07777;
}

TEST(LaunchScriptTextTest, IsTheFiveLinesWithTheShellThatStartsIt) {
    EXPECT_EQ(launchScriptText("make\nmake test", "/bin/zsh"),
              "#!/bin/zsh -l\nrm -f \"$0\"\ncd \"$HOME\"\nmake\nmake test\nexec \"${SHELL:-/bin/zsh}\" -l\n");
    EXPECT_EQ(launchScriptText("ls", "/bin/sh"), "#!/bin/sh -l\nrm -f \"$0\"\ncd \"$HOME\"\nls\nexec \"${SHELL:-/bin/sh}\" -l\n");
}

TEST(RuntimeLaunchScriptsTest, WritesEachScriptAnewInAPrivateFolderOfTheRuntimeFolder) {
    TemporaryDirectory runtime;
    RuntimeLaunchScripts scripts(runtime.path());
    const auto first = scripts.write("echo hi");
    const auto second = scripts.write("echo hi");
    ASSERT_TRUE(first && second);

    EXPECT_EQ(first->parent_path(), runtime / "quillmere");
    EXPECT_EQ(modeOf(runtime / "quillmere"), 0700u);
    EXPECT_TRUE(std::regex_match(first->filename().string(),
                                 std::regex("quillmere-[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}\\.command")));
    EXPECT_NE(*first, *second);
    EXPECT_EQ(modeOf(*first), 0700u);
    const std::string shell = ::access("/bin/zsh", X_OK) == 0 ? "/bin/zsh" : "/bin/sh";
    EXPECT_EQ(contents(*first), launchScriptText("echo hi", shell));
}

TEST(RuntimeLaunchScriptsTest, WritesNothingWithoutAPrivateRuntimeFolder) {
    EXPECT_FALSE(RuntimeLaunchScripts(std::nullopt).write("echo hi"));

    TemporaryDirectory runtime;
    std::filesystem::create_directory(runtime / "quillmere");
    ::chmod((runtime / "quillmere").c_str(), 0755);
    const auto written = RuntimeLaunchScripts(runtime.path()).write("echo hi");
    ASSERT_FALSE(written);
    EXPECT_NE(written.error().description.find("mode 0700"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_empty(runtime / "quillmere"));
}

// Another program may already have put something at the script's name: it is left as it was, not written to or
// through.
TEST(RuntimeLaunchScriptsTest, NeverWritesOverOrThroughWhatIsAlreadyAtTheScriptsName) {
    struct Case {
        const char* name;
        bool link;
    };
    for (const Case& c : {Case{"a file", false}, Case{"a link to a file", true}}) {
        SCOPED_TRACE(c.name);
        TemporaryDirectory runtime;
        RuntimeLaunchScripts scripts(runtime.path(), [] { return std::string("quillmere-taken.command"); });
        ASSERT_TRUE(scripts.write("echo first"));
        const std::filesystem::path taken = runtime / "quillmere" / "quillmere-taken.command";
        const std::filesystem::path target = runtime / "target";
        std::filesystem::remove(taken);
        std::ofstream(c.link ? target : taken) << "someone else's";
        if (c.link)
            std::filesystem::create_symlink(target, taken);

        const auto written = scripts.write("echo hi");
        EXPECT_FALSE(written);
        EXPECT_EQ(contents(c.link ? target : taken), "someone else's");
        EXPECT_EQ(c.link, std::filesystem::is_symlink(taken));
    }
}

} // namespace
} // namespace quillmere
