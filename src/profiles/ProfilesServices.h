#pragma once

#include "platform/Displays.h"
#include "platform/SymbolImages.h"
#include "settings/AppIcons.h"
#include "settings/FileReveal.h"
#include "settings/InstalledApps.h"

#include <QWidget>
#include <filesystem>
#include <functional>
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
};

} // namespace quillmere
