#pragma once

#include "core/Settings.h"
#include "stores/ConfigStore.h"
#include "wm/Hotkeys.h"
#include "wm/WindowManager.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// What the Settings and Profiles windows show, mirrored from the configuration store, the hot keys and the
// window manager; refresh() reads them all again. The shell sets the callbacks. Main thread only.
class SettingsModel {
  public:
    // All three must outlive the model.
    SettingsModel(ConfigStore& config, Hotkeys& hotkeys, WindowManager& manager);

    std::function<void()> showWelcome = [] {};
    std::function<void()> checkForUpdates = [] {};
    std::function<void()> showProfiles = [] {};
    // Called at the end of every refresh.
    std::function<void()> didRefresh = [] {};

    void refresh();

    const Settings& settings() const { return settings_; }
    const std::optional<std::string>& configError() const { return configError_; }
    const std::vector<Hotkeys::Registration>& registrations() const { return registrations_; }
    const WindowManager::Status& status() const { return status_; }

  private:
    ConfigStore& config_;
    Hotkeys& hotkeys_;
    WindowManager& manager_;
    Settings settings_ = Settings::default_();
    std::optional<std::string> configError_;
    std::vector<Hotkeys::Registration> registrations_;
    WindowManager::Status status_;
};

} // namespace quillmere
