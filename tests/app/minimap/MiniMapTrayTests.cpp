// The real application on a virtual X server with a tray host, driven by the pointer as a user drives it:
// a click on its tray icon drops the mini map under the icon, and the next click or a click elsewhere
// closes it. Pictures of the mini map, running and paused, are left in pictures/ of the build folder.

#include "support/TemporaryDirectory.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace quillmere {
namespace {

namespace fs = std::filesystem;

constexpr int waitLimit = 10000;

// The first window of that name shown on the screen, in global points.
std::optional<QRect> shownWindow(const QString& name) {
    QProcess search;
    search.start("xdotool", {"search", "--onlyvisible", "--name", name, "getwindowgeometry", "--shell"});
    search.waitForFinished();
    std::optional<int> x, y, width, height;
    for (const QString& line : QString::fromUtf8(search.readAllStandardOutput()).split('\n')) {
        const auto value = [&](const char* key) { return line.startsWith(key) ? std::optional(line.section('=', 1).toInt()) : std::nullopt; };
        if (auto read = value("X="); read && !x) x = read;
        if (auto read = value("Y="); read && !y) y = read;
        if (auto read = value("WIDTH="); read && !width) width = read;
        if (auto read = value("HEIGHT="); read && !height) height = read;
    }
    if (!x || !y || !width || !height)
        return std::nullopt;
    return QRect(*x, *y, *width, *height);
}

struct TrayIcon {
    QString window;
    QRect frame;
};

// The application's icon as the tray host embeds it: a child window named after the application.
std::optional<TrayIcon> trayIcon() {
    QProcess tree;
    tree.start("xwininfo", {"-root", "-tree"});
    tree.waitForFinished();
    const QRegularExpression icon(R"((0x[0-9a-f]+) "quillmere": \("quillmere" "quillmere"\)\s+(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+))");
    for (const QString& line : QString::fromUtf8(tree.readAllStandardOutput()).split('\n'))
        if (const auto match = icon.match(line); match.hasMatch() && match.captured(4).toInt() > 0)
            return TrayIcon{match.captured(1), QRect(match.captured(4).toInt(), match.captured(5).toInt(),
                                                     match.captured(2).toInt(), match.captured(3).toInt())};
    return std::nullopt;
}

// A click as the tray host hands it to the icon: the pointer on the icon, the press sent to its window.
// (On the virtual server the host does not pass the pointer's own presses on to the embedded icon.) Sent
// presses carry no time, so two of one button in a row would make a double click: the test alternates
// buttons, as the item acts on either.
void clickIcon(const TrayIcon& icon, const char* button = "1") {
    QProcess::execute("xdotool", {"mousemove", "--sync", QString::number(icon.frame.center().x()),
                                  QString::number(icon.frame.center().y())});
    QProcess::execute("xdotool", {"click", "--window", icon.window, button});
}

void clickAt(QPoint point) {
    QProcess::execute("xdotool", {"mousemove", QString::number(point.x()), QString::number(point.y()), "click", "1"});
}

class MiniMapTray : public testing::Test {
  protected:
    MiniMapTray() {
        const fs::path runtime = folder / "runtime";
        fs::create_directories(runtime);
        fs::permissions(runtime, fs::perms::owner_all, fs::perm_options::replace);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", QString::fromStdString(folder.path().string()));
        environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime.string()));
        environment.insert("XDG_CONFIG_HOME", QString::fromStdString((folder / "config").string()));
        environment.insert("XDG_DATA_HOME", QString::fromStdString((folder / "data").string()));
        environment.remove("QT_SCALE_FACTOR");
        app.setProcessEnvironment(environment);
        app.start(QUILLMERE_PROGRAM_DIRECTORY "/quillmere", {});
    }
    ~MiniMapTray() override {
        app.terminate();
        app.waitForFinished();
    }

    TrayIcon icon() {
        std::optional<TrayIcon> found;
        EXPECT_TRUE(QTest::qWaitFor([&] { return (found = trayIcon()).has_value(); }, waitLimit));
        return found.value_or(TrayIcon{});
    }
    std::optional<QRect> panel() { return shownWindow("^Quillmere Mini Map$"); }
    bool panelShown() { return QTest::qWaitFor([&] { return panel().has_value(); }, waitLimit); }
    bool panelGone() { return QTest::qWaitFor([&] { return !panel().has_value(); }, waitLimit); }

    // The panel as it looks once it has faded in.
    QImage picture() {
        QTest::qWait(400);
        const QRect frame = panel().value_or(QRect());
        return QGuiApplication::primaryScreen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()).toImage();
    }

    TemporaryDirectory folder;
    QProcess app;
};

TEST_F(MiniMapTray, ATrayClickDropsTheMapUnderTheIconAndTheNextClickOrOneElsewhereClosesIt) {
    ASSERT_TRUE(QTest::qWaitFor([] { return shownWindow("^Simulated screens$").has_value(); }, waitLimit));
    const TrayIcon item = icon();
    // The start has run once the icon shows its status rather than the waiting symbol.
    QTest::qWait(1500);
    clickIcon(item);
    ASSERT_TRUE(panelShown());
    const QRect frame = *panel();
    EXPECT_EQ(frame.width(), 440);
    EXPECT_EQ(frame.top(), item.frame.bottom() + 1 + 6) << "6 below the icon";
    EXPECT_EQ(frame.right() + 1, 1280 - 8) << "8 inside the right edge";
    const QImage running = picture();
    ASSERT_TRUE(QDir().mkpath(QUILLMERE_PICTURES));
    EXPECT_TRUE(running.save(QUILLMERE_PICTURES "/mini-map.png"));

    clickIcon(item, "3");
    EXPECT_TRUE(panelGone()) << "the second click closes it";
    QTest::qWait(300);
    EXPECT_FALSE(panel()) << "and it stays closed";

    clickIcon(item);
    ASSERT_TRUE(panelShown());
    clickAt({200, 400});
    EXPECT_TRUE(panelGone()) << "a click in the simulated screens closes it";

    QProcess pause;
    pause.setProcessEnvironment(app.processEnvironment());
    pause.start(QUILLMERE_PROGRAM_DIRECTORY "/quillmere", {"pause"});
    ASSERT_TRUE(pause.waitForFinished());
    EXPECT_EQ(pause.exitCode(), 0);
    QTest::qWait(500);
    clickIcon(item, "3");
    ASSERT_TRUE(panelShown());
    const QImage paused = picture();
    EXPECT_TRUE(paused.save(QUILLMERE_PICTURES "/mini-map-paused.png"));
    // Paused, the map section is drawn at half strength: its colours lie nearer the panel's own.
    EXPECT_EQ(paused.size(), running.size());
    EXPECT_NE(paused, running);
}

} // namespace
} // namespace quillmere
