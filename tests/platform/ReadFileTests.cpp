#include "platform/ReadFile.h"
#include "support/Files.h"
#include "support/HostileFiles.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

TEST(ReadFileTest, ReadsARegularFileWholeAndTellsAMissingOneFromAnUnreadableOne) {
    TemporaryDirectory folder;
    const std::string content(maximumStoredFileSize, 'a');
    files::write(folder / "largest.json", content);
    const auto read = readFile(folder / "largest.json");
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value(), content);

    const auto missing = readFile(folder / "missing.json");
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(missing.error().missing);
    EXPECT_EQ(missing.error().description, (folder / "missing.json").string() + ": No such file or directory");
}

class ReadFileHostileTest : public testing::TestWithParam<hostile::Case> {};

TEST_P(ReadFileHostileTest, AnythingButARegularFileOfSaneSizeFailsAtOnceWithItsReason) {
    if (GetParam().skipped())
        GTEST_SKIP() << "the superuser reads it";
    TemporaryDirectory folder;
    const auto file = folder / "stored.json";
    GetParam().put(file, "{}");

    const auto read = readFile(file);

    ASSERT_FALSE(read.ok());
    EXPECT_FALSE(read.error().missing);
    EXPECT_EQ(read.error().description, file.string() + ": " + GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadFileHostileTest, testing::ValuesIn(hostile::unreadableFiles()), hostile::caseName);

} // namespace
} // namespace quillmere
