#include "platform/x11/DesktopEntries.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillmere {
namespace {

namespace fs = std::filesystem;

// GIO reads the entry folders once per process, so every entry is written before the first test asks.
class DesktopEntriesTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ = fs::temp_directory_path() / ("quillmere-entries-" + std::to_string(::getpid()));
        const fs::path user = folder_ / "user" / "applications";
        const fs::path system = folder_ / "system" / "applications";
        fs::create_directories(user);
        fs::create_directories(system);
        write(system / "org.example.Editor.desktop",
              "[Desktop Entry]\nType=Application\nName=Editor\nName[de]=Bearbeiter\nExec=/usr/bin/editor %F\n"
              "StartupWMClass=EditorMain\n");
        write(system / "shadowed.desktop",
              "[Desktop Entry]\nType=Application\nName=System Copy\nExec=true\n");
        write(user / "shadowed.desktop", "[Desktop Entry]\nType=Application\nName=User Copy\nExec=true\n");
        write(system / "helper.desktop",
              "[Desktop Entry]\nType=Application\nName=Helper\nExec=true\nNoDisplay=true\n");
        write(system / "missing.desktop",
              "[Desktop "
              "Entry]\nType=Application\nName=Missing\nExec=true\nTryExec=quillmere-no-such-program\n");
        ::mkfifo((folder_ / "written").c_str(), 0600);
        write(system / "writes.desktop",
              "[Desktop Entry]\nType=Application\nName=Writes\nExec=sh -c 'echo \"$@\" > " +
                  (folder_ / "written").string() + "' sh %U\n");
        ::setenv("XDG_DATA_HOME", (folder_ / "user").c_str(), 1);
        ::setenv("XDG_DATA_DIRS", (folder_ / "system").c_str(), 1);
        ::setenv("LANGUAGE", "de", 1);
    }
    static void TearDownTestSuite() { fs::remove_all(folder_); }

    static void write(const fs::path& path, const std::string& text) { std::ofstream(path) << text; }

    static std::optional<DesktopEntries::Listed> listed(const std::string& id) {
        for (auto& entry : DesktopEntries().entries())
            if (entry.entry.id == id)
                return entry;
        return std::nullopt;
    }

    static inline fs::path folder_;
};

TEST_F(DesktopEntriesTest, ReadsWhatTellsAProgramApart) {
    const auto editor = listed("org.example.Editor");
    ASSERT_TRUE(editor.has_value());
    EXPECT_EQ(editor->entry.name, "Bearbeiter");
    EXPECT_EQ(editor->entry.startupWMClass, "EditorMain");
    EXPECT_EQ(editor->entry.executable, "editor");
    EXPECT_EQ(editor->location,
              (folder_ / "system" / "applications" / "org.example.Editor.desktop").string());
    EXPECT_TRUE(editor->shown);
}

TEST_F(DesktopEntriesTest, TheUsersEntryHidesTheSystemsAndHiddenOnesAreNotShown) {
    EXPECT_EQ(listed("shadowed")->entry.name, "User Copy");
    EXPECT_FALSE(listed("helper")->shown);
    // TryExec names a program that is not installed.
    EXPECT_FALSE(listed("missing").has_value());
}

TEST_F(DesktopEntriesTest, LaunchesWithTheURLsInPlaceOfTheFieldCode) {
    ASSERT_TRUE(
        DesktopEntries().launch(listed("writes")->location, {"file:///tmp/a", "https://example.com/"}));
    // The program runs on its own; reading the pipe waits until it has written.
    std::ifstream file(folder_ / "written");
    std::string line;
    std::getline(file, line);
    // GIO hands a local file over as its path, as the desktop does.
    EXPECT_EQ(line, "/tmp/a https://example.com/");
}

TEST_F(DesktopEntriesTest, AMissingEntryDoesNotLaunch) {
    EXPECT_FALSE(DesktopEntries().launch((folder_ / "nothing.desktop").string(), {}));
}

} // namespace
} // namespace quillmere
