#include "settings/AppIcons.h"
#include "support/TemporaryDirectory.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

struct OneDesktopApp final : InstalledApplications {
    std::vector<InstalledApplication> installedApplications() override { return {{"org.example.Viewer", "Viewer"}}; }
};

struct ViewerRunning final : RunningApplications {
    std::vector<RunningApplication> runningApplications() override {
        return {{.bundleIdentifier = "org.example.Viewer", .localizedName = "Viewer"}};
    }
    std::optional<RunningApplication> application(std::int32_t) override { return std::nullopt; }
    std::optional<RunningApplication> frontmostApplication() override { return std::nullopt; }
    bool activate(std::int32_t) override { return false; }
};

TEST(AppIcons, TheRunningAppTakesItsInstalledEntrysIconAndUnknownNamesTheGenericOneKeptForGood) {
    TemporaryDirectory home;
    QPixmap drawn(48, 48);
    drawn.fill(Qt::red);
    ASSERT_TRUE(drawn.save(QString::fromStdString((home / "viewer.png").string())));
    std::filesystem::create_directories(home / "applications");
    std::ofstream(home / "applications/viewer.desktop")
        << "[Desktop Entry]\nType=Application\nName=Viewer\nIcon=" << (home / "viewer.png").string() << "\n";
    OneDesktopApp desktop;
    ViewerRunning running;
    InstalledApps apps(desktop, running, {{home / "applications"}, "C"});
    AppIcons icons(apps);

    const QPixmap viewer = icons.icon("Viewer");
    EXPECT_EQ(viewer.size(), QSize(32, 32));
    EXPECT_EQ(viewer.toImage().pixelColor(16, 16), QColor(Qt::red));
    const QPixmap unknown = icons.icon("Nobody");
    EXPECT_FALSE(unknown.isNull());
    EXPECT_EQ(unknown.size(), QSize(32, 32));
    std::filesystem::remove(home / "viewer.png");
    EXPECT_EQ(icons.icon("Nobody").cacheKey(), unknown.cacheKey());
    EXPECT_EQ(icons.icon("Viewer").cacheKey(), viewer.cacheKey());
}

} // namespace
} // namespace quillmere
