#pragma once

#include "platform/ActivationPolicySwitch.h"
#include "platform/InstalledApplications.h"
#include "platform/LifetimeGuard.h"
#include "platform/QueuedNotificationCenter.h"
#include "platform/RunningApplications.h"
#include "platform/Workspace.h"
#include "platform/x11/ApplicationChanges.h"
#include "platform/x11/ApplicationIdentity.h"
#include "platform/x11/DesktopEntries.h"
#include "platform/x11/X11Connection.h"

#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace quillmere {

// The applications of an X11 session: every process that owns at least one window the window manager
// manages (_NET_CLIENT_LIST), found by the window's _NET_WM_PID, else by the X-Resource extension. They are
// named after their desktop entry (see ApplicationIdentity), launched through it, hidden by minimizing their
// windows and asked to quit by closing each of their windows, so that they may ask about unsaved work; no
// process is ever killed.
//
// Launches, terminations, activations, hides and unhides are posted on the notification center after the
// X server told of them, once per turn of the main queue. This process itself is listed as an accessory
// application, so its own windows are never tiled.
class X11Applications final : public RunningApplications,
                              public Workspace,
                              public InstalledApplications,
                              public ActivationPolicySwitch {
  public:
    X11Applications(X11Connection& connection, QueuedNotificationCenter& notifications, std::int32_t ownPid);
    ~X11Applications() override;
    X11Applications(const X11Applications&) = delete;
    X11Applications& operator=(const X11Applications&) = delete;

    // Running applications.
    std::vector<RunningApplication> runningApplications() override;
    std::optional<RunningApplication> application(std::int32_t pid) override;
    std::optional<RunningApplication> frontmostApplication() override;
    // Asks the window manager to activate the application's topmost window that is not minimized (else its
    // topmost one), as a pager does.
    bool activate(std::int32_t pid) override;

    // Workspace. A location is the path of a desktop entry.
    std::optional<std::string> urlForApplication(std::string_view bundleIdentifier) override;
    void openApplication(const std::string& at, const OpenConfiguration& configuration) override;
    void open(const std::vector<std::string>& urls, const std::string& withApplicationAt,
              const OpenConfiguration& configuration) override;
    void hideApplication(std::int32_t pid) override;
    bool terminateApplication(std::int32_t pid) override;

    // The entries the desktop shows in its menus.
    std::vector<InstalledApplication> installedApplications() override;

    // X11 has neither Dock nor menu bar to switch: an application's windows show in the window manager's
    // task list whatever its policy, so there is nothing to do.
    void setActivationPolicy(std::int32_t pid, ActivationPolicy policy) override;

  private:
    // One managed window and what tells whose it is.
    struct ClientWindow {
        XWindow window = 0;
        std::int32_t pid = 0;
        std::optional<WindowClass> windowClass;
        bool minimized = false;
        // A normal window, not a dialog, dock or other helper window.
        bool normal = false;
    };
    // What stays true of a process while it runs.
    struct Known {
        ApplicationIdentity identity;
        // The desktop entry's location; none without an entry.
        std::optional<std::string> location;
        std::optional<std::chrono::system_clock::time_point> launchDate;
    };

    // Bottom to top; none when the window manager's list cannot be read.
    std::optional<std::vector<ClientWindow>> clientWindows();
    std::optional<std::int32_t> pidOf(XWindow window, const X11Result<X11Property>& wmPid);
    bool isNormal(const X11Property& types, const X11Property& transientFor) const;
    std::optional<std::int32_t> activeWindowOwner(const std::vector<ClientWindow>& windows);
    std::optional<ApplicationsSnapshot> snapshot();
    const Known& known(const ClientWindow& window);
    std::vector<XWindow> windowsOf(std::int32_t pid);
    std::optional<std::int32_t> runningAt(const std::string& location);

    void eventArrived(const xcb_generic_event_t& event);
    void refreshSoon();
    void refresh();

    X11Connection& connection_;
    QueuedNotificationCenter& notifications_;
    const std::int32_t ownPid_;
    DesktopEntries entries_;
    std::map<std::int32_t, Known> known_;
    ApplicationsSnapshot told_;
    std::set<XWindow> watched_;
    bool refreshQueued_ = false;
    X11Connection::ListenerId listener_ = 0;
    LifetimeGuard lifetime_;
};

} // namespace quillmere
