#include "platform/ManualMainQueue.h"
#include "platform/sim/SimulatedDesktop.h"
#include "support/Printers.h"
#include "system/Spaces.h"
#include "system/Wallpaper.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

class WallpaperTest : public testing::Test {
  protected:
    ManualMainQueue queue;
    SimulatedDesktop desktop{queue};
    Spaces spaces{desktop, desktop, desktop};
    Wallpaper wallpaper{spaces, desktop, desktop, desktop};
    const DisplayId left = desktop.addDisplay({.name = "Built-in", .bounds = {0, 0, 1440, 900}});
    const DisplayId right = desktop.addDisplay(
        {.name = "Studio", .bounds = {1440, 0, 2560, 1440}, .vendor = 1552, .model = 44, .serial = 777});
};

TEST_F(WallpaperTest, DisplaysWithTheSamePictureShareOneThumbnailDecodedOnce) {
    desktop.addPictureFile("file:///Pictures/Dunes.heic", {{6016, 6016}});
    desktop.setDesktopPicture(left, "file:///Pictures/Dunes.heic");
    desktop.setDesktopPicture(right, "file:///Pictures/Dunes.heic");

    const auto first = wallpaper.image(*desktop.uuid(left));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(wallpaper.image("1552-44-777"), first);
    EXPECT_EQ(wallpaper.image(std::nullopt), first);
    EXPECT_EQ(desktop.pictureDecodes(), 1);
    EXPECT_EQ(first->width, 640);
    EXPECT_EQ(first->height, 640);
}

struct SizeCase {
    sim::PictureFile file;
    int width;
    int height;
};

class ThumbnailSizeTest : public WallpaperTest, public testing::WithParamInterface<SizeCase> {};

TEST_P(ThumbnailSizeTest, TheLongerSideIsAtMost640AndTheOrientationIsApplied) {
    desktop.addPictureFile("file:///picture", GetParam().file);
    desktop.setDesktopPicture(left, "file:///picture");
    const auto image = wallpaper.image(std::nullopt);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->width, GetParam().width);
    EXPECT_EQ(image->height, GetParam().height);
    EXPECT_EQ(image->rgba.size(), static_cast<std::size_t>(image->width * image->height * 4));
}

INSTANTIATE_TEST_SUITE_P(Cases, ThumbnailSizeTest,
                         testing::Values(SizeCase{{{5120, 2880}}, 640, 360}, SizeCase{{{320, 200}}, 320, 200},
                                         SizeCase{{{4000, 3000}, true}, 480, 640},
                                         SizeCase{{{640, 641}}, 639, 640}));

TEST_F(WallpaperTest, NoScreenNoPictureOrNoDecodableFileGivesNoImage) {
    EXPECT_EQ(wallpaper.image("no such display"), nullptr);
    EXPECT_EQ(wallpaper.image(std::nullopt), nullptr);

    desktop.setDesktopPicture(left, "file:///missing.jpg");
    EXPECT_EQ(wallpaper.image(std::nullopt), nullptr);
    // Nothing was kept for the file that failed: once it can be read, it is.
    desktop.addPictureFile("file:///missing.jpg", {{100, 100}});
    EXPECT_NE(wallpaper.image(std::nullopt), nullptr);
}

TEST_F(WallpaperTest, AChangedPictureGetsItsOwnThumbnailAndAReplacedFileKeepsTheFirst) {
    desktop.addPictureFile("file:///a", {{100, 100}});
    desktop.addPictureFile("file:///b", {{200, 100}});
    desktop.setDesktopPicture(left, "file:///a");
    const auto a = wallpaper.image(std::nullopt);
    desktop.setDesktopPicture(left, "file:///b");
    const auto b = wallpaper.image(std::nullopt);
    EXPECT_NE(a, b);
    desktop.addPictureFile("file:///a", {{300, 300}});
    desktop.setDesktopPicture(left, "file:///a");
    EXPECT_EQ(wallpaper.image(std::nullopt), a);
}

TEST(WallpaperFillTest, FillsTheAreaKeepingTheAspectRatioCentred) {
    const auto wide =
        std::make_shared<const Image>(Image{200, 100, std::vector<std::uint8_t>(200 * 100 * 4)});
    EXPECT_EQ((WallpaperFill{wide, 8}.imageRect({10, 10, 100, 100})), Rect(-40, 10, 200, 100));
    EXPECT_EQ((WallpaperFill{wide, 8}.imageRect({0, 0, 400, 100})), Rect(0, -50, 400, 200));
    EXPECT_EQ((WallpaperFill{nullptr, 8}.imageRect({0, 0, 400, 100})), std::nullopt);
}

} // namespace
} // namespace quillmere
