#include "profiles/LaunchItems.h"
#include "support/Snapshots.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

using namespace snapshots;
using Lines = std::vector<std::string>;

std::string nameOf(const std::string& id) {
    const std::map<std::string, std::string> names{{"org.app.zed", "Zed"}, {"org.app.ten", "App 10"},
                                                   {"org.app.two", "app 2"}, {"com.apple.finder", "Finder"}};
    const auto found = names.find(id);
    return found == names.end() ? id : found->second;
}

const Profile work{.name = "Work",
                   .spaces = {{.space = 1,
                               .tree = h(0.5, tile({ref("org.app.zed", 0)}), tile({ref("com.apple.finder", 0)})),
                               .floating = {ref("org.app.ten", 0)}}},
                   .open = std::map<std::string, Lines>{{"org.app.two", {"~/notes", "$ make"}},
                                                        {"com.apple.finder", {"~/Downloads"}}}};

TEST(LaunchItems, listsTheAppsWithItemsTooWithoutTheFinderInTheFindersOrder) {
    EXPECT_EQ(LaunchItems::apps(work, nameOf),
              (std::vector<LaunchItems::App>{{"org.app.two", "app 2"}, {"org.app.ten", "App 10"}, {"org.app.zed", "Zed"}}));
    EXPECT_EQ(LaunchItems::count(work), 3u);
    EXPECT_EQ(LaunchItems::summary(work), "Opens 3 items when launching apps");

    const Profile finderOnly{.name = "Files", .open = std::map<std::string, Lines>{{"com.apple.finder", {"~"}}}};
    EXPECT_TRUE(LaunchItems::apps(finderOnly, nameOf).empty());
    EXPECT_EQ(LaunchItems::summary(finderOnly), "Opens 1 item when launching apps");
    EXPECT_EQ(LaunchItems::summary({.name = "Empty"}), std::nullopt);
}

TEST(LaunchItems, splitsAtEveryLineBreak) {
    EXPECT_EQ(LaunchItems::lines("a\nb\rc\r\nd\u2028e\u2029f"), (Lines{"a", "b", "c", "", "d", "e", "f"}));
    EXPECT_EQ(LaunchItems::lines(""), (Lines{""}));
    EXPECT_EQ(LaunchItems::lines("é\n"), (Lines{"é", ""}));
}

TEST(LaunchItems, savesOnlyAChangeToTheProfileStoredUnderTheNameNow) {
    const std::vector<Profile> stored{work};
    EXPECT_EQ(LaunchItems::saving(stored, "Work", "org.app.two", {"  ~/notes\t", "", "$ make"}), std::nullopt);

    const auto changed = LaunchItems::saving(stored, "Work", "org.app.zed", {" https://example.com ", ""});
    ASSERT_TRUE(changed);
    EXPECT_EQ(LaunchItems::saved(*changed, "org.app.zed"), (Lines{"https://example.com"}));
    EXPECT_EQ(LaunchItems::saved(*changed, "org.app.two"), (Lines{"~/notes", "$ make"}));

    const auto emptied = LaunchItems::saving(stored, "Work", "org.app.two", {"", " "});
    ASSERT_TRUE(emptied);
    EXPECT_EQ(emptied->open->count("org.app.two"), 0u);

    EXPECT_EQ(LaunchItems::saving(stored, "Home", "org.app.zed", {"x"}), std::nullopt);
}

TEST(LaunchItemsText, untouchedTextFollowsTheStoredItemsAndOnlyTypedTextCommits) {
    LaunchItemsText field({"~/notes"});
    EXPECT_EQ(field.text(), "~/notes");
    EXPECT_EQ(field.commit(), std::nullopt);

    field.type("~/notes\n  https://example.com  \n\n");
    field.setSaved({"~/elsewhere"});
    EXPECT_EQ(field.text(), "~/notes\n  https://example.com  \n\n");
    EXPECT_EQ(field.commit(), (Lines{"~/notes", "  https://example.com  ", "", ""}));
    EXPECT_EQ(field.text(), "~/notes\nhttps://example.com");
    EXPECT_FALSE(field.typed());

    // An undo while the field still has focus: the stored items come back and leaving commits nothing.
    field.setSaved({"~/notes"});
    EXPECT_EQ(field.text(), "~/notes");
    EXPECT_EQ(field.commit(), std::nullopt);
}

TEST(LaunchItemsText, typedTextAfterARenameOrATrashFindsNoProfileToWriteBack) {
    LaunchItemsText field({});
    field.type("$ make");
    const auto lines = field.commit();
    ASSERT_TRUE(lines);
    Profile renamed = work;
    renamed.name = "Office";
    EXPECT_EQ(LaunchItems::saving({renamed}, "Work", "org.app.zed", *lines), std::nullopt);
    EXPECT_EQ(LaunchItems::saving({}, "Work", "org.app.zed", *lines), std::nullopt);
}

} // namespace
} // namespace quillmere
