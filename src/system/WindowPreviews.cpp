#include "system/WindowPreviews.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quillmere {

namespace {

bool sameImages(const WindowPreviews::Images& a, const WindowPreviews::Images& b) {
    return std::ranges::equal(a, b, [](const auto& x, const auto& y) {
        return x.first == y.first &&
               (x.second == y.second || (x.second && y.second && *x.second == *y.second));
    });
}

int pixels(double points) {
    const double third = std::trunc(points / 3);
    return static_cast<int>(std::clamp(third, 1.0, static_cast<double>(std::numeric_limits<int>::max())));
}

} // namespace

WindowPreviews::WindowPreviews(ScreenCapture& capture) : capture_(capture) {}

void WindowPreviews::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (!enabled)
        setImages({});
}

void WindowPreviews::refresh(const std::vector<WindowId>& windows) {
    if (!enabled_ || !capture_.preflightAccess() || windows.empty())
        return;
    const std::set<WindowId> wanted(windows.begin(), windows.end());
    capture_.shareableContent(
        {.excludeDesktopWindows = true, .onScreenWindowsOnly = true},
        lifetime_.guarded([this, wanted](Result<std::vector<ShareableWindow>, CaptureError> content) {
            if (!content)
                return;
            auto requested = std::make_shared<std::vector<ShareableWindow>>();
            std::ranges::copy_if(
                content.value(), std::back_inserter(*requested),
                [&](const ShareableWindow& window) { return wanted.contains(window.windowID); });
            captureFrom(std::move(requested), 0);
        }));
}

// One window at a time, each awaited before the next.
void WindowPreviews::captureFrom(std::shared_ptr<const std::vector<ShareableWindow>> windows,
                                 std::size_t next) {
    for (; next < windows->size() && enabled_; ++next) {
        const ShareableWindow& window = (*windows)[next];
        const auto configuration = screenshotConfiguration(window.frame);
        if (!configuration)
            continue;
        capture_.captureDesktopIndependentWindow(
            window.windowID, *configuration,
            lifetime_.guarded([this, windows, next](Result<Image, CaptureError> picture) {
                // Previews switched off while the capture ran must stay empty.
                if (picture && enabled_) {
                    Images images = images_;
                    images.insert_or_assign((*windows)[next].windowID,
                                            std::make_shared<const Image>(std::move(picture).value()));
                    setImages(std::move(images));
                }
                captureFrom(windows, next + 1);
            }));
        return;
    }
}

void WindowPreviews::keep(const std::set<WindowId>& only) {
    Images kept;
    for (const auto& [window, image] : images_)
        if (only.contains(window))
            kept.emplace(window, image);
    setImages(std::move(kept));
}

WindowPreviews::ObserverId WindowPreviews::observe(Observer observer) {
    const ObserverId id = nextObserver_++;
    observers_.emplace(id, std::move(observer));
    return id;
}

void WindowPreviews::stopObserving(ObserverId id) {
    observers_.erase(id);
}

std::optional<ScreenshotConfiguration> WindowPreviews::screenshotConfiguration(const Rect& frame) {
    if (!(frame.width() > 0 && frame.height() > 0))
        return std::nullopt;
    return ScreenshotConfiguration{.width = pixels(frame.width()),
                                   .height = pixels(frame.height()),
                                   .showsCursor = false,
                                   .ignoreShadowsSingleWindow = true};
}

void WindowPreviews::setImages(Images images) {
    if (sameImages(images_, images))
        return;
    images_ = std::move(images);
    // A copy: an observer may stop observing while it is told.
    const auto observers = observers_;
    for (const auto& [id, observer] : observers)
        observer(images_);
}

} // namespace quillmere
