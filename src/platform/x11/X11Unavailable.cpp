#include "platform/x11/X11Unavailable.h"

#include "platform/Log.h"

namespace quillmere {

void X11Unavailable::refuseOnce(bool& told, const char* what) {
    if (told)
        return;
    told = true;
    log(LogLevel::default_, "%{public}s: not available on the X11 desktop yet", what);
}

HotKeyHandlerToken X11Unavailable::installHotKeyHandler(PressedHandler) {
    return {nextHandler_++};
}

Result<HotKeyRef, HotKeyStatus> X11Unavailable::registerHotKey(std::uint32_t, std::uint32_t, HotKeyId) {
    refuseOnce(toldHotKeys_, "global hot keys");
    return unavailableStatus;
}

std::unique_ptr<EventTap> X11Unavailable::createTap(EventTapLocation, EventTapPlacement, EventTapOptions,
                                                    EventMask, EventTapCallback) {
    refuseOnce(toldTaps_, "event taps");
    return nullptr;
}

EventMonitorToken X11Unavailable::addGlobalMonitor(EventMask, std::function<void(const Event&)>) {
    return nextMonitor_++;
}

EventMonitorToken X11Unavailable::addLocalMonitor(EventMask, std::function<Event(const Event&)>) {
    return nextMonitor_++;
}

void X11Unavailable::requestAccess() {
    refuseOnce(toldCapture_, "screen capture");
}

void X11Unavailable::shareableContent(const ShareableContentRequest&, ContentCompletion completion) {
    refuseOnce(toldCapture_, "screen capture");
    queue_.after(MainQueue::Duration::zero(), lifetime_.guarded([completion = std::move(completion)] {
        completion(CaptureError::failed);
    }));
}

void X11Unavailable::captureDesktopIndependentWindow(WindowId, const ScreenshotConfiguration&,
                                                     ImageCompletion completion) {
    refuseOnce(toldCapture_, "screen capture");
    queue_.after(MainQueue::Duration::zero(), lifetime_.guarded([completion = std::move(completion)] {
        completion(CaptureError::failed);
    }));
}

std::optional<Image> X11Unavailable::thumbnail(const std::string&, std::size_t, const ThumbnailOptions&) {
    refuseOnce(toldImages_, "image decoding");
    return std::nullopt;
}

} // namespace quillmere
