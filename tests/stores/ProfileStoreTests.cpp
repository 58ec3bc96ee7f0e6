#include "stores/ProfileStore.h"
#include "support/Files.h"
#include "support/HostileFiles.h"
#include "support/Snapshots.h"
#include "support/TemporaryDirectory.h"
#include "support/Umask.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

namespace fs = std::filesystem;
using snapshots::ref;
using snapshots::tile;

std::string profileText(std::string_view name) {
    return R"({"name": ")" + std::string(name) + R"(", "spaces": []})";
}

std::vector<std::string> names(const std::vector<Profile>& profiles) {
    std::vector<std::string> result;
    for (const Profile& profile : profiles)
        result.push_back(profile.name);
    return result;
}

class ProfileStoreTest : public testing::Test {
  protected:
    void put(const std::string& file, const std::string& text) {
        fs::create_directories(directory);
        files::write(directory / file, text);
    }

    TemporaryDirectory home;
    fs::path directory = home / ".config" / "quillmere" / "profiles";
    ProfileStore store{directory};
};

TEST_F(ProfileStoreTest, AMissingOrEmptyFolderHoldsNothing) {
    auto loaded = store.load();
    EXPECT_TRUE(loaded.profiles.empty());
    EXPECT_TRUE(loaded.problems.empty());
    fs::create_directories(directory);
    loaded = store.load();
    EXPECT_TRUE(loaded.profiles.empty());
    EXPECT_TRUE(loaded.problems.empty());
}

TEST_F(ProfileStoreTest, OnlyFilesWithTheExactExtensionJsonAreReadHiddenOnesIncluded) {
    put("notes.txt", profileText("Notes"));
    put("upper.JSON", profileText("Upper"));
    put("json", profileText("Bare"));
    put(".hidden.json", profileText("Hidden"));
    put("plain.json", profileText("Plain"));
    fs::create_directories(directory / "nested");
    files::write(directory / "nested" / "deep.json", profileText("Deep"));
    const auto loaded = store.load();
    EXPECT_EQ(names(loaded.profiles), (std::vector<std::string>{"Hidden", "Plain"}));
    EXPECT_TRUE(loaded.problems.empty());
}

TEST_F(ProfileStoreTest, EachBadFileIsOneProblemWithItsReasonAndTheOthersStillLoad) {
    put("good.json", profileText("Good"));
    put("broken.json", R"({"name": "Broken", )");
    put("nameless.json", R"({"spaces": []})");
    put("ratio.json", R"({"name": "R", "spaces": [{"space": 1, "tree": {"axis": "vertical", "ratio": "half",
        "first": [], "second": []}}]})");
    fs::create_directories(directory / "folder.json");
    const auto loaded = store.load();
    EXPECT_EQ(names(loaded.profiles), std::vector<std::string>{"Good"});
    const std::vector<ProfileStore::Problem> expected{
        {directory / "broken.json", "The given data was not valid JSON."},
        {directory / "folder.json", (directory / "folder.json").string() + ": Is a directory"},
        {directory / "nameless.json", "No value associated with key name."},
        {directory / "ratio.json",
         "spaces.0.tree.ratio: Expected to decode Double but found a string instead."}};
    EXPECT_EQ(loaded.problems, expected);
}

TEST_F(ProfileStoreTest, ProfilesSortByTheBytesOfTheirNamesAndTwoFilesOfOneNameBothAppear) {
    put("1.json", profileText("b"));
    put("2.json", profileText("B"));
    put("3.json", profileText("a"));
    put("4.json", R"({"name": "b", "spaces": [], "icon": "star"})");
    const auto loaded = store.load();
    EXPECT_EQ(names(loaded.profiles), (std::vector<std::string>{"B", "a", "b", "b"}));
    EXPECT_EQ(loaded.profiles[2].icon, std::nullopt);
    EXPECT_EQ(loaded.profiles[3].icon, "star");
    EXPECT_EQ(store.named("b"), loaded.profiles[2]);
}

TEST_F(ProfileStoreTest, ASaveMakesTheFolderAndWritesTheNamesFileWithSlashesEscaped) {
    const Profile profile{.name = "Work/Home",
                          .spaces = {{.space = 1, .tree = tile({ref("com.example/app", 0)})}},
                          .icon = "briefcase"};
    EXPECT_EQ(store.save(profile), std::nullopt);
    const std::string text = files::read(directory / "Work-Home.json");
    EXPECT_NE(text.find(R"("name" : "Work\/Home")"), std::string::npos) << text;
    EXPECT_NE(text.find("\n"), std::string::npos);
    EXPECT_LT(text.find("\"icon\""), text.find("\"name\""));
    EXPECT_EQ(store.named("Work/Home"), profile);
}

TEST_F(ProfileStoreTest, NamedIsCaseSensitiveAndIgnoresProblems) {
    put("work.json", profileText("Work"));
    put("broken.json", "{");
    EXPECT_EQ(store.named("work"), std::nullopt);
    ASSERT_TRUE(store.named("Work"));
    EXPECT_EQ(store.named("Work")->name, "Work");
}

TEST_F(ProfileStoreTest, ASaveThatCannotMakeTheFolderFailsAndTouchesNothing) {
    files::write(home / ".config", "a file where the folder should be");
    const auto error = store.save(Profile{.name = "Work"});
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->description.starts_with(directory.string() + ": ")) << error->description;
    EXPECT_EQ(files::read(home / ".config"), "a file where the folder should be");
}

TEST_F(ProfileStoreTest, ASaveThatCannotBeEncodedLeavesThePreviousFile) {
    Profile profile{.name = "Work", .spaces = {{.space = 1, .tree = tile({ref("a", 0)})}}};
    ASSERT_EQ(store.save(profile), std::nullopt);
    const std::string before = files::read(directory / "Work.json");
    profile.spaces[0].tree = LayoutSnapshot::split(Axis::horizontal, std::nan(""), tile(), tile());
    EXPECT_TRUE(store.save(profile));
    EXPECT_EQ(files::read(directory / "Work.json"), before);
}

TEST_F(ProfileStoreTest, ASavedProfileIsForTheUsersEyesAloneWhateverTheUmask) {
    const ScopedUmask umask(022);
    ASSERT_EQ(store.save(Profile{.name = "Work"}), std::nullopt);
    EXPECT_EQ(permissionsOf(directory / "Work.json"), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(permissionsOf(directory), fs::perms::owner_all);
    EXPECT_EQ(permissionsOf(directory.parent_path()), fs::perms::owner_all | fs::perms::group_read |
                                                          fs::perms::group_exec | fs::perms::others_read |
                                                          fs::perms::others_exec)
        << "the configuration's folder follows the umask";
}

class ProfileStoreHostileTest : public ProfileStoreTest, public testing::WithParamInterface<hostile::Case> {};

TEST_P(ProfileStoreHostileTest, IsOneProblemWithItsReasonAndTheOthersStillLoad) {
    if (GetParam().skipped())
        GTEST_SKIP() << "the superuser reads it";
    put("good.json", profileText("Good"));
    GetParam().put(directory / "hostile.json", profileText("Hostile"));

    const auto loaded = store.load();

    EXPECT_EQ(names(loaded.profiles), std::vector<std::string>{"Good"});
    ASSERT_EQ(loaded.problems.size(), 1u);
    EXPECT_EQ(loaded.problems[0].file, directory / "hostile.json");
    EXPECT_NE(loaded.problems[0].message.find(GetParam().reason), std::string::npos) << loaded.problems[0].message;
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileStoreHostileTest, testing::ValuesIn(hostile::cases()), hostile::caseName);

} // namespace
} // namespace quillmere
