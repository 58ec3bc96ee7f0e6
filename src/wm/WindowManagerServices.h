#pragma once

#include "platform/Accessibility.h"
#include "platform/AccessibilityDisplay.h"
#include "platform/Displays.h"
#include "platform/Events.h"
#include "platform/MainQueue.h"
#include "platform/MouseButtons.h"
#include "platform/Panels.h"
#include "platform/RunningApplications.h"
#include "platform/SymbolImages.h"
#include "platform/UserDefaults.h"
#include "platform/WindowList.h"
#include "platform/WindowServer.h"
#include "platform/WorkspaceNotifications.h"
#include "stores/ProfileStore.h"
#include "stores/SessionStore.h"
#include "system/Focus.h"
#include "system/SpaceSwitcher.h"
#include "system/Spaces.h"
#include "system/WindowPreviews.h"

#include <cstdint>

namespace quillmere {

// Everything the window manager works through: the platform, the window-system objects it shares with the
// rest of the application, and the stores. All must outlive the manager.
struct WindowManagerServices {
    Accessibility& accessibility;
    WindowServer& windowServer;
    WindowList& windowList;
    Displays& displays;
    RunningApplications& applications;
    WorkspaceNotificationCenter& notifications;
    Events& events;
    MouseButtons& mouseButtons;
    Panels& panels;
    MainQueue& queue;
    UserDefaults& defaults;
    AccessibilityDisplay& accessibilityDisplay;
    SymbolImages& symbols;

    Spaces& spaces;
    SpaceSwitcher& switcher;
    Focus& focus;
    WindowPreviews& previews;

    const SessionStore& sessions;
    const ProfileStore& profiles;

    // The application's own process, whose windows are never managed.
    std::int32_t ownPid = 0;
};

} // namespace quillmere
