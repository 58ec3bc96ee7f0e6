#pragma once

#include "core/Geometry.h"
#include "core/Result.h"
#include "core/WindowId.h"
#include "platform/Image.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// A window that the screen-capture service can take pictures of.
struct ShareableWindow {
    WindowId windowID = 0;
    std::int32_t ownerPid = 0;
    std::optional<std::string> title;
    // Global points, origin top left.
    Rect frame;
    bool isOnScreen = false;
    friend bool operator==(const ShareableWindow&, const ShareableWindow&) = default;
};

struct ShareableContentRequest {
    bool excludeDesktopWindows = false;
    bool onScreenWindowsOnly = false;
};

struct ScreenshotConfiguration {
    // Pixels.
    int width = 0;
    int height = 0;
    bool showsCursor = true;
    bool ignoreShadowsSingleWindow = false;
    friend bool operator==(const ScreenshotConfiguration&, const ScreenshotConfiguration&) = default;
};

enum class CaptureError {
    // The user has not allowed this application to record the screen.
    userDeclined,
    failed,
};

// The screen-capture service. Its answers arrive on the main queue, never inside the call that asked.
class ScreenCapture {
  public:
    using ContentCompletion = std::function<void(Result<std::vector<ShareableWindow>, CaptureError>)>;
    using ImageCompletion = std::function<void(Result<Image, CaptureError>)>;

    virtual ~ScreenCapture() = default;

    // Whether the user has allowed screen recording; never asks.
    virtual bool preflightAccess() = 0;
    // Asks the user to allow screen recording; the answer comes later, through the system's settings.
    virtual void requestAccess() = 0;
    // The windows that can be captured, in the service's own order.
    virtual void shareableContent(const ShareableContentRequest& request, ContentCompletion completion) = 0;
    // A picture of the one window alone, whatever covers it and wherever it is.
    virtual void captureDesktopIndependentWindow(WindowId window,
                                                 const ScreenshotConfiguration& configuration,
                                                 ImageCompletion completion) = 0;
};

} // namespace quillmere
