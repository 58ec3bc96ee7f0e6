#include "shell/entry/InstanceLock.h"
#include "support/TemporaryDirectory.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace quillmere {
namespace {

class InstanceLockTest : public testing::Test {
  protected:
    TemporaryDirectory folder;
    std::filesystem::path path = folder / "com.brenvald.quillmere.lock";
    CopyRecord own{::getpid(), 1'700'000'000'123'456'789};
};

TEST_F(InstanceLockTest, OneHolderAtATimeWhoseRecordOthersRead) {
    EXPECT_FALSE(isLockHeld(path));
    EXPECT_EQ(lockHolder(path), std::nullopt);
    {
        auto first = InstanceLock::take(path, own);
        ASSERT_TRUE(first.ok()) << first.error().description;
        EXPECT_TRUE(isLockHeld(path));
        EXPECT_EQ(lockHolder(path), own);

        const auto second = InstanceLock::take(path, {own.pid, own.launched + 1});
        ASSERT_FALSE(second.ok());
        EXPECT_TRUE(second.error().heldElsewhere);
        EXPECT_EQ(lockHolder(path), own) << "a refused copy must not write its record";
    }
    EXPECT_FALSE(isLockHeld(path));
    EXPECT_TRUE(InstanceLock::take(path, own).ok());
}

TEST_F(InstanceLockTest, ALongerRecordOfAnEarlierHolderLeavesNothingBehind) {
    std::ofstream(path) << "123456789 9999999999999999999 and more\n";
    auto lock = InstanceLock::take(path, {42, 7});
    ASSERT_TRUE(lock.ok());
    std::ifstream file(path);
    const std::string text{std::istreambuf_iterator<char>(file), {}};
    EXPECT_EQ(text, "42 7\n");
}

TEST_F(InstanceLockTest, AHolderWithoutARecordOfALivingProcessIsNoneAfterAWhile) {
    auto lock = InstanceLock::take(path, own);
    ASSERT_TRUE(lock.ok());
    for (const char* record : {"", "garbage\n", "999999999 5\n"}) {
        std::ofstream(path) << record;
        EXPECT_EQ(lockHolder(path), std::nullopt) << record;
    }
}

TEST_F(InstanceLockTest, ProgramsStartedLaterDoNotInheritTheLock) {
    auto lock = InstanceLock::take(path, own);
    ASSERT_TRUE(lock.ok());
    FILE* listing = ::popen("ls -l /proc/self/fd/", "r");
    ASSERT_NE(listing, nullptr);
    std::string text;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, listing))
        text += buffer;
    ::pclose(listing);
    EXPECT_NE(text.find("/proc/"), std::string::npos) << "the listing itself must show";
    EXPECT_EQ(text.find(path.filename().string()), std::string::npos) << text;
}

TEST(CopyRecord, LaterMeansLaunchedLaterAndForEqualLaunchesTheHigherProcessNumber) {
    EXPECT_LT((CopyRecord{900, 10}), (CopyRecord{100, 11}));
    EXPECT_LT((CopyRecord{100, 10}), (CopyRecord{101, 10}));
    EXPECT_EQ((CopyRecord{100, 10}), (CopyRecord{100, 10}));
}

} // namespace
} // namespace quillmere
