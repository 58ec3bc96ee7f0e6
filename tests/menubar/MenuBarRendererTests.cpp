#include "menubar/MenuBarRenderer.h"

#include "menubar/StatusPictures.h"
#include "support/PictureInk.h"

#include <QGuiApplication>
#include <QPalette>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

int strongestAlpha(const QImage& image, const Rect& frame) {
    const double ratio = image.devicePixelRatio();
    int strongest = 0;
    for (int y = static_cast<int>(frame.minY() * ratio); y < static_cast<int>(frame.maxY() * ratio); ++y)
        for (int x = static_cast<int>(frame.minX() * ratio); x < static_cast<int>(frame.maxX() * ratio); ++x)
            strongest = std::max(strongest, qAlpha(image.pixel(x, y)));
    return strongest;
}

TEST(MenuBarRenderer, APictureWithoutWidthIsNone) {
    EXPECT_FALSE(MenuBarRenderer::image(busyStatus(), MenuBarSettings{}, false));
    EXPECT_TRUE(MenuBarRenderer::image(busyStatus(), MenuBarSettings{}, true));
}

TEST(MenuBarRenderer, DrawsEveryIndexStyleAsLaidOut) {
    for (MenuBarSettings::IndexStyle style : allIndexStyles) {
        SCOPED_TRACE(std::string(text(style)));
        const auto image = MenuBarRenderer::image(busyStatus(), showingMost(style), true);
        ASSERT_TRUE(image);
        expectDrawnAsLaidOut(*image, laidOut(busyStatus(), showingMost(style), true));
    }
}

TEST(MenuBarRenderer, DrawsInTheWindowTextColourAndDimsOnlyTheItemsWhilePaused) {
    const QPalette saved = QGuiApplication::palette();
    QPalette red = saved;
    red.setColor(QPalette::WindowText, QColor(200, 0, 0));
    QGuiApplication::setPalette(red);

    WindowManagerStatus status = busyStatus();
    status.paused = true;
    const auto settings = showingMost(MenuBarSettings::IndexStyle::single);
    const auto image = MenuBarRenderer::image(status, settings, false);
    QGuiApplication::setPalette(saved);
    ASSERT_TRUE(image);
    const MenuBarPicture picture = laidOut(status, settings, false);
    expectDrawnAsLaidOut(*image, picture);

    const Rect pause = picture.pieces.at(0).frame;
    const Rect logo = picture.pieces.at(1).frame;
    EXPECT_EQ(picture.pieces.at(0).content, "pause.circle.fill");
    EXPECT_GT(strongestAlpha(*image, pause), 240);
    EXPECT_NEAR(strongestAlpha(*image, logo), 0.45 * 255, 3);

    const QColor ink = image->pixelColor(static_cast<int>(pause.midX() * image->devicePixelRatio()),
                                         static_cast<int>(pause.minY() * image->devicePixelRatio()) + 2);
    EXPECT_GT(ink.red(), 150);
    EXPECT_EQ(ink.green(), 0);
    EXPECT_EQ(ink.blue(), 0);
}

TEST(MenuBarRenderer, TheTitleIsDrawnLikeThePicturesTexts) {
    const QImage title = MenuBarRenderer::title("\u00B7");
    EXPECT_EQ(title.height(), static_cast<int>(22 * title.devicePixelRatio()));
    EXPECT_GT(title.width(), 0);
}

} // namespace
} // namespace quillmere
