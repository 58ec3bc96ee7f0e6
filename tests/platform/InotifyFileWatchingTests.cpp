#include "platform/ManualMainQueue.h"
#include "platform/linux/InotifyFileWatching.h"
#include "support/TemporaryDirectory.h"

#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillmere {
namespace {

namespace fs = std::filesystem;

constexpr FileEvents fileEvents = FileEvent::write | FileEvent::delete_ | FileEvent::rename;

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path) << text;
}
void appendFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::app) << text;
}

std::size_t openDescriptorCount() {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator("/proc/self/fd"), {}));
}

class InotifyFileWatchingTest : public testing::Test {
  protected:
    std::unique_ptr<FileWatch> watch(const fs::path& path, FileEvents events, std::vector<FileEvents>& seen) {
        return watching.watch(path, events, [&seen](FileEvents events) { seen.push_back(events); });
    }

    TemporaryDirectory folder;
    fs::path file = folder / "config.json";
    ManualMainQueue queue;
    InotifyFileWatching watching{queue};
};

TEST_F(InotifyFileWatchingTest, AWriteToTheFileIsDeliveredOnThePoll) {
    writeFile(file, "{}");
    std::vector<FileEvents> seen;
    const auto watcher = watch(file, fileEvents, seen);
    ASSERT_NE(watcher, nullptr);

    EXPECT_EQ(queue.poll(), 0u);
    appendFile(file, " ");
    appendFile(file, " ");
    EXPECT_EQ(queue.poll(), 1u);

    // Both writes arrive merged in one call.
    EXPECT_EQ(seen, std::vector<FileEvents>{FileEvent::write});
}

TEST_F(InotifyFileWatchingTest, ASaveByRenameEndsTheOldWatchAndANewWatchSeesTheNewFile) {
    writeFile(file, "old");
    std::vector<FileEvents> fileSeen, folderSeen;
    auto fileWatcher = watch(file, fileEvents, fileSeen);
    const auto folderWatcher = watch(folder.path(), FileEvent::write, folderSeen);

    const auto saved = folder / "config.json.saving";
    writeFile(saved, "new");
    fs::rename(saved, file);
    queue.poll();

    ASSERT_EQ(fileSeen.size(), 1u);
    EXPECT_TRUE(fileSeen[0].contains(FileEvent::delete_));
    EXPECT_FALSE(folderSeen.empty());

    fileSeen.clear();
    fileWatcher = watch(file, fileEvents, fileSeen);
    appendFile(file, "er");
    queue.poll();
    EXPECT_EQ(fileSeen, std::vector<FileEvents>{FileEvent::write});
}

struct FileChange {
    std::string name;
    FileEvents watched;
    std::function<void(const fs::path& file, const fs::path& folder)> change;
    FileEvents expected;
};

class FileChangeTest : public InotifyFileWatchingTest, public testing::WithParamInterface<FileChange> {};

TEST_P(FileChangeTest, DeliversWhatWasAskedForOfWhatHappened) {
    writeFile(file, "{}");
    std::vector<FileEvents> seen;
    const auto watcher = watch(file, GetParam().watched, seen);

    GetParam().change(file, folder.path());
    queue.poll();

    if (GetParam().expected.empty()) {
        EXPECT_TRUE(seen.empty());
    } else {
        EXPECT_EQ(seen, std::vector<FileEvents>{GetParam().expected});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Changes, FileChangeTest,
    testing::Values(
        FileChange{"Truncated", fileEvents, [](auto& file, auto&) { writeFile(file, ""); }, FileEvent::write},
        FileChange{"Renamed", fileEvents,
                   [](auto& file, auto& folder) { fs::rename(file, folder / "moved"); }, FileEvent::rename},
        FileChange{"Deleted", fileEvents, [](auto& file, auto&) { fs::remove(file); }, FileEvent::delete_},
        FileChange{"WriteNotAskedFor",
                   FileEvent::delete_ | FileEvent::rename,
                   [](auto& file, auto&) { appendFile(file, "x"); },
                   {}},
        FileChange{"PermissionsChanged",
                   fileEvents,
                   [](auto& file, auto&) { fs::permissions(file, fs::perms::owner_read); },
                   {}}),
    [](const auto& info) { return info.param.name; });

struct FolderChange {
    std::string name;
    std::function<void(const fs::path& folder)> change;
    bool seen;
};

class FolderChangeTest : public InotifyFileWatchingTest, public testing::WithParamInterface<FolderChange> {};

TEST_P(FolderChangeTest, AFolderIsWrittenWhenItsEntriesChangeNotTheirContent) {
    writeFile(folder / "existing", "{}");
    std::vector<FileEvents> seen;
    const auto watcher = watch(folder.path(), FileEvent::write, seen);

    GetParam().change(folder.path());
    queue.poll();

    EXPECT_EQ(seen, GetParam().seen ? std::vector<FileEvents>{FileEvent::write} : std::vector<FileEvents>{});
}

INSTANTIATE_TEST_SUITE_P(
    Changes, FolderChangeTest,
    testing::Values(
        FolderChange{"Added", [](auto& folder) { writeFile(folder / "new", ""); }, true},
        FolderChange{"Removed", [](auto& folder) { fs::remove(folder / "existing"); }, true},
        FolderChange{"Renamed", [](auto& folder) { fs::rename(folder / "existing", folder / "other"); },
                     true},
        FolderChange{"EntryWritten", [](auto& folder) { appendFile(folder / "existing", "x"); }, false}),
    [](const auto& info) { return info.param.name; });

TEST_F(InotifyFileWatchingTest, NothingToWatchGivesNoWatch) {
    std::vector<FileEvents> seen;
    EXPECT_EQ(watch(folder / "missing", fileEvents, seen), nullptr);
    EXPECT_EQ(queue.readableCount(), 0u);
}

TEST_F(InotifyFileWatchingTest, TwoWatchesOfOneFileAreIndependent) {
    writeFile(file, "{}");
    std::vector<FileEvents> firstSeen, secondSeen;
    auto first = watch(file, fileEvents, firstSeen);
    const auto second = watch(file, fileEvents, secondSeen);

    first.reset();
    appendFile(file, " ");
    queue.poll();

    EXPECT_TRUE(firstSeen.empty());
    EXPECT_EQ(secondSeen, std::vector<FileEvents>{FileEvent::write});
}

TEST_F(InotifyFileWatchingTest, DestroyingAWatchRemovesItsSourceAndDescriptor) {
    writeFile(file, "{}");
    const auto descriptorsBefore = openDescriptorCount();
    std::vector<FileEvents> seen;
    auto watcher = watch(file, fileEvents, seen);
    EXPECT_EQ(queue.readableCount(), 1u);

    watcher.reset();
    appendFile(file, " ");

    EXPECT_EQ(queue.poll(), 0u);
    EXPECT_EQ(queue.readableCount(), 0u);
    EXPECT_EQ(openDescriptorCount(), descriptorsBefore);
    EXPECT_TRUE(seen.empty());
}

TEST_F(InotifyFileWatchingTest, AHandlerMayDestroyItsOwnWatch) {
    writeFile(file, "{}");
    int calls = 0;
    std::unique_ptr<FileWatch> watcher = watching.watch(file, fileEvents, [&](FileEvents) {
        ++calls;
        watcher.reset();
    });

    appendFile(file, " ");
    queue.poll();
    appendFile(file, " ");
    queue.poll();

    EXPECT_EQ(calls, 1);
    EXPECT_EQ(watcher, nullptr);
}

} // namespace
} // namespace quillmere
