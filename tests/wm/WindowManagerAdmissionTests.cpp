#include "support/ManagedDesktop.h"
#include "support/Printers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace quillmere {
namespace {

using namespace std::chrono_literals;
using testing::ElementsAre;
using testing::UnorderedElementsAre;

// One display with three Desktops, the manager not yet started.
struct ThreeDesktops {
    std::int32_t launch(const std::string& name) { return managed.launch(name); }
    WindowId open(std::int32_t app, const std::string& title = "", double x = 100) {
        const WindowId window = desktop.openWindow(app, {.title = title, .frame = {x, 100, 500, 400}});
        managed.settle();
        return window;
    }
    void start(const Settings& settings = Settings::default_()) {
        managed.manager().update(settings);
        managed.start();
    }
    std::optional<SpaceId> layoutSpace(WindowId window) { return managed.manager().layoutSpace(window); }
    SpaceId desktopNumbered(int number) { return desktop.spaceOrder(main)[static_cast<std::size_t>(number - 1)]; }

    ManagedDesktop managed;
    SimulatedDesktop& desktop = managed.desktop;
    const DisplayId main = desktop.addDisplay({.name = "Main", .bounds = {0, 0, 1440, 900}, .desktops = 3});
};

class AdmissionTest : public testing::Test, public ThreeDesktops {};

TEST_F(AdmissionTest, ARuleSendsANewWindowToItsDesktopAndFollowsItOnlyWhenAsked) {
    for (const bool follow : {false, true}) {
        ThreeDesktops test;
        Settings settings = Settings::default_();
        settings.appSpaces = {{"Mail", 3}};
        settings.followRoutedWindows = follow;
        test.start(settings);

        const WindowId window = test.open(test.launch("Mail"));
        test.managed.advance(3s);

        EXPECT_EQ(test.layoutSpace(window), test.desktopNumbered(3)) << "follow " << follow;
        EXPECT_THAT(test.desktop.spaces(window), ElementsAre(test.desktopNumbered(3))) << "follow " << follow;
        EXPECT_EQ(test.desktop.currentSpace(test.main), test.desktopNumbered(follow ? 3 : 1)) << "follow " << follow;
        EXPECT_TRUE(test.managed.logged("tracked " + std::to_string(window) + " Mail on space 3 floating=false"));
    }
}

TEST_F(AdmissionTest, ARuleNamingTheDesktopAlreadyShownNeitherMovesNorFollows) {
    Settings settings = Settings::default_();
    settings.appSpaces = {{"Mail", 1}, {"Notes", 7}};
    settings.followRoutedWindows = true;
    start(settings);
    desktop.switchSpace(main, desktopNumbered(2));
    managed.settle();
    desktop.switchSpace(main, desktopNumbered(1));
    managed.settle();

    const WindowId mail = open(launch("Mail"));
    const WindowId notes = open(launch("Notes"));
    managed.advance(3s);

    EXPECT_EQ(layoutSpace(mail), desktopNumbered(1));
    EXPECT_EQ(layoutSpace(notes), desktopNumbered(1)) << "a rule naming a missing Desktop is ignored";
    EXPECT_EQ(desktop.currentSpace(main), desktopNumbered(1));
}

TEST_F(AdmissionTest, AProfileDebtIsPaidOneWindowAtATimeBeforeAnyRule) {
    Settings settings = Settings::default_();
    settings.appSpaces = {{"Mail", 3}};
    start(settings);
    const auto mail = launch("Mail");
    managed.settle();
    managed.probe().owe("com.example.Mail", {desktopNumbered(2), desktopNumbered(1)});

    const WindowId first = open(mail, "", 100);
    const WindowId second = open(mail, "", 200);
    const WindowId third = open(mail, "", 300);
    managed.advance(3s);

    EXPECT_EQ(layoutSpace(first), desktopNumbered(2));
    EXPECT_EQ(layoutSpace(second), desktopNumbered(1));
    EXPECT_EQ(layoutSpace(third), desktopNumbered(3));
    EXPECT_EQ(desktop.currentSpace(main), desktopNumbered(1)) << "a window routed for a profile is not followed";
    ASSERT_NE(managed.probe().owed("com.example.Mail"), nullptr);
    EXPECT_TRUE(managed.probe().owed("com.example.Mail")->empty());
    EXPECT_TRUE(managed.logged("profile owes com.example.Mail desktop 2: routing window " + std::to_string(first)));
}

TEST_F(AdmissionTest, WhilePausedANewWindowIsAdmittedWhereItOpensWithoutRulesOrWrites) {
    Settings settings = Settings::default_();
    settings.appSpaces = {{"Player", 2}};
    settings.fullScreenApps = std::vector<std::string>{"Player"};
    start(settings);
    managed.manager().togglePause();
    const auto player = launch("Player");
    managed.settle();
    desktop.traceAccessibility(true);

    const WindowId window = open(player);
    managed.advance(1s);

    EXPECT_EQ(layoutSpace(window), desktopNumbered(1));
    EXPECT_THAT(desktop.spaces(window), ElementsAre(desktopNumbered(1)));
    for (const std::string& line : desktop.accessibilityTrace())
        EXPECT_FALSE(line.starts_with("write")) << line;
    EXPECT_FALSE(managed.logged("rule: Player opens full screen"));
}

TEST_F(AdmissionTest, AFullScreenRuleActsOnNewWindowsOnly) {
    Settings settings = Settings::default_();
    settings.fullScreenApps = std::vector<std::string>{"Player"};
    const auto player = launch("Player");
    const WindowId existing = open(player, "", 100);
    start(settings);

    const WindowId fresh = open(player, "", 300);
    EXPECT_TRUE(managed.logged("rule: Player opens full screen"));
    managed.advance(250ms);
    EXPECT_EQ(desktop.spaces(fresh), std::vector{desktopNumbered(1)}) << "not before 0.3 s";
    managed.advance(100ms);

    ASSERT_EQ(desktop.spaces(fresh).size(), 1u);
    EXPECT_TRUE(desktop.spaces(fresh).front() != desktopNumbered(1));
    EXPECT_THAT(desktop.spaces(existing), ElementsAre(desktopNumbered(1)));
}

TEST_F(AdmissionTest, FloatsAWindowWhoseTitleMatchesARuleOfItsApplication) {
    Settings settings = Settings::default_();
    settings.floatTitles = {{.app = "Finder", .title = "^Copy"}};
    start(settings);
    const auto finder = launch("Finder");
    const WindowId copy = open(finder, "Copying 3 items");
    const WindowId folder = open(finder, "Documents");

    const SpaceLayout& layout = *managed.probe().layout(desktopNumbered(1));
    EXPECT_THAT(layout.floating, ElementsAre(copy));
    EXPECT_THAT(layout.tree.windows(), ElementsAre(folder));
    EXPECT_TRUE(managed.logged("tracked " + std::to_string(copy) + " Finder on space 1 floating=true"));
    EXPECT_EQ(desktop.frame(copy), Rect(100, 100, 500, 400)) << "a floating window is never moved";
}

TEST_F(AdmissionTest, ANewWindowSplitsTheTileThatLastHadFocus) {
    const auto editor = launch("Editor");
    const WindowId left = open(editor, "", 100);
    const WindowId right = open(editor, "", 200);
    start();
    const WindowId focused = desktop.frame(left)->minX() < desktop.frame(right)->minX() ? left : right;
    const WindowId other = focused == left ? right : left;
    const Rect otherFrame = *desktop.frame(other);
    desktop.focus(focused);
    managed.settle();

    const WindowId added = open(editor, "", 300);

    EXPECT_EQ(desktop.frame(other), otherFrame);
    EXPECT_EQ(desktop.frame(added)->minX(), desktop.frame(focused)->minX());
}

TEST_F(AdmissionTest, ASavedSlotOnAnotherSpaceIsDroppedAndTheWindowAdmittedAsNew) {
    const auto editor = launch("Editor");
    const WindowId kept = open(editor, "", 100);
    const WindowId away = open(editor, "", 200);
    start();
    desktop.minimize(away, true);
    managed.settle();
    managed.spaces.move(away, desktopNumbered(2));
    managed.settle();

    desktop.minimize(away, false);
    managed.settle();

    EXPECT_EQ(layoutSpace(away), desktopNumbered(2));
    EXPECT_FALSE(managed.probe().hasSavedSlot(away));
    EXPECT_FALSE(managed.logged("window " + std::to_string(away) + " back in its old place"));
    EXPECT_EQ(desktop.frame(kept)->width(), 1440 - 10);
}

} // namespace
} // namespace quillmere
