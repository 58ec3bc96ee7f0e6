#pragma once

#include "core/MenuBarSettings.h"
#include "wm/WindowManagerStatus.h"

#include <QSystemTrayIcon>

namespace quillmere {

// Shows the status on the tray icon as the user configured the picture, with a warning while the
// configuration file has an error or the permission is lost. Without a picture the Space number, or a
// middle dot, is drawn instead: a tray icon cannot show text, and the item must never vanish. The tooltip
// reads the status out.
void showStatus(QSystemTrayIcon& item, const WindowManagerStatus& status, const MenuBarSettings& settings,
                bool accessibilityLost, bool configError);

} // namespace quillmere
