#include "system/Wallpaper.h"

#include <algorithm>

namespace quillmere {

Wallpaper::Wallpaper(Spaces& spaces, Displays& displays, DesktopPictures& pictures, ImageSource& images)
    : spaces_(spaces), displays_(displays), pictures_(pictures), images_(images) {}

std::shared_ptr<const Image> Wallpaper::image(const std::optional<std::string>& id) {
    std::optional<Screen> screen;
    if (id) {
        screen = spaces_.screenMatching(*id);
    } else if (const auto screens = displays_.screens(); !screens.empty()) {
        screen = screens.front();
    }
    if (!screen)
        return nullptr;
    const auto url = pictures_.desktopImageURL(*screen);
    if (!url)
        return nullptr;
    if (const auto cached = thumbnails_.find(*url); cached != thumbnails_.end())
        return cached->second;
    auto decoded = images_.thumbnail(*url, 0,
                                     {.createThumbnailFromImageAlways = true,
                                      .maxPixelSize = thumbnailMaxPixelSize,
                                      .createThumbnailWithTransform = true});
    if (!decoded)
        return nullptr;
    auto thumbnail = std::make_shared<const Image>(std::move(*decoded));
    thumbnails_.emplace(*url, thumbnail);
    return thumbnail;
}

std::optional<Rect> WallpaperFill::imageRect(const Rect& area) const {
    if (!image || image->width <= 0 || image->height <= 0)
        return std::nullopt;
    const double scale = std::max(area.width() / image->width, area.height() / image->height);
    const double width = image->width * scale;
    const double height = image->height * scale;
    return Rect(area.midX() - width / 2, area.midY() - height / 2, width, height);
}

} // namespace quillmere
