#pragma once

#include "settings/InstalledApps.h"

#include <QPixmap>
#include <map>
#include <string>
#include <string_view>

namespace quillmere {

// Application icons by display name, 32 by 32: the entry's icon by theme or file, else the theme's generic
// application icon, else the application's own generic picture, so never null. Cached by name for good:
// lists redraw without touching the file system, and a name keeps its icon until restart. Main thread only.
class AppIcons {
  public:
    static constexpr int size = 32;

    // The table must outlive the icons.
    explicit AppIcons(InstalledApps& apps) : apps_(apps) {}

    QPixmap icon(std::string_view name);

    // The application's own picture, for when the theme has no generic application icon.
    static QPixmap bundledGenericIcon();

  private:
    InstalledApps& apps_;
    std::map<std::string, QPixmap, std::less<>> cache_;
};

} // namespace quillmere
