#pragma once

#include "core/Desktops.h"
#include "core/Profile.h"
#include "platform/Image.h"
#include "settings/AppIcons.h"
#include "settings/InstalledApps.h"
#include "settings/SettingsModel.h"
#include "system/WindowPreviews.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// What the editor of one profile reads besides the settings model; all of it outlives the editor.
struct ProfileEditorServices {
    SettingsModel& model;
    InstalledApps& apps;
    AppIcons& icons;
    WindowPreviews& previews;
    // A display's desktop picture by signature; none when there is none.
    std::function<std::shared_ptr<const Image>(const std::optional<std::string>&)> wallpaper =
        [](const std::optional<std::string>&) { return nullptr; };
    // The displays and their Spaces now.
    std::function<Desktops()> desktops = [] { return Desktops({}); };
    // The names of the running applications that applying the profile would hide or quit.
    std::function<std::vector<std::string>(const Profile&)> unlistedApps = [](const Profile&) {
        return std::vector<std::string>{};
    };

    QPixmap icon(const std::string& bundleID) const { return icons.icon(apps.name(bundleID)); }
};

} // namespace quillmere
