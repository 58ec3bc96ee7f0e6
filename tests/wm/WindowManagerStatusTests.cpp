#include "support/ManagedDesktop.h"
#include "support/Printers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace quillmere {
namespace {

using namespace std::chrono_literals;
using testing::ElementsAre;

} // namespace

void PrintTo(const StepSlot& slot, std::ostream* out) {
    if (std::holds_alternative<StepSlot::FullScreen>(slot.value))
        *out << "fullScreen";
    else
        *out << "desktop(occupied: " << std::get<StepSlot::Desktop>(slot.value).occupied << ")";
}

namespace {

class StatusTest : public testing::Test {
  protected:
    StatusTest() {
        Settings settings = Settings::default_();
        settings.spaces = {{.space = 1, .label = "Mail"}, {.space = 2, .layout = LayoutMode::stack}};
        managed.manager().update(settings);
    }
    std::int32_t launch(const std::string& name) { return managed.launch(name); }
    WindowId open(std::int32_t app, std::optional<SpaceId> space = std::nullopt) {
        return desktop.openWindow(app, {.frame = {100, 100, 500, 400}, .space = space});
    }
    void start() {
        managed.start();
    }
    const WindowManager::Status& status() { return managed.manager().status(); }
    SpaceId desktopNumbered(int number) { return desktop.spaceOrder(main)[static_cast<std::size_t>(number - 1)]; }

    ManagedDesktop managed;
    SimulatedDesktop& desktop = managed.desktop;
    const DisplayId main = desktop.addDisplay({.name = "Main", .bounds = {0, 0, 1440, 900}, .desktops = 3});
    const std::int32_t editor = launch("Editor");
};

TEST_F(StatusTest, DescribesTheCurrentSpaceOfTheActiveDisplay) {
    desktop.addDisplay({.name = "Side", .bounds = {1440, 0, 800, 600}});
    open(editor);
    open(editor);
    open(editor, desktopNumbered(3));
    start();
    managed.advance(1s);
    managed.probe().publishStatus();

    EXPECT_EQ(status().space, 1);
    EXPECT_EQ(status().label, "Mail");
    EXPECT_EQ(status().total, 3);
    EXPECT_EQ(status().mode, LayoutMode::bsp);
    EXPECT_EQ(status().windowCount, 2);
    EXPECT_EQ(status().floating, 0);
    EXPECT_FALSE(status().paused);
    EXPECT_FALSE(status().isFullScreen);
    EXPECT_THAT(status().displays,
                ElementsAre(DisplayIndex{1, true}, DisplayIndex{1, false}));
    EXPECT_THAT(status().order,
                ElementsAre(StepSlot::desktop(true), StepSlot::desktop(false), StepSlot::desktop(true)));
}

TEST_F(StatusTest, WithoutAnyDisplayThereIsNoSpace) {
    start();
    desktop.removeDisplay(main);
    managed.probe().publishStatus();

    EXPECT_EQ(status().space, std::nullopt);
    EXPECT_EQ(status().total, 0);
    EXPECT_TRUE(status().order.empty());
    EXPECT_TRUE(status().displays.empty());
    EXPECT_FALSE(status().isFullScreen);
}

TEST_F(StatusTest, AFullScreenSpaceHasNoLabelAndItsOwnSlot) {
    const WindowId window = open(editor);
    start();
    desktop.enterFullScreen({window});
    managed.settle();

    EXPECT_EQ(status().space, 2);
    EXPECT_EQ(status().label, std::nullopt);
    EXPECT_TRUE(status().isFullScreen);
    EXPECT_EQ(status().mode, LayoutMode::bsp);
    EXPECT_EQ(status().total, 4);
    EXPECT_EQ(status().order[1], StepSlot::fullScreen());
}

TEST_F(StatusTest, ADesktopWithoutLayoutShowsTheModeItsRuleGives) {
    start();
    desktop.switchSpace(main, desktopNumbered(2));
    managed.settle();

    EXPECT_EQ(status().space, 2);
    EXPECT_EQ(status().mode, LayoutMode::stack);
    EXPECT_EQ(status().windowCount, 0);
    EXPECT_EQ(status().stacked, 0);
}

TEST_F(StatusTest, CountsWindowsWithoutPlaceholdersAndTheFloatingOnesApart) {
    const auto utility = launch("Utility");
    Settings settings = Settings::default_();
    settings.floatApps = {"Utility"};
    managed.manager().update(settings);
    const WindowId tiled = open(editor);
    open(utility);
    open(utility);
    start();
    EXPECT_EQ(status().windowCount, 3);
    EXPECT_EQ(status().floating, 2);

    SpaceLayout& layout = managed.probe().editLayout(desktopNumbered(1));
    layout.tree.insert(layout.makeHole(), tiled, Rect(5, 30, 1430, 865), 5, std::nullopt, 0.5, {}, {});
    managed.probe().publishStatus();
    EXPECT_EQ(status().windowCount, 3);
}

TEST_F(StatusTest, CountsTheWindowsStackedOutOfSight) {
    for (int i = 0; i < 3; ++i)
        open(editor, desktopNumbered(2));
    start();
    desktop.switchSpace(main, desktopNumbered(2));
    managed.settle();

    EXPECT_EQ(status().mode, LayoutMode::stack);
    EXPECT_EQ(status().stacked, 2);
}

TEST_F(StatusTest, KeepsWhichSpacesHoldWindowsForHalfASecond) {
    start();
    managed.advance(1s);
    managed.probe().publishStatus();
    ASSERT_EQ(status().order[1], StepSlot::desktop(false));

    open(editor, desktopNumbered(2));
    managed.advance(400ms);
    managed.probe().publishStatus();
    EXPECT_EQ(status().order[1], StepSlot::desktop(false)) << "0.4 s later the old answer stands";

    managed.advance(200ms);
    managed.probe().publishStatus();
    EXPECT_EQ(status().order[1], StepSlot::desktop(true)) << "0.6 s after it was read it is read again";
}

TEST_F(StatusTest, ANewDesktopIsUnoccupiedUntilTheNextReading) {
    start();
    managed.advance(1s);
    managed.probe().publishStatus();
    const SpaceId added = desktop.addDesktop(main);
    open(editor, added);
    managed.probe().publishStatus();
    ASSERT_EQ(status().order.size(), 4u);
    EXPECT_EQ(status().order[3], StepSlot::desktop(false));

    managed.advance(600ms);
    managed.probe().publishStatus();
    EXPECT_EQ(status().order[3], StepSlot::desktop(true));
}

TEST_F(StatusTest, NamesTheProfileIconOnlyWithAProfile) {
    Profile profile;
    profile.name = "Writing";
    ASSERT_FALSE(managed.profiles.save(profile));
    managed.manager().setLastProfile("Writing");
    start();
    ASSERT_EQ(status().profileIcon, std::string(Profile::defaultIcon));

    managed.manager().setLastProfile(std::nullopt);
    managed.probe().publishStatus();

    EXPECT_EQ(status().profile, std::nullopt);
    EXPECT_EQ(status().profileIcon, std::nullopt);
    EXPECT_EQ(desktop.string("lastProfile"), std::nullopt);
}

TEST_F(StatusTest, ABurstOfRefreshesEndsWithOneMorePublication) {
    start();
    const std::size_t before = managed.statuses.size();
    for (int i = 0; i < 10; ++i) {
        managed.probe().refreshStatus();
        managed.advance(50ms);
    }
    EXPECT_EQ(managed.statuses.size(), before + 10);
    managed.advance(99ms);
    EXPECT_EQ(managed.statuses.size(), before + 10);
    managed.advance(1ms);
    EXPECT_EQ(managed.statuses.size(), before + 11);
    managed.advance(1s);
    EXPECT_EQ(managed.statuses.size(), before + 11);
}

TEST_F(StatusTest, ListsTheTitleOfEveryTrackedWindowEvenOfAnApplicationThatQuit) {
    const auto mail = launch("Mail");
    desktop.openWindow(editor, {.title = "notes.txt", .frame = {100, 100, 500, 400}});
    desktop.openWindow(mail, {.title = "Inbox", .frame = {100, 100, 500, 400}});
    start();
    desktop.quit(mail);

    EXPECT_THAT(managed.manager().windowTitles(),
                ElementsAre(WindowManager::WindowTitle{"Editor", "notes.txt"}, WindowManager::WindowTitle{"", ""}));
}

} // namespace
} // namespace quillmere
