#pragma once

#include "platform/InstalledApplications.h"
#include "platform/RunningApplications.h"
#include "platform/UserDefaults.h"
#include "settings/DockPresence.h"
#include "settings/LoginItem.h"
#include "settings/model/InstalledApps.h"
#include "widgets/AppIcons.h"

#include <QWidget>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace quillmere {

class SettingsModel;

// What the Settings window asks of the system beyond the settings model.
struct SettingsServices {
    UserDefaults& defaults;
    // Where the Rules pane finds the applications the window manager tiles, before the .desktop files.
    InstalledApplications& installed;
    RunningApplications& running;
    // Where the Settings and Profiles windows tell that they are open.
    DockPresence& dockPresence;
    // The configuration file, which the panes open and reveal.
    std::filesystem::path configFile;
    LoginItem loginItem{LoginItem::defaultFile(), "quillmere"};
    // Whether screen recording is allowed; never asks.
    std::function<bool()> screenCaptureAllowed = [] { return false; };
    // Asks the user to allow screen recording.
    std::function<void()> requestScreenCapture = [] {};
    // The width in points of the main display; none without one.
    std::function<std::optional<double>()> mainScreenWidth = [] { return std::nullopt; };
    // Opens a System Settings address.
    std::function<void(const std::string&)> openSystemSettings = [](const std::string&) {};
    // The General pane's sections that the shell owns, each made once; none leaves the section out.
    std::function<QWidget*()> updatesSection;
    std::function<QWidget*()> commandLineSection;
    // The content of the Profiles window, made once over the model and the application tables the Settings
    // window shares; none leaves the window empty.
    std::function<QWidget*(SettingsModel&, InstalledApps&, AppIcons&)> profilesContent;
};

} // namespace quillmere
