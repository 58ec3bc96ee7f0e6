#pragma once

#include "platform/Accessibility.h"
#include "platform/LifetimeGuard.h"
#include "platform/WindowList.h"
#include "platform/x11/X11Connection.h"
#include "platform/x11/X11WindowHints.h"

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quillmere {

// The windows the user's window manager manages, answered as the accessibility interface and the window
// list. An application element stands for a process id, a window element for the client window itself
// (never the window manager's frame). Position and size are the outer frame, decorations included.
//
// Writes are messages to the window manager (_NET_MOVERESIZE_WINDOW, WM_CHANGE_STATE, _NET_ACTIVE_WINDOW,
// _NET_CLOSE_WINDOW, _NET_WM_STATE) that nothing waits for: what took is read back, and told by the
// notifications that follow. A window that vanished answers invalidUIElement. Notifications come from the
// server's events, on the main queue: windows entering and leaving _NET_CLIENT_LIST, ConfigureNotify,
// WM_STATE and _NET_WM_STATE, _NET_ACTIVE_WINDOW and title changes.
class X11Windows final : public Accessibility, public WindowList {
  public:
    explicit X11Windows(X11Connection& connection);
    ~X11Windows() override;
    X11Windows(const X11Windows&) = delete;
    X11Windows& operator=(const X11Windows&) = delete;

    bool isTrusted() const override { return true; }
    AXElement systemWideElement() override;
    AXElement applicationElement(std::int32_t pid) override;
    AXError setMessagingTimeout(AXElement element, double seconds) override;
    AXResult<AXAttributeValue> attribute(AXElement element, std::string_view name) override;
    AXResult<bool> isSettable(AXElement element, std::string_view name) override;
    AXError setAttribute(AXElement element, std::string_view name, const AXAttributeValue& value) override;
    AXError perform(AXElement element, std::string_view action) override;
    AXResult<WindowId> windowNumber(AXElement element) override;
    AXResult<std::unique_ptr<AXObserver>> observer(std::int32_t pid, Callback callback) override;

    std::vector<WindowDescription> onScreenWindows() override;
    std::vector<WindowDescription> allWindows() override;
    std::vector<WindowDescription> describe(const std::vector<WindowId>& windows) override;
    int windowLevel(WindowLevelKey key) override;

    // The element of a client window.
    static AXElement windowElement(XWindow window) { return AXElement(window); }

  private:
    class Observer;
    struct Registration {
        std::int32_t pid = 0;
        Callback callback;
        std::set<std::pair<std::uint64_t, std::string>, std::less<>> notifications;
    };
    // What is remembered of a managed window, to tell what changed.
    struct Known {
        std::int32_t pid = 0;
        std::optional<Rect> frame;
        bool minimized = false;
    };

    AXResult<AXAttributeValue> applicationAttribute(std::int32_t pid, std::string_view name);
    AXResult<AXAttributeValue> windowAttribute(XWindow window, std::string_view name);
    AXError writeWindow(XWindow window, std::string_view name, const AXAttributeValue& value);
    AXResult<Rect> frame(XWindow window);
    std::vector<std::optional<Rect>> frames(std::span<const XWindow> windows);
    AXResult<FrameExtents> extents(XWindow window);
    AXResult<bool> minimized(XWindow window);
    AXResult<bool> hasState(XWindow window, XAtom state);
    AXResult<SizeHints> sizeHints(XWindow window);
    AXResult<bool> standard(XWindow window);
    AXResult<std::string> title(XWindow window);
    AXResult<bool> closable(XWindow window);
    std::optional<XWindow> activeWindow();
    std::vector<XWindow> clientList(X11Atom list);
    std::int32_t pidOf(XWindow window);
    void moveResize(XWindow window, std::optional<Point> position, std::optional<Size> size);
    void activate(XWindow window);
    std::vector<WindowDescription> descriptions(const std::vector<XWindow>& windows, bool onScreenOnly);

    void handle(const xcb_generic_event_t& event);
    void clientListChanged();
    bool watch(XWindow window);
    void forget(XWindow window);
    void frameMaybeChanged(XWindow window);
    void minimizedMaybeChanged(XWindow window);
    void activeChanged();
    void notify(XWindow window, std::int32_t pid, std::string_view notification);

    X11Connection& connection_;
    X11Connection::ListenerId listener_;
    std::map<XWindow, Known> known_;
    std::optional<XWindow> active_;
    std::map<std::uint64_t, Registration> observers_;
    std::uint64_t nextObserver_ = 1;
    LifetimeGuard lifetime_;
};

} // namespace quillmere
