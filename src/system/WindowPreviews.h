#pragma once

#include "core/WindowId.h"
#include "platform/Image.h"
#include "platform/LifetimeGuard.h"
#include "platform/ScreenCapture.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>

namespace quillmere {

// Small pictures of other applications' windows, by window id, captured on request while previews are
// enabled and the user allows screen recording. One serves the whole application; main thread only.
class WindowPreviews {
  public:
    using Images = std::map<WindowId, std::shared_ptr<const Image>>;
    using Observer = std::function<void(const Images&)>;
    using ObserverId = std::uint64_t;

    explicit WindowPreviews(ScreenCapture& capture);
    WindowPreviews(const WindowPreviews&) = delete;
    WindowPreviews& operator=(const WindowPreviews&) = delete;

    const Images& images() const { return images_; }
    bool enabled() const { return enabled_; }
    // Turning previews off forgets every picture, also when they were off already; turning them on
    // captures nothing until the next refresh.
    void setEnabled(bool enabled);

    // Starts capturing those of the windows that are on screen and returns at once; each picture is
    // stored as it arrives. Windows not captured keep the picture they had.
    void refresh(const std::vector<WindowId>& windows);
    // Forgets the pictures of every other window.
    void keep(const std::set<WindowId>& only);

    // Told of every change of the pictures, and only of changes.
    ObserverId observe(Observer observer);
    void stopObserving(ObserverId id);

  private:
    // Pixels of the picture of a window of that frame: a third of its points, at least one.
    static std::optional<ScreenshotConfiguration> screenshotConfiguration(const Rect& frame);
    void captureFrom(std::shared_ptr<const std::vector<ShareableWindow>> windows, std::size_t next);
    void setImages(Images images);

    ScreenCapture& capture_;
    Images images_;
    bool enabled_ = false;
    std::map<ObserverId, Observer> observers_;
    ObserverId nextObserver_ = 1;
    // Lets captures that finish late find out that this object is gone.
    LifetimeGuard lifetime_;
};

} // namespace quillmere
