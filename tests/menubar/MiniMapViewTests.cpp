#include "menubar/MiniMapView.h"
#include "menubar/MiniMapTexts.h"
#include "menubar/SpacesMapView.h"
#include "support/ManagedDesktop.h"
#include "system/Wallpaper.h"

#include <QAccessible>
#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QTest>
#include <algorithm>
#include <fstream>
#include <limits>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

// The mini map's content over a started desktop with one window and a saved profile "Home"; what the rows
// start is written to `happened` in order.
struct MiniMapViewTest : testing::Test {
    MiniMapViewTest() {
        Profile home;
        home.name = "Home";
        EXPECT_FALSE(managed.profiles.save(home));
        managed.start();
        model.refresh(false);
    }

    std::function<void()> note(std::string what) {
        return [this, what] { happened.push_back(what); };
    }
    void click(const std::string& title) {
        MenuRow* row = view.row(title);
        ASSERT_TRUE(row) << title;
        QTest::mouseClick(row, Qt::LeftButton);
    }
    void pause(bool paused) {
        WindowManager::Status status = managed.manager().status();
        status.paused = paused;
        model.setStatus(status);
    }

    ManagedDesktop managed;
    const DisplayId main = managed.desktop.addDisplay({.name = "Main", .bounds = {0, 0, 1440, 900}, .desktops = 2});
    const WindowId editor = managed.desktop.openWindow(managed.launch("Editor"), {.frame = {100, 100, 500, 400}});
    std::vector<std::string> happened;
    Wallpaper wallpaper{managed.spaces, managed.desktop, managed.desktop, managed.desktop};
    MiniMapModel model{managed.manager(),
                       managed.queue,
                       managed.previews,
                       managed.profiles,
                       {.captureLayout = note("capture"),
                        .editProfiles = note("profiles"),
                        .openSettings = note("settings"),
                        .showWelcome = note("welcome"),
                        .openSpaces = note("spaces"),
                        .checkForUpdates = note("updates")}};
    MiniMapView view{model,
                     {.map = {managed.switcher, managed.desktop, managed.previews, wallpaper},
                      .queue = managed.queue,
                      .configFile = managed.folder / "config.json",
                      .quit = note("quit")},
                     note("close")};
};

TEST_F(MiniMapViewTest, FooterRowsCloseFirstAndActOnALaterTurn) {
    const std::vector<std::pair<std::string_view, std::string>> rows{
        {MiniMapTexts::saveLayout, "capture"},
        {MiniMapTexts::editProfiles, "profiles"},
        {MiniMapTexts::checkForUpdates, "updates"},
        {MiniMapTexts::settings, "settings"},
    };
    for (const auto& [title, action] : rows) {
        happened.clear();
        click(std::string(title));
        EXPECT_EQ(happened, std::vector<std::string>{"close"}) << title;
        managed.settle();
        EXPECT_EQ(happened, (std::vector<std::string>{"close", action})) << title;
    }
}

// The keys the user presses for the application's own items: Ctrl here, where a Mac has Command.
TEST_F(MiniMapViewTest, FixedRowsShowTheKeysOfTheApplicationsMenuAsWrittenHere) {
    const std::vector<std::pair<std::string_view, std::string>> rows{
        {MiniMapTexts::editProfiles, "Ctrl+Shift+P"},
        {MiniMapTexts::settings, "Ctrl+,"},
        {MiniMapTexts::quit, "Ctrl+Q"},
    };
    for (const auto& [title, keys] : rows) {
        const MenuRow* row = view.row(std::string(title));
        ASSERT_TRUE(row) << title;
        EXPECT_EQ(row->label().shortcut, keys) << title;
    }
}

TEST_F(MiniMapViewTest, QuitEndsAtOnceWithoutClosing) {
    click(std::string(MiniMapTexts::quit));
    EXPECT_EQ(happened, std::vector<std::string>{"quit"});
}

TEST_F(MiniMapViewTest, AProfileRowClosesThenLoadsAtOnce) {
    ASSERT_TRUE(view.row("Home"));
    EXPECT_EQ(view.row("Home")->toolTip(), "Apply this profile");
    click("Home");
    EXPECT_EQ(happened, std::vector<std::string>{"close"});
    EXPECT_TRUE(managed.logged("loaded profile Home; 0 windows to launch")) << "loaded without waiting for the queue";
}

TEST_F(MiniMapViewTest, PausedDimsTheMapAndDisablesProfilesOnly) {
    pause(true);
    EXPECT_EQ(view.statusLine()->text(), "Paused: windows stay put; only Pause works");
    EXPECT_FALSE(view.tilingSwitch()->isChecked());
    EXPECT_FALSE(view.row("Home")->isEnabled());
    EXPECT_TRUE(view.row(std::string(MiniMapTexts::settings))->isEnabled());
    EXPECT_DOUBLE_EQ(static_cast<QGraphicsOpacityEffect*>(view.mapSection()->graphicsEffect())->opacity(), 0.5);
    click("Home");
    EXPECT_TRUE(happened.empty()) << "a disabled profile row cannot be clicked";

    pause(false);
    EXPECT_EQ(view.statusLine()->text(), "Tiling windows as they open");
    EXPECT_TRUE(view.tilingSwitch()->isChecked());
    EXPECT_TRUE(view.row("Home")->isEnabled());
}

TEST_F(MiniMapViewTest, TheSwitchSendsPauseAndShowsOnlyTheStatus) {
    pause(false);
    QTest::mouseClick(view.tilingSwitch(), Qt::LeftButton);
    EXPECT_TRUE(managed.manager().pausedByHand());
    EXPECT_TRUE(happened.empty()) << "the switch never closes the panel";
    EXPECT_TRUE(view.tilingSwitch()->isChecked()) << "it shows what the status says, not the click";
    pause(true);
    EXPECT_FALSE(view.tilingSwitch()->isChecked());
    QTest::mouseClick(view.tilingSwitch(), Qt::LeftButton);
    EXPECT_FALSE(managed.manager().pausedByHand()) << "either way it sends pause";
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(view.tilingSwitch());
    ASSERT_TRUE(accessible);
    EXPECT_EQ(accessible->role(), QAccessible::CheckBox);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Tiling");
}

// Text naming a window, dropped on the second Desktop's card: taken only from the map's own tiles.
TEST_F(MiniMapViewTest, TextDroppedFromAnotherProgramMovesNoWindow) {
    view.resize(440, 600);
    view.show();
    QApplication::processEvents();
    SpacesMapView& map = *view.map();
    const auto second = std::find_if(map.layout().cards.begin(), map.layout().cards.end(),
                                     [](const MapCard& card) { return card.space == 1 && !card.fullScreen; });
    ASSERT_NE(second, map.layout().cards.end());
    const QPointF onSecond(second->picture.midX(), second->picture.midY());
    const std::vector<SpaceId> before = managed.desktop.spaces(editor);

    QMimeData text;
    text.setText(QString::number(editor));
    QDragEnterEvent enter(onSecond.toPoint(), Qt::MoveAction, &text, Qt::LeftButton, Qt::NoModifier);
    // Delivered straight to the view: outside a real drag, Qt's dispatch would drop them before the view.
    QObject& receiver = map;
    receiver.event(&enter);
    EXPECT_FALSE(enter.isAccepted());
    QDropEvent dropped(onSecond, Qt::MoveAction, &text, Qt::LeftButton, Qt::NoModifier);
    receiver.event(&dropped);
    EXPECT_FALSE(dropped.isAccepted());
    managed.advance(std::chrono::seconds(1));
    EXPECT_EQ(managed.desktop.spaces(editor), before);

    EXPECT_TRUE(map.drop(onSecond, {std::to_string(editor)})) << "the same text from the map's own tile moves it";
    managed.advance(std::chrono::seconds(1));
    EXPECT_NE(managed.desktop.spaces(editor), before);
}

TEST_F(MiniMapViewTest, NoticesForLostAccessibilityAndABrokenConfiguration) {
    EXPECT_FALSE(view.row(std::string(MiniMapTexts::grantAccessibility))->isVisibleTo(&view));
    model.setAccessibilityLost(true);
    pause(true);
    EXPECT_TRUE(view.row(std::string(MiniMapTexts::grantAccessibility))->isVisibleTo(&view));
    EXPECT_EQ(view.statusLine()->text(), "Needs Accessibility permission");
    EXPECT_FALSE(view.tilingSwitch()->isEnabled());

    model.setConfigError("config.json: line 3: a comma is missing");
    MenuRow* error = view.row("config.json: line 3: a comma is missing");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->toolTip().toStdString(), MiniMapTexts::configErrorHelp);
    model.setConfigError(std::nullopt);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(view.row("config.json: line 3: a comma is missing"));
}

TEST_F(MiniMapViewTest, AProfileThatDidNotLoadIsAnInertRow) {
    std::ofstream(managed.profiles.directory() / "Work.json") << "[";
    model.refresh(false);
    MenuRow* problem = view.row("Work didn't load");
    ASSERT_TRUE(problem);
    EXPECT_TRUE(problem->inert());
    EXPECT_FALSE(problem->toolTip().isEmpty());
    QTest::mouseClick(problem, Qt::LeftButton);
    EXPECT_TRUE(happened.empty());
}

// The panel is placed from the height measured before it shows; a profile saved while it was hidden must
// count in that height, else the footer overlaps the map.
TEST_F(MiniMapViewTest, AProfileAddedWhileHiddenCountsInTheNextMeasure) {
    const auto measure = [this] {
        view.fitHeight(std::numeric_limits<int>::max());
        return view.height();
    };
    measure();
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.hide();
    const int before = measure();

    Profile work;
    work.name = "Work";
    ASSERT_FALSE(managed.profiles.save(work));
    model.refresh(false);
    const int hidden = measure();
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QCoreApplication::processEvents();
    EXPECT_EQ(hidden, measure()) << "as shown";
    EXPECT_GT(hidden, before);
}

} // namespace
} // namespace quillmere
