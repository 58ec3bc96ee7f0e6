// The Spaces overview over the built-in desktop as an X server draws it, kept as a picture for a look by eye
// and checked for its shape: the panel's size, and a card wherever the layout put one.

#include "support/OverviewOnDesktop.h"
#include "platform/sim/SimulatedScenario.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

TEST(SpacesOverviewPicture, TheBuiltInDesktopInTheOverview) {
    ManagedDesktop managed;
    SimulatedScenario::builtIn().applyTo(managed.desktop);
    managed.start();
    OverviewOnDesktop overview(managed);
    const MiniMapModel& model = overview.model;
    SpacesWindow& window = overview.window;
    window.show();
    // Let the panel fade in and the X server draw it.
    QTest::qWait(400);
    const QRect frame = window.panel().geometry();
    const QImage picture =
        QGuiApplication::primaryScreen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()).toImage();
    ASSERT_TRUE(QDir().mkpath(QUILLMERE_PICTURES));
    EXPECT_TRUE(picture.save(QUILLMERE_PICTURES "/spaces-overview.png"));

    const QRect visible = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(picture.size(), QSize(visible.width() - 16, frame.height()));
    const std::size_t displays = model.displays().size();
    EXPECT_EQ(frame.height(), displays <= 1 ? 232 : static_cast<int>(displays) * 216 + (static_cast<int>(displays) - 1) * 14 + 40);

    const SpacesMapLayout& layout = window.view().map()->layout();
    std::size_t spaces = 0;
    for (const MiniDisplay& display : model.displays())
        spaces += display.spaces.size();
    EXPECT_EQ(layout.cards.size(), spaces);
    EXPECT_EQ(layout.headers.size(), displays >= 2 ? displays : 0);
    const QRgb panel = picture.pixel(4, frame.height() / 2);
    const QPoint mapOrigin = window.view().map()->mapTo(&window.panel(), QPoint());
    for (const MapCard& card : layout.cards) {
        const QPoint middle = mapOrigin + QPoint(static_cast<int>(card.picture.midX()), static_cast<int>(card.picture.midY()));
        if (!picture.rect().contains(middle))
            continue;
        EXPECT_NE(picture.pixel(middle), panel) << "a card is drawn at " << middle.x() << "," << middle.y();
    }
}

} // namespace
} // namespace quillmere
