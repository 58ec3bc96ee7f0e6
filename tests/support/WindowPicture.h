#pragma once

#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace quillmere {

// A top-level window as the X server draws it, once it has settled in front.
inline QPixmap windowPicture(QWidget& window) {
    window.activateWindow();
    for (int turn = 0; turn < 20; ++turn)
        QTest::qWait(10);
    return window.screen()->grabWindow(window.winId());
}

inline void saveWindowPicture(QWidget& window, const QString& file) {
    const QPixmap picture = windowPicture(window);
    EXPECT_FALSE(picture.isNull()) << file.toStdString();
    EXPECT_TRUE(picture.save(file)) << file.toStdString();
}

// The window with all of the scroll area's content: the area scrolled screen by screen, each screen as the X
// server draws it, laid one under the other between what lies above and below the area. The area is
// scrolled back to the top afterwards.
inline void saveScrolledWindowPicture(QWidget& window, QScrollArea& area, const QString& file) {
    QScrollBar& bar = *area.verticalScrollBar();
    bar.setValue(0);
    const QPixmap first = windowPicture(window);
    const QRect viewport(area.viewport()->mapTo(&window, QPoint(0, 0)), area.viewport()->size());
    const double scale = first.devicePixelRatio();
    const int content = viewport.height() + bar.maximum();
    QPixmap whole(first.width(), static_cast<int>((first.height() / scale + bar.maximum()) * scale));
    whole.setDevicePixelRatio(scale);
    whole.fill(Qt::transparent);
    QPainter painter(&whole);
    painter.drawPixmap(QPoint(0, 0), first, QRect(0, 0, first.width(), static_cast<int>(viewport.bottom() * scale + scale)));
    for (int shown = viewport.height(); shown < content;) {
        bar.setValue(shown);
        const QPixmap screen = windowPicture(window);
        // At the end the area scrolls less than a screen: only the rows not yet drawn are new.
        const int skipped = shown - bar.value();
        const int rows = std::min(viewport.height() - skipped, content - shown);
        painter.drawPixmap(QRectF(0, viewport.top() + shown, whole.width() / scale, rows),
                           screen,
                           QRectF(0, (viewport.top() + skipped) * scale, screen.width(), rows * scale));
        shown += rows;
    }
    const int below = static_cast<int>(first.height() / scale) - viewport.bottom() - 1;
    painter.drawPixmap(QRectF(0, viewport.bottom() + 1 + bar.maximum(), whole.width() / scale, below), first,
                       QRectF(0, (viewport.bottom() + 1) * scale, first.width(), below * scale));
    painter.end();
    bar.setValue(0);
    EXPECT_TRUE(whole.save(file)) << file.toStdString();
}

} // namespace quillmere
