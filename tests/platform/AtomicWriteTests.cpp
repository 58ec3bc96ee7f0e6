#include "platform/AtomicWrite.h"
#include "support/TemporaryDirectory.h"
#include "support/Umask.h"

#include <chrono>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <string>
#include <sys/resource.h>

namespace quillmere {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
    std::ifstream file(path);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::set<std::string> entries(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

class AtomicWriteTest : public testing::Test {
  protected:
    TemporaryDirectory folder;
    fs::path file = folder / "config.json";
};

TEST_F(AtomicWriteTest, CreatesAFileAndReplacesItsWholeContent) {
    EXPECT_EQ(writeAtomically(file, "a long first content"), std::nullopt);
    EXPECT_EQ(readFile(file), "a long first content");

    EXPECT_EQ(writeAtomically(file, "short"), std::nullopt);
    EXPECT_EQ(readFile(file), "short");

    EXPECT_EQ(writeAtomically(file, ""), std::nullopt);
    EXPECT_EQ(readFile(file), "");
    EXPECT_EQ(entries(folder.path()), std::set<std::string>{"config.json"});
}

TEST_F(AtomicWriteTest, AFileWhoseNameIsAsLongAsTheSystemAllowsIsWritten) {
    const std::string longest = std::string(250, 'a') + ".json";
    ASSERT_EQ(longest.size(), 255u);

    EXPECT_EQ(writeAtomically(folder / longest, "first"), std::nullopt);
    EXPECT_EQ(writeAtomically(folder / longest, "second"), std::nullopt);

    EXPECT_EQ(readFile(folder / longest), "second");
    EXPECT_EQ(entries(folder.path()), std::set<std::string>{longest});
}

TEST_F(AtomicWriteTest, AReplacedFileKeepsItsPermissions) {
    std::ofstream(file) << "old";
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);

    ASSERT_EQ(writeAtomically(file, "new"), std::nullopt);

    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(AtomicWriteTest, AFailedRenameLeavesNoTemporaryFileAndNothingChanged) {
    fs::create_directory(file);
    std::ofstream(file / "inside") << "kept";

    const auto error = writeAtomically(file, "new");

    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->description, file.string() + ": Is a directory");
    EXPECT_EQ(entries(folder.path()), std::set<std::string>{"config.json"});
    EXPECT_EQ(readFile(file / "inside"), "kept");
}

// Files may not grow past 4 bytes while it exists, and going past the limit fails the write instead of
// ending the process.
class FileSizeLimit {
  public:
    FileSizeLimit() : previousHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = 4;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

  private:
    void (*previousHandler_)(int);
    rlimit previous_{};
};

TEST_F(AtomicWriteTest, AFailedWriteKeepsTheOldContentAndLeavesNoTemporaryFile) {
    std::ofstream(file) << "old";

    std::optional<FileError> error;
    {
        FileSizeLimit limit;
        error = writeAtomically(file, "more than four bytes");
    }

    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->description, file.string() + ": File too large");
    EXPECT_EQ(readFile(file), "old");
    EXPECT_EQ(entries(folder.path()), std::set<std::string>{"config.json"});
}

TEST_F(AtomicWriteTest, AMissingFolderIsAnErrorNamingTheFile) {
    const auto missing = folder / "absent" / "config.json";

    const auto error = writeAtomically(missing, "new");

    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->description, missing.string() + ": No such file or directory");
    EXPECT_TRUE(entries(folder.path()).empty());
}

TEST_F(AtomicWriteTest, WritingThroughALinkReplacesItsTargetAndKeepsTheLink) {
    fs::create_directory(folder / "dotfiles");
    const auto target = folder / "dotfiles" / "quillmere.json";
    std::ofstream(target) << "old";
    // A chain of a relative and an absolute link.
    fs::create_symlink(target, folder / "absolute");
    fs::create_symlink("absolute", file);

    ASSERT_EQ(writeAtomically(file, "new"), std::nullopt);

    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(file)));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder / "absolute")));
    EXPECT_EQ(readFile(target), "new");
    EXPECT_EQ(entries(folder / "dotfiles"), std::set<std::string>{"quillmere.json"});
}

TEST_F(AtomicWriteTest, ALinkToNothingGetsItsTargetCreated) {
    fs::create_symlink("real.json", file);

    ASSERT_EQ(writeAtomically(file, "new"), std::nullopt);

    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(file)));
    EXPECT_EQ(readFile(folder / "real.json"), "new");
}

TEST_F(AtomicWriteTest, ALinkLoopIsAnError) {
    fs::create_symlink("other", file);
    fs::create_symlink("config.json", folder / "other");

    const auto error = writeAtomically(file, "new");

    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->description, file.string() + ": Too many levels of symbolic links");
    EXPECT_EQ(entries(folder.path()), (std::set<std::string>{"config.json", "other"}));
}

TEST_F(AtomicWriteTest, AFileForTheOwnerAloneIsSoWhateverTheUmaskOrTheReplacedFilesMode) {
    const ScopedUmask umask(0277);
    ASSERT_EQ(writeAtomically(file, "new", FileAccess::owner), std::nullopt);
    EXPECT_EQ(permissionsOf(file), fs::perms::owner_read | fs::perms::owner_write);

    fs::permissions(file, fs::perms::all);
    ASSERT_EQ(writeAtomically(file, "newer", FileAccess::owner), std::nullopt);
    EXPECT_EQ(permissionsOf(file), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(readFile(file), "newer");
}

TEST_F(AtomicWriteTest, APrivateFolderIsMadeForTheOwnerAloneAndAnExistingOneIsLeftAsItIs) {
    const fs::path made = folder / "parent" / "private";
    {
        const ScopedUmask umask(0022);
        ASSERT_EQ(createPrivateFolder(made), std::nullopt);
    }
    EXPECT_EQ(permissionsOf(made), fs::perms::owner_all);
    EXPECT_EQ(permissionsOf(made.parent_path()), fs::perms::owner_all | fs::perms::group_read |
                                                     fs::perms::group_exec | fs::perms::others_read |
                                                     fs::perms::others_exec);

    fs::permissions(made, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
    ASSERT_EQ(createPrivateFolder(made), std::nullopt);
    EXPECT_EQ(permissionsOf(made), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);

    std::ofstream(file) << "a file where the folder should be";
    const auto error = createPrivateFolder(file);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->description, file.string() + ": Not a directory");
}

TEST_F(AtomicWriteTest, OnlyStaleTemporaryFilesOfOurWritesAreRemoved) {
    const auto put = [this](const std::string& name, std::chrono::minutes age) {
        std::ofstream(folder / name) << "x";
        fs::last_write_time(folder / name, fs::file_time_type::clock::now() - age);
    };
    put(".quillmere-1234.tmp", std::chrono::minutes(90));
    put(".quillmere-98765.tmp", std::chrono::minutes(2));
    put(".quillmere-42.tmp", std::chrono::minutes(0));
    put(".quillmere-notes.tmp", std::chrono::minutes(90));
    put("quillmere-1.tmp", std::chrono::minutes(90));
    put("config.json", std::chrono::minutes(90));
    fs::create_directory(folder / ".quillmere-7.tmp");
    fs::last_write_time(folder / ".quillmere-7.tmp", fs::file_time_type::clock::now() - std::chrono::minutes(90));

    removeStaleTemporaries(folder.path());

    EXPECT_EQ(entries(folder.path()), (std::set<std::string>{".quillmere-42.tmp", ".quillmere-notes.tmp",
                                                              "quillmere-1.tmp", "config.json", ".quillmere-7.tmp"}));
    removeStaleTemporaries(folder / "missing");
}

} // namespace
} // namespace quillmere
