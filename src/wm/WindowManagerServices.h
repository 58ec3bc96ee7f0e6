#pragma once

#include "platform/Alerts.h"
#include "platform/Desktop.h"
#include "platform/LaunchScripts.h"
#include "platform/MainQueue.h"
#include "platform/SymbolImages.h"
#include "platform/UserDefaults.h"
#include "stores/ProfileStore.h"
#include "stores/SessionStore.h"
#include "system/Focus.h"
#include "system/SpaceSwitcher.h"
#include "system/Spaces.h"
#include "system/WindowPreviews.h"

#include <cstdint>
#include <filesystem>

namespace quillmere {

// Everything the window manager works through: the platform, the window-system objects it shares with the
// rest of the application, and the stores. All must outlive the manager.
struct WindowManagerServices {
    Desktop desktop;
    MainQueue& queue;
    UserDefaults& defaults;
    SymbolImages& symbols;

    Spaces& spaces;
    SpaceSwitcher& switcher;
    Focus& focus;
    WindowPreviews& previews;

    const SessionStore& sessions;
    const ProfileStore& profiles;

    // The application's own process, whose windows are never managed.
    std::int32_t ownPid = 0;

    // ---- Profiles ----
    Alerts& alerts;
    LaunchScripts& launchScripts;
    // Where paths of profiles that begin with "~" lead.
    std::filesystem::path homeFolder;
};

} // namespace quillmere
