// On a virtual X server with a tray host: the status item is embedded in the tray and shows the status, and
// the pictures of the three index styles are drawn as laid out. The pictures are left side by side in
// pictures/status-item.png of the build folder for people to look at.

#include "menubar/MenuBarRenderer.h"
#include "menubar/StatusPictures.h"
#include "shell/StatusItem.h"
#include "shell/StatusLabel.h"
#include "support/PictureInk.h"

#include <QDir>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

constexpr int hostWait = 10000;

// The pictures one under the other on white, with a margin.
QImage sheet(const std::vector<QImage>& pictures) {
    constexpr int margin = 8;
    double width = 0;
    double height = margin;
    for (const QImage& picture : pictures) {
        width = std::max(width, picture.deviceIndependentSize().width());
        height += picture.deviceIndependentSize().height() + margin;
    }
    const double ratio = pictures.front().devicePixelRatio();
    QImage result(static_cast<int>((width + 2 * margin) * ratio), static_cast<int>(height * ratio),
                  QImage::Format_ARGB32_Premultiplied);
    result.setDevicePixelRatio(ratio);
    result.fill(Qt::white);
    QPainter painter(&result);
    double y = margin;
    for (const QImage& picture : pictures) {
        painter.drawImage(QPointF(margin, y), picture);
        y += picture.deviceIndependentSize().height() + margin;
    }
    return result;
}

TEST(Tray, TheStatusItemIsEmbeddedAndReadsTheStatusOut) {
    ASSERT_TRUE(QTest::qWaitFor([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, hostWait));
    StatusItem item;
    const WindowManagerStatus status = busyStatus();
    item.showStatus(status, showingMost(MenuBarSettings::IndexStyle::stepper), false, false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return item.icon().geometry().isValid(); }, hostWait));
    EXPECT_GT(item.icon().geometry().width(), 0);
    EXPECT_EQ(item.icon().toolTip().toStdString(), statusLabel(status, false, false));
    EXPECT_EQ(item.icon().toolTip(), "Quillmere, Space 2, Code, profile work");
}

TEST(Tray, DrawsTheThreeIndexStylesAsLaidOut) {
    std::vector<QImage> pictures;
    for (MenuBarSettings::IndexStyle style : allIndexStyles) {
        SCOPED_TRACE(std::string(text(style)));
        const auto picture = MenuBarRenderer::image(busyStatus(), showingMost(style), false);
        ASSERT_TRUE(picture);
        expectDrawnAsLaidOut(*picture, laidOut(busyStatus(), showingMost(style), false));
        pictures.push_back(*picture);
    }
    WindowManagerStatus paused = busyStatus();
    paused.paused = true;
    pictures.push_back(*MenuBarRenderer::image(paused, showingMost(MenuBarSettings::IndexStyle::single), true));
    ASSERT_TRUE(QDir().mkpath(QUILLMERE_PICTURES));
    EXPECT_TRUE(sheet(pictures).save(QUILLMERE_PICTURES "/status-item.png"));
}

} // namespace
} // namespace quillmere
