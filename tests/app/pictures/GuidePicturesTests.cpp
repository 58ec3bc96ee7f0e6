#include "app/Welcome.h"
#include "platform/ManualMainQueue.h"
#include "platform/sim/SimulatedDesktop.h"

#include <QDir>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>
#include <set>

namespace quillmere {
namespace {

using Page = WelcomeModel::Page;

// How many colours the part of the picture holds: one for an empty area.
std::size_t colours(const QImage& picture, const QRect& part) {
    std::set<QRgb> seen;
    for (int y = part.top(); y <= part.bottom(); ++y)
        for (int x = part.left(); x <= part.right(); ++x)
            seen.insert(picture.pixel(x, y));
    return seen.size();
}

// The guide's permission and keys pages as an X server draws them, side by side, for a look by eye.
TEST(GuidePictures, PermissionAndKeysPages) {
    ASSERT_TRUE(QDir().mkpath(QUILLMERE_PICTURES));
    ManualMainQueue queue;
    SimulatedDesktop desktop(queue);
    desktop.setTrusted(false);
    Settings settings = Settings::default_();
    settings.keys = KeyPreset::aerospace().settingsKeys();
    Welcome welcome({.accessibility = desktop,
                     .preferences = desktop,
                     .spaceCount = [] { return 4; },
                     .openSystemSettings = [](const std::string&) {},
                     .settings = [&] { return settings; }},
                    queue, desktop, [](const KeyPreset::KeyMap&) {});

    std::vector<QImage> pages;
    for (const Page page : {Page::permission, Page::keys}) {
        welcome.show(page);
        WelcomeView& window = *welcome.window();
        window.activateWindow();
        for (int turn = 0; turn < 20; ++turn)
            QTest::qWait(10);
        const QImage picture = window.screen()->grabWindow(window.winId()).toImage();
        ASSERT_EQ(picture.size(), window.size() * window.devicePixelRatio());
        const QRect button = window.mainButton()->geometry().translated(
            window.mainButton()->parentWidget()->mapTo(&window, QPoint(0, 0)));
        EXPECT_GT(colours(picture, button), 2u) << "the main button is drawn";
        const QRect top(24, 24, window.width() - 48, 40);
        EXPECT_GT(colours(picture, top), 2u) << "the page's header is drawn";
        pages.push_back(picture);
    }
    EXPECT_NE(pages[0], pages[1]);

    QImage both(pages[0].width() + pages[1].width() + 16, pages[0].height(), QImage::Format_RGB32);
    both.fill(Qt::white);
    QPainter painter(&both);
    painter.drawImage(0, 0, pages[0]);
    painter.drawImage(pages[0].width() + 16, 0, pages[1]);
    painter.end();
    EXPECT_TRUE(both.save(QUILLMERE_PICTURES "/guide.png"));
    welcome.window()->close();
}

} // namespace
} // namespace quillmere
