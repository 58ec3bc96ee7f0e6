#pragma once

#include "platform/Image.h"

#include <cstddef>
#include <optional>
#include <string>

namespace quillmere {

struct ThumbnailOptions {
    // Decode the full image rather than use a thumbnail stored in the file.
    bool createThumbnailFromImageAlways = false;
    // The longest side in pixels; none keeps the image's own size.
    std::optional<int> maxPixelSize;
    // Turn the picture as the file's orientation says.
    bool createThumbnailWithTransform = false;
};

// Decoding of image files.
class ImageSource {
  public:
    virtual ~ImageSource() = default;

    // A thumbnail of the image at the index of the file; none when the file cannot be read as an image
    // or the thumbnail cannot be made. Never larger than the image.
    virtual std::optional<Image> thumbnail(const std::string& url, std::size_t index,
                                           const ThumbnailOptions& options) = 0;
};

} // namespace quillmere
