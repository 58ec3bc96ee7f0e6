#include "platform/ManualMainQueue.h"
#include "platform/qt/SimulatedScreensWindow.h"
#include "platform/sim/SimulatedScenario.h"
#include "support/EventLoop.h"

#include <QKeyEvent>
#include <QTest>
#include <cstdlib>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

using namespace std::chrono_literals;

struct MarkView final : PanelView {};

// Fills every view it is given with one colour, to find panels in the drawing.
class MarkPainter final : public PanelViewPainter {
  public:
    bool paint(QPainter& painter, const PanelView&, const QRectF& frame, double) const override {
        painter.fillRect(frame, Qt::magenta);
        return true;
    }
};

class SimulatedScreensWindowTest : public testing::Test {
  protected:
    SimulatedScreensWindowTest() {
        SimulatedScenario::builtIn().applyTo(desktop);
        desktop.setChangeCallback([this] { window.view().desktopChanged(); });
        window.view().desktopChanged();
        window.resize(1050, 480);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    ~SimulatedScreensWindowTest() override { desktop.setChangeCallback(nullptr); }

    QPoint onView(Point global) {
        const ScreensLayout layout(ScreensPicture::of(desktop), {static_cast<double>(window.view().width()),
                                                                 static_cast<double>(window.view().height())});
        const Rect at = layout.toView(Rect(global, Size{0, 0}));
        return QPoint(static_cast<int>(std::lround(at.minX())), static_cast<int>(std::lround(at.minY())));
    }

    ManualMainQueue queue;
    SimulatedDesktop desktop{queue};
    MarkPainter painter;
    SimulatedScreensWindow window{desktop, &painter};
};

// The desktop tells of a change before it makes it: what the view draws must be the state after it.
TEST_F(SimulatedScreensWindowTest, APanelShownByTheApplicationIsDrawnWithItsView) {
    const std::unique_ptr<Panel> panel =
        desktop.makePanel({.level = WindowLevel::floating, .animates = false});
    panel->setContent(std::make_shared<MarkView>());
    // The screens' coordinates count from the bottom of the first display, 982 points high.
    panel->setFrame(Rect(1000, 982 - 500, 200, 100));
    panel->orderFrontRegardless();
    const QImage drawn = window.view().grab().toImage();
    EXPECT_EQ(drawn.pixelColor(onView({1100, 450})), QColor(Qt::magenta));
    panel->orderOut();
    EXPECT_NE(window.view().grab().toImage().pixelColor(onView({1100, 450})), QColor(Qt::magenta));
}

TEST_F(SimulatedScreensWindowTest, AClickFocusesTheWindowUnderThePointerAndADragMovesIt) {
    // Inbox of Mail stands at (1700, 120) on the second display.
    const QPoint title = onView({1900, 130});
    QTest::mousePress(&window.view(), Qt::LeftButton, {}, title);
    EXPECT_EQ(desktop.frontmostApplication()->localizedName, "Mail");
    QTest::mouseMove(&window.view(), title + QPoint(40, 20));
    QTest::mouseRelease(&window.view(), Qt::LeftButton, {}, title + QPoint(40, 20));
    const double scale = ScreensLayout(ScreensPicture::of(desktop), {static_cast<double>(window.view().width()),
                                                                    static_cast<double>(window.view().height())})
                             .scale();
    const Rect moved = *desktop.frame(103);
    EXPECT_NEAR(moved.minX(), 1700 + 40 / scale, 1 / scale + 1);
    EXPECT_NEAR(moved.minY(), 120 + 20 / scale, 1 / scale + 1);
}

// A tap that swallows fn presses, as the mouse gestures' does, keeps the press from the application.
TEST_F(SimulatedScreensWindowTest, WithFnHeldAPressCarriesFnToTheTaps) {
    desktop.focus(100);
    const auto tap = desktop.createTap(EventTapLocation::session, EventTapPlacement::headInsert,
                                       EventTapOptions::defaultTap, eventMaskBit(EventType::leftMouseDown),
                                       [](EventType, const Event& event) {
                                           return (event.flags & EventFlag::maskSecondaryFn) != 0;
                                       });
    window.view().setFnHeld(true);
    QTest::mouseClick(&window.view(), Qt::LeftButton, {}, onView({1900, 130}));
    EXPECT_EQ(desktop.frontmostApplication()->localizedName, "Safari");
    window.view().setFnHeld(false);
    QTest::mouseClick(&window.view(), Qt::LeftButton, {}, onView({1900, 130}));
    EXPECT_EQ(desktop.frontmostApplication()->localizedName, "Mail");
}

TEST_F(SimulatedScreensWindowTest, ControlAndAnArrowKeyStepTheActiveDisplaysSpace) {
    const DisplayId builtIn = desktop.activeDisplays().front();
    const SpaceId first = desktop.currentSpace(builtIn);
    // X key code 114 is the right arrow.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::ControlModifier, 114, 0, 0);
    QApplication::sendEvent(&window.view(), &press);
    queue.advance(0ms);
    EXPECT_EQ(desktop.currentSpace(builtIn), desktop.spaceOrder(builtIn)[1]);
    EXPECT_NE(desktop.currentSpace(builtIn), first);
}

TEST_F(SimulatedScreensWindowTest, DrawsDisplaysMenuBarsAndWindowsWhereTheyStand) {
    const QImage picture = window.view().grab().toImage();
    if (const char* path = std::getenv("QUILLMERE_VIEWER_PICTURE"))
        window.grab().save(path);
    const auto colourAt = [&](Point global) { return picture.pixelColor(onView(global)); };
    // The second display's empty Desktop, the menu bar band, a window's body and the gap between displays.
    EXPECT_EQ(colourAt({3800, 1300}), QColor(0x3B, 0x5B, 0x7A));
    EXPECT_GT(colourAt({3800, 8}).lightness(), 180);
    EXPECT_EQ(colourAt({2800, 850}), QColor(0xF4, 0xF4, 0xF6));
    EXPECT_EQ(colourAt({700, 1200}), QColor(0x1E, 0x1F, 0x24));
}

// The dimming shade stands just below the focused window: it darkens the rest of the display, not that window.
TEST_F(SimulatedScreensWindowTest, APanelOrderedBelowAWindowIsDrawnUnderItAndOverTheOthers) {
    desktop.focus(103);
    const Screen studio = desktop.screens().at(1);
    const auto shade = desktop.makePanel({.opaque = false, .background = Color::black(0.3)});
    shade->setFrame(studio.frame);
    shade->order(WindowOrderingMode::below, 103);
    window.view().desktopChanged();
    const QImage picture = window.view().grab().toImage();
    if (const char* path = std::getenv("QUILLMERE_DIMMED_VIEWER_PICTURE"))
        window.grab().save(path);
    const auto colourAt = [&](Point global) { return picture.pixelColor(onView(global)); };
    EXPECT_EQ(colourAt({1800, 300}), QColor(0xF4, 0xF4, 0xF6)) << "Inbox, the focused window";
    EXPECT_LT(colourAt({3000, 1000}).lightness(), QColor(0xF4, 0xF4, 0xF6).lightness() - 40) << "Groceries";
    EXPECT_LT(colourAt({3800, 1300}).lightness(), QColor(0x3B, 0x5B, 0x7A).lightness()) << "the Desktop";
}

} // namespace
} // namespace quillmere
