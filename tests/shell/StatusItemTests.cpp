#include "shell/StatusItemClick.h"
#include "shell/StatusPicture.h"

#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

using Item = MenuBarSettings::Item;

// The lines of the menu that pops up next, as "text" or "(text)" for a disabled one and "-" for a
// separator, after which it is closed as the user would by pressing Escape.
class PopUpReader {
  public:
    PopUpReader() {
        QTimer::singleShot(0, [this] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction* action : menu->actions()) {
                const QString text = action->isSeparator() ? "-" : action->text();
                lines.push_back((action->isEnabled() ? text : "(" + text + ")").toStdString());
            }
            shortcutOfLast = menu->actions().back()->shortcut();
            menu->close();
        });
    }

    std::vector<std::string> lines;
    QKeySequence shortcutOfLast;
};

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
    QSystemTrayIcon item;
    WindowManagerStatus status;
    status.space = 3;
    status.paused = true;
    MenuBarSettings settings;
    settings.items = {{Item::index, true}};

    showStatus(item, status, settings, false, true);
    EXPECT_EQ(item.toolTip(), "Quillmere, paused, Space 3, config.json has an error");
    const QSize withWarning = item.icon().availableSizes().value(0);

    // Nothing shown, nothing marked: the number is drawn rather than an empty strip.
    status.paused = false;
    showStatus(item, status, MenuBarSettings{}, false, false);
    EXPECT_EQ(item.toolTip(), "Quillmere, Space 3");
    const QSize titleOnly = item.icon().availableSizes().value(0);
    EXPECT_GT(titleOnly.width(), 0);
    EXPECT_LT(titleOnly.width(), withWarning.width());
}

} // namespace
} // namespace quillmere
