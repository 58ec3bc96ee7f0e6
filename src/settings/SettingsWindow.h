#pragma once

#include "settings/SettingsModel.h"
#include "shell/MainMenu.h"

#include <QWidget>
#include <memory>

namespace quillmere {

// The Settings window and the separate Profiles window over one model, each built the first time it is
// shown and kept, hidden, when the user closes it. For now each is a plain window under its title.
class SettingsWindow {
  public:
    explicit SettingsWindow(std::unique_ptr<SettingsModel> model);

    SettingsModel& model() { return *model_; }

    // The application's menus, which each window carries.
    MainMenuActions menuActions;

    // Refreshes the model; a window already open is only brought forward, a hidden one is centred first.
    void show();
    void showProfiles();

    // None until first shown.
    QWidget* settingsWindow() { return settings_.get(); }
    QWidget* profilesWindow() { return profiles_.get(); }

  private:
    const std::unique_ptr<SettingsModel> model_;
    std::unique_ptr<QWidget> settings_;
    std::unique_ptr<QWidget> profiles_;
};

} // namespace quillmere
