#pragma once

#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace quillmere {

// Saves a top-level window as the X server draws it, once it has settled in front.
inline void saveWindowPicture(QWidget& window, const QString& file) {
    window.activateWindow();
    for (int turn = 0; turn < 20; ++turn)
        QTest::qWait(10);
    const QPixmap picture = window.screen()->grabWindow(window.winId());
    EXPECT_FALSE(picture.isNull()) << file.toStdString();
    EXPECT_TRUE(picture.save(file)) << file.toStdString();
}

} // namespace quillmere
