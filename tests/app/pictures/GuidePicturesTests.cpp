#include "app/CommandLineSection.h"
#include "app/UpdatesSection.h"
#include "app/Welcome.h"
#include "platform/ManualMainQueue.h"
#include "platform/sim/SimulatedDesktop.h"

#include <QDir>
#include <QGroupBox>
#include <QVBoxLayout>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>
#include <map>
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

// The guide's pages as an X server draws them, each on its own and the permission and keys pages side by side,
// for a look by eye.
TEST(GuidePictures, EveryPage) {
    ASSERT_TRUE(QDir().mkpath(QUILLMERE_PICTURES));
    ManualMainQueue queue;
    SimulatedDesktop desktop(queue);
    desktop.setTrusted(false);
    Settings settings = Settings::default_();
    settings.keys = KeyPreset::aerospace().settingsKeys();
    DockPresence dockPresence([](ActivationPolicy) {});
    Welcome welcome({.accessibility = desktop,
                     .preferences = desktop,
                     .spaceCount = [] { return 4; },
                     .openSystemSettings = [](const std::string&) {},
                     .settings = [&] { return settings; }},
                    queue, desktop, dockPresence, [](const KeyPreset::KeyMap&) {});

    std::map<Page, QImage> pages;
    const std::pair<Page, QString> named[] = {
        {Page::permission, "permission"}, {Page::macOS, "macos"}, {Page::presets, "presets"}, {Page::keys, "keys"}};
    for (const auto& [page, name] : named) {
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
        EXPECT_TRUE(picture.save(QUILLMERE_PICTURES "/guide-" + name + ".png"));
        pages[page] = picture;
    }
    const QImage& first = pages[Page::permission];
    const QImage& last = pages[Page::keys];
    EXPECT_NE(first, last);

    QImage both(first.width() + last.width() + 16, first.height(), QImage::Format_RGB32);
    both.fill(Qt::white);
    QPainter painter(&both);
    painter.drawImage(0, 0, first);
    painter.drawImage(first.width() + 16, 0, last);
    painter.end();
    EXPECT_TRUE(both.save(QUILLMERE_PICTURES "/guide.png"));
    welcome.window()->close();
}

// The General pane's Updates and Command line sections, for a look by eye.
TEST(GuidePictures, UpdatesAndCommandLineSections) {
    ManualMainQueue queue;
    SimulatedDesktop desktop(queue);
    QWidget window;
    window.resize(600, 420);
    auto* column = new QVBoxLayout(&window);
    auto* updates = new QGroupBox("Updates");
    (new QVBoxLayout(updates))
        ->addWidget(new UpdatesSection(desktop, [] {}, "0.1.0 (7)", UpdatesSection::bundledAcknowledgements()));
    column->addWidget(updates);
    column->addWidget(new CommandLineSection(CommandLineSettings({.frontExecutable = "/nowhere/quillmere",
                                                                  .homeFolder = "/nowhere",
                                                                  .runAsAdministrator = runWithPkexec}),
                                             "/nowhere/README.md"));
    column->addStretch();
    window.show();
    for (int turn = 0; turn < 20; ++turn)
        QTest::qWait(10);
    const QImage picture = window.screen()->grabWindow(window.winId()).toImage();
    EXPECT_GT(colours(picture, QRect(QPoint(0, 0), picture.size())), 2u);
    EXPECT_TRUE(picture.save(QUILLMERE_PICTURES "/general-updates-and-command-line.png"));
}

} // namespace
} // namespace quillmere
