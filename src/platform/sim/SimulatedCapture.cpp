#include "platform/sim/SimulatedDesktop.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <stdexcept>

namespace quillmere {

namespace {

// A picture of one colour, told apart by its seed.
Image generatedImage(int width, int height, std::size_t seed) {
    Image image{width, height, {}};
    image.rgba.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    const std::uint8_t red = static_cast<std::uint8_t>(seed * 37);
    const std::uint8_t green = static_cast<std::uint8_t>(seed * 91 >> 8);
    const std::uint8_t blue = static_cast<std::uint8_t>(seed * 53 >> 16);
    for (int pixel = 0; pixel < width * height; ++pixel)
        image.rgba.insert(image.rgba.end(), {red, green, blue, 255});
    return image;
}

} // namespace

void SimulatedDesktop::shareableContent(const ShareableContentRequest& request,
                                        ContentCompletion completion) {
    ++shareableContentRequests_;
    Result<std::vector<ShareableWindow>, CaptureError> answer = CaptureError::failed;
    if (!captureAccess_) {
        answer = CaptureError::userDeclined;
    } else if (!shareableContentFails_) {
        std::vector<ShareableWindow> windows;
        for (WindowId number : stacking_) {
            const sim::Window& listed = windows_.at(number);
            const bool onScreen = isShown(listed);
            // Desktop windows sit below the normal level.
            if ((request.onScreenWindowsOnly && !onScreen) ||
                (request.excludeDesktopWindows && listed.layer < 0))
                continue;
            windows.push_back({number, listed.pid, listed.title, listed.frame, onScreen});
        }
        answer = std::move(windows);
    }
    queue_.after(captureDelay_,
                 lifetime_.guarded([answer = std::move(answer), completion = std::move(completion)] {
                     completion(answer);
                 }));
}

void SimulatedDesktop::captureDesktopIndependentWindow(WindowId number,
                                                       const ScreenshotConfiguration& configuration,
                                                       ImageCompletion completion) {
    captureRequests_.push_back({number, configuration});
    Result<Image, CaptureError> answer = CaptureError::failed;
    if (!captureAccess_)
        answer = CaptureError::userDeclined;
    else if (window(number) && !failingCaptures_.contains(number) && configuration.width > 0 &&
             configuration.height > 0)
        answer = generatedImage(configuration.width, configuration.height, number);
    queue_.after(captureDelay_,
                 lifetime_.guarded([answer = std::move(answer), completion = std::move(completion)] {
                     completion(answer);
                 }));
}

void SimulatedDesktop::addPictureFile(const std::string& url, sim::PictureFile file) {
    if (!(file.pixels.width >= 1 && file.pixels.height >= 1))
        throw std::invalid_argument("a picture needs at least one pixel");
    pictureFiles_.insert_or_assign(url, file);
}

void SimulatedDesktop::setDesktopPicture(DisplayId number, const std::string& url) {
    desktopPictures_.insert_or_assign(displayOrThrow(number).number, url);
}

std::optional<std::string> SimulatedDesktop::desktopImageURL(const Screen& screen) {
    if (!screen.number)
        return std::nullopt;
    const auto found = desktopPictures_.find(*screen.number);
    return found == desktopPictures_.end() ? std::nullopt : std::optional(found->second);
}

// Picture files hold no thumbnail of their own, so one is made only from the full image.
std::optional<Image> SimulatedDesktop::thumbnail(const std::string& url, std::size_t index,
                                                 const ThumbnailOptions& options) {
    const auto found = pictureFiles_.find(url);
    if (found == pictureFiles_.end() || index != 0 || !options.createThumbnailFromImageAlways)
        return std::nullopt;
    ++pictureDecodes_;
    Size pixels = found->second.pixels;
    if (found->second.quarterTurned && options.createThumbnailWithTransform)
        pixels = {pixels.height, pixels.width};
    const double longest = std::max(pixels.width, pixels.height);
    const double scale = options.maxPixelSize ? std::min(1.0, *options.maxPixelSize / longest) : 1.0;
    const auto side = [scale](double length) {
        return std::max(1, static_cast<int>(std::round(length * scale)));
    };
    return generatedImage(side(pixels.width), side(pixels.height), std::hash<std::string>{}(url));
}

} // namespace quillmere
