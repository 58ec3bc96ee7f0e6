#include "support/TemporaryDirectory.h"
#include "widgets/AppIcons.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <string_view>

namespace quillmere {
namespace {

TEST(AppIcons, TheEntrysIconFileElseTheGenericOneKeptForGood) {
    TemporaryDirectory home;
    QPixmap drawn(48, 48);
    drawn.fill(Qt::red);
    ASSERT_TRUE(drawn.save(QString::fromStdString((home / "viewer.png").string())));
    AppIcons icons([&home](std::string_view name) -> std::optional<std::string> {
        if (name == "Viewer")
            return (home / "viewer.png").string();
        return std::nullopt;
    });

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
