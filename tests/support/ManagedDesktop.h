#pragma once

#include "platform/CapturingLogSink.h"
#include "platform/ManualMainQueue.h"
#include "platform/linux/RuntimeLaunchScripts.h"
#include "platform/sim/SimulatedDesktop.h"
#include "platform/sim/SimulatedSymbolImages.h"
#include "stores/ProfileStore.h"
#include "stores/SessionStore.h"
#include "support/TemporaryDirectory.h"
#include "support/WindowManagerProbe.h"
#include "system/Focus.h"
#include "system/SpaceSwitcher.h"
#include "system/Spaces.h"
#include "system/WindowPreviews.h"
#include "wm/Mouse.h"
#include "wm/WindowManager.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace quillmere {

// A simulated desktop with a window manager on it and everything the manager is built from, on a clock
// that moves only when the test advances it.
struct ManagedDesktop {
    explicit ManagedDesktop(SimulatedDesktop::SpaceListForm form = SimulatedDesktop::SpaceListForm::perDisplay)
        : desktop(queue, form) {}

    // With `stamped`, the manager keeps its session there instead.
    WindowManagerServices services(const SessionStore* stamped = nullptr) {
        return {.desktop = desktop.bundle(),
                .queue = queue,
                .defaults = desktop,
                .symbols = symbols,
                .spaces = spaces,
                .switcher = switcher,
                .focus = focus,
                .previews = previews,
                .sessions = stamped ? *stamped : sessions,
                .profiles = profiles,
                .ownPid = ownPid,
                .alerts = desktop,
                .launchScripts = launchScripts,
                .homeFolder = folder / "home"};
    }

    // What mouse gestures on this desktop work through.
    MouseServices mouseServices() {
        return {.taps = desktop,
                .monitors = desktop,
                .accessibility = desktop,
                .events = desktop,
                .displays = desktop,
                .panels = desktop,
                .queue = queue,
                .spaces = spaces,
                .focus = focus};
    }

    // Made on first use, so that a test sets the desktop up first, as it is when the application starts.
    WindowManager& manager() {
        if (!made) {
            made = std::make_unique<WindowManager>(services());
            made->onStatusChange = [this](const WindowManager::Status& status) { statuses.push_back(status); };
        }
        return *made;
    }
    WindowManagerProbe probe() { return WindowManagerProbe(manager()); }

    // A regular application named after its bundle identifier's last word.
    std::int32_t launch(const std::string& name) {
        return desktop.launch({.bundleIdentifier = "com.example." + name, .name = name});
    }
    // Starts the manager once what the desktop announced so far has arrived, and lets its start-up settle.
    void start() {
        settle();
        manager().start();
        settle();
    }

    // Lets the queued notifications and work of the next moment run.
    void settle() { queue.advance(std::chrono::milliseconds(0)); }
    void advance(MainQueue::Duration by) { queue.advance(by); }

    bool logged(const std::string& message) const {
        for (const LogEntry& entry : log.entries())
            if (entry.message == message)
                return true;
        return false;
    }

    // The process of the application itself; a test may make it one of the desktop's applications.
    std::int32_t ownPid = 1;
    // What the manager logs, kept for the test to read.
    CapturingLogSink log;
    ManualMainQueue queue;
    SimulatedDesktop desktop;
    SimulatedSymbolImages symbols;
    TemporaryDirectory folder;
    Spaces spaces{desktop, desktop, desktop};
    SpaceSwitcher switcher{spaces, desktop, desktop, desktop, desktop, desktop, queue};
    Focus focus{desktop, desktop, desktop, queue, ownPid};
    WindowPreviews previews{desktop};
    SessionStore sessions{std::int64_t{1}, std::int32_t{SimulatedDesktop::windowServerPid}, folder / "session.json"};
    ProfileStore profiles{folder / "profiles"};
    // Launch scripts go to "quillmere" in this folder.
    TemporaryDirectory runtime;
    RuntimeLaunchScripts launchScripts{runtime.path()};
    std::vector<WindowManager::Status> statuses;
    std::unique_ptr<WindowManager> made;
};

} // namespace quillmere
