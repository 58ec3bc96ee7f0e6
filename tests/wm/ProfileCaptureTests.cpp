#include "core/ProfileEditing.h"
#include "support/Printers.h"
#include "support/ProfiledDesktop.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

namespace quillmere {
namespace {

using namespace std::chrono_literals;

// Two editor windows on Desktop 1, nothing on Desktop 2 and a mail window on Desktop 3.
struct CapturedDesktop : ProfiledDesktop {
    CapturedDesktop() { start(); }

    const std::int32_t editor = launch("Editor");
    const std::int32_t mail = launch("Mail");
    const WindowId a = openOn(editor, 1);
    const WindowId b = openOn(editor, 1);
    const WindowId m = openOn(mail, 3);
};

TEST(ProfileCaptureTest, SavesEveryDesktopWithWindowsByNumberAndDisplayAndReadsBack) {
    CapturedDesktop world;
    world.run("capture Work");

    const auto profile = world.stored("Work");
    ASSERT_TRUE(profile);
    EXPECT_EQ(profile->display, "MAIN");
    EXPECT_EQ(profile->spansDisplays, std::nullopt);
    EXPECT_EQ(profile->fullScreen, std::nullopt);
    const std::string signature = DisplayIdentity{"Main", 0, 0, 7, false}.signature();
    ASSERT_TRUE(profile->displays);
    ASSERT_EQ(profile->displays->size(), 1u);
    EXPECT_EQ(profile->displays->front().desktops, 3);
    EXPECT_EQ(profile->displays->front().frame, Rect(0, 0, 1440, 900));
    ASSERT_EQ(profile->spaces.size(), 2u) << "the empty Desktop 2 is left out";
    EXPECT_EQ(profile->spaces[0].space, 1);
    EXPECT_EQ(profile->spaces[0].display, signature);
    EXPECT_THAT(profile->spaces[0].windows(),
                testing::UnorderedElementsAre(WindowRef{"com.example.Editor", 0}, WindowRef{"com.example.Editor", 1}));
    EXPECT_EQ(profile->spaces[1].space, 3);
    EXPECT_EQ(profile->spaces[1].windows(), (std::vector<WindowRef>{{"com.example.Mail", 0}}));
    EXPECT_EQ(world.manager().lastProfile(), std::nullopt) << "the capture command makes no profile current";
    EXPECT_TRUE(world.managed.logged("saved profile Work: 2 Spaces"));

    world.manager().capture("Play", true);
    EXPECT_EQ(world.manager().lastProfile(), "Play");
    EXPECT_EQ(world.manager().lastProfileIcon(), std::string(Profile::defaultIcon));
    EXPECT_EQ(world.managed.statuses.back().profile, "Play");
    EXPECT_EQ(world.desktop.string("lastProfile"), "Play");
}

TEST(ProfileCaptureTest, RecapturingKeepsTheOptionsAndTakesTheScreenAnew) {
    CapturedDesktop world;
    Profile old{.name = "Work", .display = "OLD", .autoApply = true, .spansDisplays = true, .spaces = {{.space = 9}},
                .show = 2, .hideUnlisted = true, .quitUnlisted = false, .fullScreen = std::vector<FullScreenSnapshot>{{}},
                .icon = "star", .open = std::map<std::string, std::vector<std::string>>{{"com.example.Mail", {"x.com"}}}};
    world.store(old);

    world.run("capture Work");

    const auto profile = world.stored("Work");
    ASSERT_TRUE(profile);
    EXPECT_EQ(profile->display, "OLD");
    EXPECT_EQ(profile->autoApply, true);
    EXPECT_EQ(profile->show, 2);
    EXPECT_EQ(profile->hideUnlisted, true);
    EXPECT_EQ(profile->quitUnlisted, false);
    EXPECT_EQ(profile->icon, "star");
    EXPECT_EQ(profile->open, old.open);
    EXPECT_EQ(profile->spansDisplays, std::nullopt);
    EXPECT_EQ(profile->fullScreen, std::nullopt);
    EXPECT_EQ(profile->spaces.size(), 2u);
    ASSERT_TRUE(profile->displays);
}

TEST(ProfileCaptureTest, ANameSharingAnotherProfilesFileIsRefusedWithANotice) {
    CapturedDesktop world;
    world.store({.name = "Work"});
    world.manager().capture("work", true);
    world.managed.settle();

    const auto problem = profileNameProblem("work", std::nullopt, {"Work"});
    ASSERT_TRUE(problem);
    EXPECT_TRUE(world.managed.logged("capture work: " + *problem));
    EXPECT_THAT(world.notices(), testing::ElementsAre("Can't save profile: " + *problem));
    EXPECT_EQ(world.stored("Work")->spaces.size(), 0u) << "the other profile is untouched";
    EXPECT_EQ(world.manager().lastProfile(), std::nullopt);
    world.managed.advance(4s);
    EXPECT_TRUE(world.notices().empty());
}

TEST(ProfileCaptureTest, AWindowOutsideItsLayoutIsKeptAmongTheOthers) {
    CapturedDesktop world;
    world.probe().editLayout(world.desktopNumber(3)).remove(world.m);
    world.run("capture Work");

    const auto profile = world.stored("Work");
    ASSERT_TRUE(profile);
    ASSERT_EQ(profile->spaces.size(), 2u);
    EXPECT_EQ(profile->spaces[1].tree, std::nullopt);
    EXPECT_EQ(profile->spaces[1].others, (std::vector<WindowRef>{{"com.example.Mail", 0}}));
}

TEST(ProfileCaptureTest, AFullScreenPairIsCapturedLeftToRight) {
    CapturedDesktop world;
    world.desktop.enterFullScreen({world.b, world.a});
    world.managed.advance(2s);
    world.run("capture Work");

    const auto profile = world.stored("Work");
    ASSERT_TRUE(profile && profile->fullScreen);
    EXPECT_EQ(*profile->fullScreen, (std::vector<FullScreenSnapshot>{{{{"com.example.Editor", 1}, {"com.example.Editor", 0}}}}));
}

TEST(ProfileCaptureTest, SharedSpacesAreRecordedAsSpanningDisplays) {
    ProfiledDesktop world(SimulatedDesktop::SpaceListForm::shared);
    world.desktop.addDisplay({.name = "Side", .bounds = {1440, 0, 1280, 800}, .serial = 8});
    world.start();
    world.openOn(world.launch("Editor"), 1);
    world.run("capture Work");

    const auto profile = world.stored("Work");
    ASSERT_TRUE(profile);
    EXPECT_EQ(profile->spansDisplays, true);
    EXPECT_EQ(profile->displays->size(), 2u);
}

// The profile current before, if any, stays current: its name, its stored name and its icon in the status.
TEST(ProfileCaptureTest, AFailedSaveIsShownAndLeavesTheCurrentProfileAsItWas) {
    for (const std::optional<std::string>& current : {std::optional<std::string>(), std::optional<std::string>("Home")}) {
        SCOPED_TRACE(current.value_or("no profile current"));
        CapturedDesktop world;
        if (current) {
            world.store({.name = *current, .icon = "house"});
            world.manager().capture(*current, true);
            world.managed.settle();
            ASSERT_EQ(world.manager().lastProfile(), current);
        }
        const WindowManager::Status before = world.manager().status();
        // A folder holding a file where the new profile's file should be: it cannot be written there.
        const std::filesystem::path blocked = world.managed.profiles.directory() / profileFileName("Work");
        std::filesystem::create_directories(blocked);
        std::ofstream(blocked / "inside") << "in the way";
        world.manager().capture("Work", true);
        world.managed.settle();

        EXPECT_THAT(world.notices(), testing::ElementsAre("Couldn't save profile \u201CWork\u201D"));
        EXPECT_EQ(world.manager().lastProfile(), current);
        EXPECT_EQ(world.desktop.string("lastProfile"), current);
        EXPECT_EQ(world.manager().status().profile, before.profile);
        EXPECT_EQ(world.manager().status().profileIcon, before.profileIcon);
    }
}

} // namespace
} // namespace quillmere
