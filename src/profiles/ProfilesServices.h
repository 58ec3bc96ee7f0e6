#pragma once

#include "core/Desktops.h"
#include "core/Profile.h"
#include "platform/Displays.h"
#include "platform/Image.h"
#include "platform/RunningApplications.h"
#include "platform/SymbolImages.h"
#include "settings/model/InstalledApps.h"
#include "system/WindowPreviews.h"
#include "widgets/AppIcons.h"
#include "widgets/FileReveal.h"

#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// One display of the display picker's strip.
struct DisplayStripItem {
    // The display's signature.
    std::string id;
    std::string name;
    // As recorded, in global points.
    Rect frame;
};

// Makes the menu bar's arrangement strip for the display picker: the displays drawn as they are arranged, the
// selected one marked, a click handing its id to `select`.
using DisplayStrip = std::function<QWidget*(const std::vector<DisplayStripItem>& items,
                                            const std::optional<std::string>& selected, double height,
                                            std::function<void(const std::string&)> select)>;

// What the Profiles window asks of the system beyond the settings model; all of it outlives the window.
struct ProfilesServices {
    InstalledApps& apps;
    AppIcons& icons;
    // The screens, for drawing a display the profile did not record.
    Displays& displays;
    // Which profile icons can be drawn.
    const SymbolImages& symbols;
    // The folder of the profile files.
    std::filesystem::path folder;
    // Opens a file or folder in the user's default application for it.
    std::function<void(const std::filesystem::path&)> open = openFile;
    // None: the picker shows the recorded displays as segments.
    DisplayStrip displayStrip;
    // The pictures of the windows open now, for the tiles of the Space designer; none draws icons only.
    WindowPreviews* previews = nullptr;
    // A display's desktop picture by signature; none when there is none.
    std::function<std::shared_ptr<const Image>(const std::optional<std::string>&)> wallpaper =
        [](const std::optional<std::string>&) { return nullptr; };
    // The displays and their Spaces now.
    std::function<Desktops()> desktops = [] { return Desktops({}); };
    // The running applications that applying the profile now would hide or quit.
    std::function<std::vector<RunningApplication>(const Profile&)> unlistedApps = [](const Profile&) {
        return std::vector<RunningApplication>{};
    };
};

} // namespace quillmere
