#pragma once

#include "core/Geometry.h"
#include "platform/DesktopPictures.h"
#include "platform/Displays.h"
#include "platform/Image.h"
#include "platform/ImageSource.h"
#include "system/Spaces.h"

#include <map>
#include <memory>
#include <optional>
#include <string>

namespace quillmere {

// Small copies of the displays' desktop pictures, decoded once per picture file and kept for the life of
// the process: one Wallpaper serves the whole application. Main thread only.
class Wallpaper {
  public:
    static constexpr int thumbnailMaxPixelSize = 640;

    Wallpaper(Spaces& spaces, Displays& displays, DesktopPictures& pictures, ImageSource& images);

    // For a display identifier or signature, or for the first screen; none when no screen matches, the
    // screen shows no picture file or the file does not decode. Displays that show the same file share
    // one thumbnail.
    std::shared_ptr<const Image> image(const std::optional<std::string>& id);

  private:
    Spaces& spaces_;
    Displays& displays_;
    DesktopPictures& pictures_;
    ImageSource& images_;
    // By picture URL; a picture replaced under the same URL keeps its first thumbnail.
    std::map<std::string, std::shared_ptr<const Image>> thumbnails_;
};

// Paints a desktop thumbnail into a rounded area, or the system's quaternary fill without one.
struct WallpaperFill {
    std::shared_ptr<const Image> image;
    double cornerRadius = 0;

    // Where the image is drawn so that it fills the area with its aspect ratio kept, centred; the rounded
    // area clips what overflows. None without an image.
    std::optional<Rect> imageRect(const Rect& area) const;
};

} // namespace quillmere
