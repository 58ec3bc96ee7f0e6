#include "shell/StatusItem.h"
#include "shell/StatusItemClick.h"
#include "support/PopUpMenu.h"

#include <QApplication>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

using Item = MenuBarSettings::Item;

struct Clicks {
    int checks = 0;
    int toggles = 0;
    bool started = false;

    StatusItemClick click() {
        return {[this] { ++checks; }, [this] { return started; }, [this] { ++toggles; }, {[] {}, [] {}, [] {}}};
    }
};

TEST(StatusItem, BeforeStartAClickPopsUpThePermissionMenuForThatClickOnly) {
    QSystemTrayIcon item;
    Clicks clicks;
    PopUpReader menu;
    clickStatusItem(item, clicks.click());
    EXPECT_THAT(menu.lines, testing::ElementsAre("(Quillmere needs Accessibility permission)",
                                                 "Set Up Accessibility…", "-", "Check for Updates…",
                                                 "Quit Quillmere"));
    EXPECT_EQ(menu.shortcutOfLast, QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(item.contextMenu(), nullptr);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(clicks.checks, 1);
    EXPECT_EQ(clicks.toggles, 0);
}

TEST(StatusItem, OnceStartedAClickChecksThePermissionAndTogglesTheMiniMap) {
    QSystemTrayIcon item;
    Clicks clicks{.started = true};
    PopUpReader menu;
    clickStatusItem(item, clicks.click());
    clickStatusItem(item, clicks.click());
    EXPECT_EQ(clicks.checks, 2);
    EXPECT_EQ(clicks.toggles, 2);
    EXPECT_TRUE(menu.lines.empty());
}

TEST(StatusItem, ShowsThePictureOrTheTitleAndReadsTheStatusOut) {
    StatusItem item;
    WindowManagerStatus status;
    status.space = 3;
    status.paused = true;
    MenuBarSettings settings;
    settings.items = {{Item::index, true}};

    item.showStatus(status, settings, false, true);
    EXPECT_EQ(item.icon().toolTip(), "Quillmere, paused, Space 3, config.json has an error");
    const QSize withWarning = item.icon().icon().availableSizes().value(0);

    // Nothing shown, nothing marked: the number is drawn rather than an empty strip.
    status.paused = false;
    item.showStatus(status, MenuBarSettings{}, false, false);
    EXPECT_EQ(item.icon().toolTip(), "Quillmere, Space 3");
    const QSize titleOnly = item.icon().icon().availableSizes().value(0);
    EXPECT_GT(titleOnly.width(), 0);
    EXPECT_LT(titleOnly.width(), withWarning.width());
    EXPECT_EQ(item.symbol(), "");
}

TEST(StatusItem, EveryLeftOrRightClickReachesTheApplication) {
    StatusItem item;
    int clicks = 0;
    item.onClick = [&] { ++clicks; };
    for (auto reason : {QSystemTrayIcon::Trigger, QSystemTrayIcon::Context, QSystemTrayIcon::DoubleClick,
                        QSystemTrayIcon::MiddleClick})
        Q_EMIT item.icon().activated(reason);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(item.icon().contextMenu(), nullptr);
}

} // namespace
} // namespace quillmere
