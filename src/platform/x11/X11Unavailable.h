#pragma once

#include "platform/EventMonitors.h"
#include "platform/EventTaps.h"
#include "platform/HotKeys.h"
#include "platform/ImageSource.h"
#include "platform/LifetimeGuard.h"
#include "platform/MainQueue.h"
#include "platform/ScreenCapture.h"

namespace quillmere {

// What the X11 desktop does not offer yet: global hot keys, event taps and monitors, screen capture and
// image decoding. Each answers with its interface's own failure, which the system already meets on a Mac
// that refuses it, so nothing pretends to work; the first refusal of each kind is logged.
class X11Unavailable final : public HotKeyRegistrar,
                             public EventTaps,
                             public EventMonitors,
                             public ScreenCapture,
                             public ImageSource {
  public:
    // The status a hot key is refused with.
    static constexpr HotKeyStatus unavailableStatus = -1;

    explicit X11Unavailable(MainQueue& queue) : queue_(queue) {}

    HotKeyHandlerToken installHotKeyHandler(PressedHandler handler) override;
    void removeHotKeyHandler(HotKeyHandlerToken) override {}
    Result<HotKeyRef, HotKeyStatus> registerHotKey(std::uint32_t keyCode, std::uint32_t modifiers,
                                                   HotKeyId id) override;
    void unregisterHotKey(HotKeyRef) override {}

    // Refused, as the Mac refuses an application it does not trust.
    std::unique_ptr<EventTap> createTap(EventTapLocation location, EventTapPlacement placement,
                                        EventTapOptions options, EventMask mask,
                                        EventTapCallback callback) override;
    // Monitors are kept but see no events.
    EventMonitorToken addGlobalMonitor(EventMask mask, std::function<void(const Event&)> handler) override;
    EventMonitorToken addLocalMonitor(EventMask mask, std::function<Event(const Event&)> handler) override;
    void removeMonitor(EventMonitorToken) override {}

    // Never allowed: the answers say the capture failed, on the main queue.
    bool preflightAccess() override { return false; }
    void requestAccess() override;
    void shareableContent(const ShareableContentRequest& request, ContentCompletion completion) override;
    void captureDesktopIndependentWindow(WindowId window, const ScreenshotConfiguration& configuration,
                                         ImageCompletion completion) override;

    std::optional<Image> thumbnail(const std::string& url, std::size_t index,
                                   const ThumbnailOptions& options) override;

  private:
    void refuseOnce(bool& told, const char* what);

    MainQueue& queue_;
    EventMonitorToken nextMonitor_ = 1;
    std::uint64_t nextHandler_ = 1;
    bool toldHotKeys_ = false;
    bool toldTaps_ = false;
    bool toldCapture_ = false;
    bool toldImages_ = false;
    LifetimeGuard lifetime_;
};

} // namespace quillmere
