#include "support/ManagedDesktop.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

struct ProfilesChange {
    std::string name;
    std::vector<std::string> profiles;
    std::optional<WindowManager::ProfileRename> renamed;
    std::optional<std::string> current;
    bool published;
};

class ProfilesChanges : public testing::TestWithParam<ProfilesChange> {};

TEST_P(ProfilesChanges, followTheCurrentProfile) {
    ManagedDesktop managed;
    managed.desktop.addDisplay({});
    managed.start();
    managed.manager().setLastProfile("Work");
    managed.manager().setLastProfileIcon(std::string(Profile::defaultIcon));
    const std::size_t published = managed.statuses.size();

    std::vector<Profile> profiles;
    for (const std::string& name : GetParam().profiles)
        profiles.push_back(Profile{.name = name});
    managed.manager().profilesChanged(profiles, GetParam().renamed);
    EXPECT_EQ(managed.manager().lastProfile(), GetParam().current);
    EXPECT_EQ(managed.desktop.string("lastProfile"), GetParam().current);
    EXPECT_EQ(managed.statuses.size() > published, GetParam().published);
    EXPECT_EQ(managed.manager().status().profile, GetParam().published ? GetParam().current : std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    WindowManager, ProfilesChanges,
    testing::Values(ProfilesChange{"unchanged", {"Home", "Work"}, std::nullopt, "Work", false},
                    ProfilesChange{"renamed", {"Home"}, WindowManager::ProfileRename{"Work", "Home"}, "Home", true},
                    ProfilesChange{"anotherRenamed", {"Away", "Work"}, WindowManager::ProfileRename{"Home", "Away"},
                                   "Work", false},
                    ProfilesChange{"deleted", {"Home"}, std::nullopt, std::nullopt, true}),
    [](const testing::TestParamInfo<ProfilesChange>& info) { return info.param.name; });

TEST(WindowManagerProfiles, numbersLiveWindowsPerApplicationByAscendingId) {
    const auto live = WindowManager::liveRefs({{.id = 30, .app = "a"}, {.id = 10, .app = "a"}, {.id = 20, .app = "b"}});
    EXPECT_EQ(live, (std::map<WindowRef, WindowId>{{{"a", 0}, 10}, {{"a", 1}, 30}, {{"b", 0}, 20}}));
}

} // namespace
} // namespace quillmere
