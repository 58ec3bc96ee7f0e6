#pragma once

#include "core/Command.h"
#include "platform/FileWatching.h"
#include "platform/MainQueue.h"
#include "platform/UserDefaults.h"
#include "platform/sim/SimulatedDesktop.h"
#include "platform/qt/QtLocalKeyMonitors.h"
#include "platform/qt/QtTrash.h"
#include "platform/qt/Symbols.h"
#include "settings/SettingsWindow.h"
#include "shell/MainMenu.h"
#include "shell/StatusItem.h"
#include "stores/ConfigStore.h"
#include "stores/ProfileStore.h"
#include "stores/SessionStore.h"
#include "system/Focus.h"
#include "system/SpaceSwitcher.h"
#include "system/Spaces.h"
#include "system/WindowPreviews.h"
#include "wm/Hotkeys.h"
#include "wm/WindowManager.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace quillmere {

// What the application delegate is built on and what it asks of the process around it.
struct AppDelegateServices {
    MainQueue& queue;
    SimulatedDesktop& desktop;
    FileWatching& watching;
    UserDefaults& defaults;
    std::filesystem::path configDirectory = ConfigStore::defaultDirectory();
    std::filesystem::path sessionFile = SessionStore::defaultFile();
    std::filesystem::path profilesDirectory = ProfileStore::defaultDirectory();
    // The application's own process.
    std::int32_t ownPid = 0;
    // Opens the command channel and hands it every text received; the delegate calls it once, at the end of
    // its start.
    std::function<void(std::function<void(const std::string&)>)> receiveCommands = [](auto) {};
    // Starts what opens the application again once this process has ended; false when it did not start.
    std::function<bool()> relaunch = [] { return false; };
    // Asks the application to end.
    std::function<void()> terminate = [] {};
    // Shows where the user changes the system setting at a System Settings address.
    std::function<void(const std::string&)> openSystemSettings = [](const std::string&) {};
};

// Owns every long-lived part of the application. Built with the window manager (not started), the
// configuration store (defaults, not loaded) and the status item; the launch sequence then waits until the
// system trusts the application with accessibility, polling once a second, and only then starts: the
// first configuration goes to the window manager before it starts, so that start-up admits windows under
// the user's rules; then the hot keys, the Settings window and the command channel. From then on trust is
// watched once a second. Its loss is handled once: tiling pauses (unless the user paused it), the warning
// shows, and once trust is back the application relaunches, since the parts it started cannot recover
// inside this process.
//
// Commands from the command channel and the hot keys meet in one dispatcher: opening Settings and
// switching a setting belong to the shell, everything else goes to the window manager while trust holds.
// Main thread only.
class AppDelegate {
  public:
    // How often trust is read while waiting for it, while it holds and once it was lost.
    static constexpr MainQueue::Duration trustPoll = std::chrono::seconds(1);

    explicit AppDelegate(AppDelegateServices services);
    ~AppDelegate();
    AppDelegate(const AppDelegate&) = delete;
    AppDelegate& operator=(const AppDelegate&) = delete;

    void applicationDidFinishLaunching();
    // Nothing before the start.
    void openSettings();
    // Nothing before the start.
    void openProfiles();
    void statusItemClicked();
    // The guide, the update check and the Spaces overview arrive with their own parts.
    void showWelcome() {}
    void checkForUpdates() {}
    void openSpaces() {}

    WindowManager& manager() { return *manager_; }
    ConfigStore& config() { return config_; }
    const StatusItem& statusItem() const { return statusItem_; }
    // None before the start.
    Hotkeys* hotkeys() { return hotkeys_.get(); }
    SettingsWindow* settingsWindow() { return settingsWindow_.get(); }
    bool started() const { return started_; }
    bool accessibilityLost() const { return accessibilityLost_; }
    const WindowManager::Status& status() const { return status_; }

  private:
    void startWhenTrusted(bool waiting);
    void start();
    bool checkAccessibility();
    void watchAccessibility();
    void relaunchWhenTrusted();
    void poll(void (AppDelegate::*step)());

    void remote(const std::string& text);
    void hotKeyPressed(const Command& command);
    void run(const Command& command);
    void statusChanged(const WindowManager::Status& status);
    void configurationChanged(ConfigStore& store);
    void updateTitle();
    MainMenuActions mainMenuActions();
    std::unique_ptr<SettingsModel> settingsModel();
    SettingsServices settingsServices();
    void showInDock(ActivationPolicy policy);

    AppDelegateServices services_;
    StatusItem statusItem_;
    DrawnSymbolImages symbols_;
    Spaces spaces_;
    SpaceSwitcher switcher_;
    Focus focus_;
    WindowPreviews previews_;
    SessionStore sessions_;
    ProfileStore profiles_;
    std::unique_ptr<WindowManager> manager_;
    ConfigStore config_;
    std::unique_ptr<Hotkeys> hotkeys_;
    // What the settings model records chords with and moves files away with.
    QtLocalKeyMonitors keyMonitors_;
    QtTrash trash_;
    std::unique_ptr<SettingsWindow> settingsWindow_;
    // Stands for the mini map, whose presence tells that the start has run.
    bool started_ = false;
    WindowManager::Status status_;
    // Set once when trust goes after the start; never cleared, as the application relaunches.
    bool accessibilityLost_ = false;
    // The one pending poll of trust: waiting, watching and relaunching follow each other.
    std::optional<TaskToken> poll_;
};

} // namespace quillmere
