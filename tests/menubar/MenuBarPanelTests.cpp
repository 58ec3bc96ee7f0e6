#include "menubar/MenuBarPanel.h"
#include "menubar/OutsideClicks.h"

#include <QApplication>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

TEST(MenuBarPanel, CancelKeysCallOnCancelOnceAndTheWindowStays) {
    MenuBarPanel panel;
    int cancels = 0;
    panel.onCancel = [&] { ++cancels; };
    panel.resize(200, 100);
    panel.reveal();
    const std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys{
        {Qt::Key_Escape, Qt::NoModifier}, {Qt::Key_W, Qt::ControlModifier}, {Qt::Key_M, Qt::ControlModifier}};
    for (const auto& [key, modifiers] : keys) {
        const int before = cancels;
        QTest::keyClick(&panel, key, modifiers);
        EXPECT_EQ(cancels - before, 1) << QKeySequence(key | modifiers).toString().toStdString();
    }
    QTest::keyClick(&panel, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(cancels, 3) << "other keys are not cancel keys";
    panel.close();
    EXPECT_EQ(cancels, 4);
    EXPECT_TRUE(panel.isVisible()) << "the panel never closes itself";
    panel.showMinimized();
    EXPECT_EQ(cancels, 5);
    EXPECT_FALSE(panel.isMinimized());
}

TEST(MenuBarPanel, FadesInFromTransparent) {
    MenuBarPanel panel;
    panel.resize(200, 100);
    panel.reveal();
    EXPECT_LT(panel.windowOpacity(), 1.0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return panel.windowOpacity() == 1.0; }, 1000));
}

// A panel, another window of the application, and a watch on the panel that counts its closes.
struct OutsideClicksTest : testing::Test {
    OutsideClicksTest() {
        panel.resize(200, 100);
        other.resize(200, 100);
        panel.show();
        other.show();
    }
    void start() {
        clicks.start({&panel}, [this] { return itemArea; }, [this] { ++closes; });
    }
    static void press(QWidget& widget, Qt::MouseButton button, QPoint at = {10, 10}) {
        QTest::mousePress(widget.windowHandle(), button, {}, at);
        QTest::mouseRelease(widget.windowHandle(), button, {}, at);
    }

    QWidget panel;
    QWidget other;
    QRect itemArea;
    OutsideClicks clicks;
    int closes = 0;
};

TEST_F(OutsideClicksTest, PressesOutsideTheInsideWindowsClose) {
    start();
    press(panel, Qt::LeftButton);
    EXPECT_EQ(closes, 0) << "inside";
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        press(other, button);
    EXPECT_EQ(closes, 3);
    QTest::mouseRelease(other.windowHandle(), Qt::LeftButton, {}, {10, 10});
    QTest::keyClick(other.windowHandle(), Qt::Key_A);
    EXPECT_EQ(closes, 3) << "releases and keys never close";
}

TEST_F(OutsideClicksTest, TheItemsAreaCountsAsInside) {
    itemArea = QRect(other.mapToGlobal(QPoint(0, 0)), QSize(40, 40));
    start();
    press(other, Qt::LeftButton, {10, 10});
    EXPECT_EQ(closes, 0);
    press(other, Qt::LeftButton, {100, 60});
    EXPECT_EQ(closes, 1);
}

TEST_F(OutsideClicksTest, StartingTwiceWatchesOnceAndStopOrDestructionEndsTheWatch) {
    start();
    start();
    press(other, Qt::LeftButton);
    EXPECT_EQ(closes, 1);
    clicks.stop();
    clicks.stop();
    press(other, Qt::LeftButton);
    EXPECT_EQ(closes, 1);

    int gone = 0;
    {
        OutsideClicks dropped;
        dropped.start({&panel}, [] { return QRect(); }, [&] { ++gone; });
    }
    press(other, Qt::LeftButton);
    EXPECT_EQ(gone, 0) << "a destroyed watch calls nothing";
}

TEST_F(OutsideClicksTest, TheApplicationGoingInactiveCloses) {
    start();
    // What a click into another program does to the application.
    Q_EMIT qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_EQ(closes, 1);
}

} // namespace
} // namespace quillmere
