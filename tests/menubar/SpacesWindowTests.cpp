#include "menubar/SpacesWindow.h"
#include "menubar/SpacesWindowLayout.h"
#include "support/OverviewOnDesktop.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

using namespace std::chrono_literals;

TEST(SpacesWindowLayout, OneRowPerDisplayCardsOf160UnlessTheScreenIsShort) {
    struct Case {
        std::size_t displays;
        double visibleHeight;
        double panel;
        double card;
    };
    const Case cases[] = {
        {0, 1000, 232, 160},
        {1, 1000, 232, 160},
        {2, 1000, 2 * 216 + 14 + 40, 160},
        {3, 1000, 3 * 216 + 2 * 14 + 40, 160},
        // Capped at the visible height less 12; the cards shrink to share what is left.
        {3, 600, 588, (588 - 40 - 2 * 14) / 3.0 - 56},
        {1, 200, 188, 188 - 40 - 32.0},
        {3, 250, 238, 60},
    };
    for (const Case& c : cases) {
        const double panel = SpacesWindowLayout::panelHeight(c.displays, c.visibleHeight);
        EXPECT_DOUBLE_EQ(panel, c.panel) << c.displays << " displays";
        EXPECT_DOUBLE_EQ(SpacesWindowLayout::cardHeight(panel, c.displays), c.card) << c.displays << " displays";
    }
    EXPECT_EQ(SpacesWindowLayout::frame(Rect(0, 25, 1440, 875), 1), Rect(8, 31, 1424, 232));
}

// The overview over a started desktop with two Desktops and one window, previews on.
class SpacesWindowTest : public testing::Test {
  protected:
    SpacesWindowTest() {
        managed.start();
        managed.previews.setEnabled(true);
        refreshes = 0;
        model.observe([this] { ++refreshes; });
    }
    ~SpacesWindowTest() override { window.close(); }

    int previewRequests() const { return managed.desktop.shareableContentRequests(); }

    ManagedDesktop managed;
    const DisplayId main = managed.desktop.addDisplay({.name = "Main", .bounds = {0, 0, 1440, 900}, .desktops = 2});
    const std::int32_t editorPid = managed.launch("Editor");
    const WindowId editor = managed.desktop.openWindow(editorPid, {.frame = {100, 100, 500, 400}});
    OverviewOnDesktop overview{managed};
    MiniMapModel& model = overview.model;
    SpacesWindow& window = overview.window;
    int refreshes = 0;
};

TEST_F(SpacesWindowTest, ShowsAcrossTheTopOfThePrimaryScreenWithCardsOf160) {
    window.show();
    const QRect visible = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(window.panel().geometry(), QRect(visible.x() + 8, visible.y() + 6, visible.width() - 16, 232));
    ASSERT_EQ(window.view().map()->layout().cards.size(), 2u);
    EXPECT_DOUBLE_EQ(window.view().map()->layout().cards[0].picture.height(), 160);
    EXPECT_TRUE(window.view().map()->layout().headers.empty());
}

TEST_F(SpacesWindowTest, OpeningTwiceKeepsOneTimerAndTwoObservers) {
    window.show();
    window.show();
    EXPECT_TRUE(window.shown());
    EXPECT_TRUE(window.refreshing());
    EXPECT_EQ(window.observers(), 2u);
    EXPECT_EQ(refreshes, 2) << "each open refreshes";

    refreshes = 0;
    managed.advance(2s);
    EXPECT_EQ(refreshes, 1) << "one timer, not two";
}

TEST_F(SpacesWindowTest, RefreshesEveryTwoSecondsWithPreviewsEveryTenth) {
    window.show();
    const int atOpen = previewRequests();
    for (int tick = 1; tick <= 4; ++tick)
        managed.advance(2s);
    EXPECT_EQ(refreshes, 5);
    EXPECT_EQ(previewRequests(), atOpen) << "no previews on the first four ticks";
    managed.advance(2s);
    EXPECT_EQ(previewRequests(), atOpen + 1) << "the fifth takes them";
}

TEST_F(SpacesWindowTest, ASpaceChangeOrAnotherApplicationRefreshesWithPreviewsAndLeavesItOpen) {
    window.show();
    int requests = previewRequests();
    managed.desktop.switchSpace(main, managed.desktop.spaceOrder(main).back());
    managed.settle();
    EXPECT_EQ(previewRequests(), ++requests);

    managed.desktop.activate(editorPid);
    managed.settle();
    EXPECT_EQ(previewRequests(), ++requests);
    EXPECT_TRUE(window.shown()) << "unlike the mini map";
}

TEST_F(SpacesWindowTest, AClickOnACardSwitchesAndLeavesItOpenAClickOutsideClosesIt) {
    window.show();
    SpacesMapView* map = window.view().map();
    const MapCard& other = map->layout().cards[1];
    QTest::mouseClick(map, Qt::LeftButton, {},
                      QPoint(static_cast<int>(other.picture.midX()), static_cast<int>(other.picture.maxY() - 4)));
    managed.advance(1s);
    EXPECT_EQ(managed.desktop.currentSpace(main), managed.desktop.spaceOrder(main).back());
    EXPECT_TRUE(window.shown());

    QWidget elsewhere;
    elsewhere.resize(100, 100);
    elsewhere.show();
    QTest::mouseClick(window.panel().windowHandle(), Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_TRUE(window.shown()) << "a press inside";
    QTest::mouseClick(elsewhere.windowHandle(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(window.shown());
    EXPECT_FALSE(window.refreshing());
    EXPECT_EQ(window.observers(), 0u);
    refreshes = 0;
    managed.advance(10s);
    EXPECT_EQ(refreshes, 0) << "the timer stopped";

    window.show();
    QTest::keyClick(&window.panel(), Qt::Key_Escape);
    EXPECT_FALSE(window.shown()) << "Esc closes it too";
    EXPECT_FALSE(window.refreshing());
}

TEST_F(SpacesWindowTest, PausedItIsDrawnAtHalfStrength) {
    window.show();
    WindowManager::Status status = managed.manager().status();
    status.paused = true;
    model.setStatus(status);
    EXPECT_DOUBLE_EQ(window.view().opacity(), 0.5);
    status.paused = false;
    model.setStatus(status);
    EXPECT_DOUBLE_EQ(window.view().opacity(), 1);
}

} // namespace
} // namespace quillmere
