#pragma once

#include "platform/DirectSpaceSwitching.h"
#include "platform/WindowServer.h"
#include "platform/x11/X11Connection.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// The window manager's desktops as the window server's Spaces, in the form where one list of Spaces spans
// every display (the display entry named "Main"). Desktop index i is always Space id i + 1. A window's
// Space is its _NET_WM_DESKTOP (0xFFFFFFFF: every Space); moving it and switching are messages to the
// window manager that take effect at once. Processes are named by their pid; a window is made key by
// focusing it without raising (WM_TAKE_FOCUS or SetInputFocus, as the client's ICCCM input model says).
class X11Spaces final : public WindowServer, public DirectSpaceSwitching {
  public:
    explicit X11Spaces(X11Connection& connection);
    ~X11Spaces() override;
    X11Spaces(const X11Spaces&) = delete;
    X11Spaces& operator=(const X11Spaces&) = delete;

    std::optional<std::int32_t> processId() const override;
    ConnectionId mainConnection() override { return connectionId; }
    std::optional<PropertyList> managedDisplaySpaces(ConnectionId connection) override;
    std::optional<std::string> activeMenuBarDisplayIdentifier(ConnectionId connection) override;
    std::optional<PropertyList> spacesForWindows(ConnectionId connection, int mask,
                                                 const std::vector<WindowId>& windows) override;
    bool bridgedMoveIsAvailable() override { return true; }
    bool moveWindowsToManagedSpace(const std::vector<WindowId>& windows, SpaceId space) override;
    Result<ProcessSerialNumber, StatusCode> processForPid(std::int32_t pid) override;
    Result<std::int32_t, StatusCode> pidForProcess(const ProcessSerialNumber& process) override;
    Result<ProcessSerialNumber, StatusCode> frontProcess() override;
    StatusCode setFrontProcess(const ProcessSerialNumber& process, WindowId window,
                               FrontProcessOptions options) override;
    StatusCode postEventRecord(const ProcessSerialNumber& process,
                               std::span<const std::uint8_t, eventRecordSize> record) override;
    // X has no system shortcuts for moving between Spaces: switching is direct.
    Result<SymbolicHotKey, StatusCode> symbolicHotKey(int) override { return StatusCode::failure; }

    bool showSpace(SpaceId space) override;

    // Asks the window manager for one desktop more, or one fewer (the last; never the only one).
    void addDesktop();
    void removeDesktop();

    // Called when the current desktop or the number of desktops changes.
    void onChange(std::function<void()> changed);

    static constexpr ConnectionId connectionId = 1;
    static constexpr std::uint32_t everyDesktop = 0xFFFFFFFF;
    static SpaceId spaceOf(std::uint32_t desktop) { return SpaceId{desktop} + 1; }

  private:
    std::uint32_t desktopCount();
    std::uint32_t currentDesktop();
    std::optional<std::uint32_t> desktopOf(SpaceId space);
    void focusWithoutRaising(XWindow window);
    void handle(const xcb_generic_event_t& event);

    X11Connection& connection_;
    X11Connection::ListenerId listener_;
    std::function<void()> changed_;
};

} // namespace quillmere
