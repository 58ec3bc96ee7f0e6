#pragma once

#include "core/MenuBarSettings.h"
#include "wm/WindowManagerStatus.h"

#include <vector>

namespace quillmere {

// A busy status: Space 2 of three on the active display, a second display, a profile, stacked windows.
inline WindowManagerStatus busyStatus() {
    WindowManagerStatus status;
    status.space = 2;
    status.label = "Code";
    status.stacked = 1;
    status.windowCount = 3;
    status.displays = {{2, true}, {1, false}};
    status.order = {StepSlot::desktop(true), StepSlot::desktop(true), StepSlot::desktop(false),
                    StepSlot::fullScreen()};
    status.profile = "work";
    status.profileIcon = "rectangle.stack";
    return status;
}

inline MenuBarSettings showingMost(MenuBarSettings::IndexStyle style) {
    using Item = MenuBarSettings::Item;
    MenuBarSettings settings;
    for (Item item : {Item::logo, Item::index, Item::layout, Item::windowCount, Item::stacked, Item::name,
                      Item::profileIcon, Item::profileName})
        settings.items.push_back({item, true});
    settings.indexStyle = style;
    return settings;
}

} // namespace quillmere
