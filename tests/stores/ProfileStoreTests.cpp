#include "stores/ProfileStore.h"
#include "support/Environment.h"
#include "support/Files.h"
#include "support/Snapshots.h"
#include "support/TemporaryDirectory.h"

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

TEST(ProfileStoreLocationTest, TheFolderIsInTheHomeFolder) {
    const ScopedEnvironment home("HOME", "/home/ada");
    EXPECT_EQ(ProfileStore::defaultDirectory(), fs::path("/home/ada/.config/quillmere/profiles"));
    EXPECT_EQ(ProfileStore().directory(), fs::path("/home/ada/.config/quillmere/profiles"));
}

} // namespace
} // namespace quillmere
