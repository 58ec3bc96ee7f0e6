#pragma once

#include "platform/Accessibility.h"
#include "platform/AccessibilityDisplay.h"
#include "platform/ActivationPolicySwitch.h"
#include "platform/ApplicationWindows.h"
#include "platform/DesktopPictures.h"
#include "platform/DirectSpaceSwitching.h"
#include "platform/Displays.h"
#include "platform/EventMonitors.h"
#include "platform/EventTaps.h"
#include "platform/Events.h"
#include "platform/HotKeys.h"
#include "platform/ImageSource.h"
#include "platform/InstalledApplications.h"
#include "platform/MouseButtons.h"
#include "platform/Panels.h"
#include "platform/Preferences.h"
#include "platform/RunningApplications.h"
#include "platform/ScreenCapture.h"
#include "platform/WindowList.h"
#include "platform/WindowServer.h"
#include "platform/Workspace.h"
#include "platform/WorkspaceNotifications.h"

namespace quillmere {

// The window system the application runs on, as the interfaces it is used through. One desktop answers
// them all; whoever picks the desktop hands this out, and nothing built on it needs to know which desktop
// it is. Every reference must outlive those given the bundle.
struct Desktop {
    Accessibility& accessibility;
    AccessibilityDisplay& accessibilityDisplay;
    WindowServer& windowServer;
    WindowList& windowList;
    Displays& displays;
    RunningApplications& applications;
    ActivationPolicySwitch& activationPolicy;
    WorkspaceNotificationCenter& notifications;
    Workspace& workspace;
    InstalledApplications& installed;
    Preferences& preferences;
    Events& events;
    EventTaps& eventTaps;
    EventMonitors& eventMonitors;
    MouseButtons& mouseButtons;
    HotKeyRegistrar& hotKeys;
    Panels& panels;
    ApplicationWindows& applicationWindows;
    ScreenCapture& screenCapture;
    DesktopPictures& desktopPictures;
    ImageSource& images;
    // None where a Space is shown the Mac's way, by swipes and the system's shortcuts.
    DirectSpaceSwitching* directSpaceSwitching = nullptr;
};

} // namespace quillmere
