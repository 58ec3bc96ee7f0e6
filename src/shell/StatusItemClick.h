#pragma once

#include "shell/PermissionMenu.h"

#include <QSystemTrayIcon>
#include <functional>

namespace quillmere {

struct StatusItemClick {
    // A click is one more chance to notice a lost permission; its answer does not matter here.
    std::function<void()> checkAccessibility;
    std::function<bool()> started;
    std::function<void()> toggleMiniMap;
    PermissionMenuActions permissionMenu;
};

// Once started a click toggles the mini map; before, it pops up the permission menu for this one click,
// under the item (at the pointer when the tray does not tell where the item is). The item never carries a
// menu of its own, so that every click reaches the application.
void clickStatusItem(const QSystemTrayIcon& item, const StatusItemClick& click);

} // namespace quillmere
