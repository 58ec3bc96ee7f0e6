#pragma once

#include "settings/PaneView.h"
#include "settings/SettingsServices.h"
#include "settings/model/InstalledApps.h"
#include "settings/model/SettingsModel.h"
#include "shell/MainMenu.h"
#include "widgets/AppIcons.h"

#include <QAction>
#include <QStackedWidget>
#include <QToolBar>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>

namespace quillmere {

// The Settings window, a fixed-size window with one toolbar tab per pane over the panes themselves, and the
// separate, resizable Profiles window, both over one model and built the first time they are shown; closing
// one only hides it. Each refreshes the model whenever it becomes the active window, and both carry the
// application's menus with Edit › Undo and Redo on the model's one undo stack. A chord recording stops when
// either window closes, the pane changes or the application loses the focus, as it holds back the hot keys
// and every key typed into the window. Main thread only.
class SettingsWindow {
  public:
    SettingsWindow(std::unique_ptr<SettingsModel> model, SettingsServices services);
    ~SettingsWindow();
    SettingsWindow(const SettingsWindow&) = delete;
    SettingsWindow& operator=(const SettingsWindow&) = delete;

    SettingsModel& model() { return *model_; }

    // The application's menus, which each window carries; set before a window is first shown.
    MainMenuActions menuActions;

    // Refreshes the model and opens the window in front: on the named pane, else on the pane shown while it
    // is open, else on the one it chooses (Permissions while a check needs attention, else the last pane).
    void show(const std::optional<std::string>& pane = std::nullopt);
    void showProfiles();

    // None until first shown.
    QWidget* settingsWindow() { return window_.get(); }
    QWidget* profilesWindow() { return profiles_.get(); }
    // The tab of the pane, by tag; none until the window is built.
    QAction* tab(std::string_view tag);
    PaneView* pane(std::string_view tag);

  private:
    class Activity;

    void build();
    void select(const std::string& tag);
    void selected(const std::string& tag);
    void showPane(std::size_t index);
    void updateChecksPane();
    void reloadPanes();
    SettingsPaneContent* content(std::string_view tag);
    MainMenuActions windowMenuActions();
    void restoreProfilesFrame();
    void saveProfilesFrame();

    const std::unique_ptr<SettingsModel> model_;
    SettingsServices services_;
    // Scanned on first use; the Profiles window shares them.
    InstalledApps apps_;
    AppIcons icons_;
    std::unique_ptr<QWidget> window_;
    std::unique_ptr<QWidget> profiles_;
    QToolBar* toolbar_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    std::array<QAction*, 6> tabs_{};
    std::array<PaneView*, 6> panes_{};
    std::unique_ptr<Activity> activity_;
};

} // namespace quillmere
