#include "profiles/ProfileTexts.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

SpaceSnapshot desktop(std::int64_t number, int tiled, int floating = 0, std::optional<std::string> display = {}) {
    std::vector<WindowRef> refs;
    for (int index = 0; index < tiled; ++index)
        refs.push_back({"com.example.editor", index});
    SpaceSnapshot snapshot{.space = number, .tree = LayoutSnapshot::tile(refs), .display = std::move(display)};
    for (int index = 0; index < floating; ++index)
        snapshot.floating.push_back({"com.example.notes", index});
    return snapshot;
}

struct Summary {
    Profile profile;
    std::string list;
    std::string detail;
};

TEST(ProfileTexts, summariseDesktopsWindowsAndFullScreenAlikeInTheListAndTheHeader) {
    const ProfileDisplay studio{{.name = "Studio"}, Rect(0, 0, 2560, 1440), 3};
    const ProfileDisplay laptop{{.name = "Built-in"}, Rect(2560, 0, 1512, 982), 2};
    const std::vector<Summary> table = {
        {Profile{.name = "Empty"}, "0 Desktops · 0 windows", "0 Desktops · 0 windows"},
        {Profile{.name = "One", .spaces = {desktop(1, 1)}}, "1 Desktop · 1 window", "1 Desktop · 1 window"},
        {Profile{.name = "Wide",
                 .spaces = {desktop(1, 2, 1, "Studio"), desktop(1, 1, 0, "Built-in"), desktop(2, 3)},
                 .fullScreen = std::vector<FullScreenSnapshot>{{{{"com.example.video", 0}}},
                                                               {{{"com.example.a", 0}, {"com.example.b", 0}}}}},
         "2 Desktops · 7 windows · 2 full screen", "2 Desktops · 7 windows · 2 full screen"},
        {Profile{.name = "No full screen", .spaces = {desktop(1, 1000)}, .fullScreen = std::vector<FullScreenSnapshot>{}},
         "1 Desktop · 1000 windows", "1 Desktop · 1000 windows"},
        {Profile{.name = "Displays", .displays = std::vector{studio, laptop}, .spaces = {desktop(1, 0)}},
         "1 Desktop · 0 windows", "1 Desktop · 0 windows · Studio + Built-in"},
        {Profile{.name = "No displays", .displays = std::vector<ProfileDisplay>{}}, "0 Desktops · 0 windows",
         "0 Desktops · 0 windows"},
    };
    for (const Summary& row : table) {
        EXPECT_EQ(profileListSummary(row.profile), row.list) << row.profile.name;
        EXPECT_EQ(profileDetailSummary(row.profile), row.detail) << row.profile.name;
    }
}

TEST(ProfileTexts, nameAFileThatFailedToLoad) {
    const ProfileStore::Problem problem{"/home/me/.config/quillmere/profiles/Work.json", "Line 3: expected a name"};
    EXPECT_EQ(problemTitle(problem), "Work.json didn't load");
    EXPECT_EQ(problemTooltip(problem), "Open Work.json to fix it: Line 3: expected a name");
    EXPECT_EQ(renameTitle("Work"), "Rename “Work”");
}

} // namespace
} // namespace quillmere
