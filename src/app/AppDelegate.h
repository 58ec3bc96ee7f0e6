#pragma once

#include "app/Welcome.h"
#include "core/Command.h"
#include "menubar/MiniMap.h"
#include "menubar/SpacesWindow.h"
#include "platform/Desktop.h"
#include "platform/FileWatching.h"
#include "platform/HeldWork.h"
#include "platform/LifetimeGuard.h"
#include "platform/MainQueue.h"
#include "platform/UserDefaults.h"
#include "platform/linux/RuntimeLaunchScripts.h"
#include "platform/qt/QtAlerts.h"
#include "platform/qt/QtLocalKeyMonitors.h"
#include "platform/qt/QtTrash.h"
#include "platform/qt/Symbols.h"
#include "settings/DockPresence.h"
#include "settings/SettingsWindow.h"
#include "shell/FocusFilter.h"
#include "shell/MainMenu.h"
#include "shell/PackageUpdater.h"
#include "shell/StatusItem.h"
#include "stores/ConfigStore.h"
#include "stores/ProfileStore.h"
#include "stores/SessionStore.h"
#include "stores/UserFolders.h"
#include "system/Focus.h"
#include "system/SpaceSwitcher.h"
#include "system/Spaces.h"
#include "system/Wallpaper.h"
#include "system/WindowPreviews.h"
#include "wm/Hotkeys.h"
#include "wm/Mouse.h"
#include "wm/WindowManager.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace quillmere {

// What the application delegate is built on and what it asks of the process around it.
struct AppDelegateServices {
    MainQueue& queue;
    Desktop desktop;
    FileWatching& watching;
    UserDefaults& defaults;
    // Whether the application shows in the task bar, by its open windows; the delegate's windows and
    // the process's own messages share it.
    DockPresence& dockPresence;
    std::filesystem::path configDirectory = ConfigStore::defaultDirectory();
    std::filesystem::path sessionFile = SessionStore::defaultFile();
    std::filesystem::path profilesDirectory = ProfileStore::defaultDirectory();
    // Where profiles' launch scripts go; none writes no script.
    std::optional<std::filesystem::path> runtimeDirectory = RuntimeLaunchScripts::runtimeDirectoryFromEnvironment();
    std::filesystem::path homeFolder = homeDirectory();
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
    // Tells the user something that needs no answer.
    std::function<void(const std::string&)> tell = [](const std::string&) {};
};

// Owns every long-lived part of the application. Built with the window manager (not started), the
// configuration store (defaults, not loaded) and the status item; the launch sequence then waits until the
// system trusts the application with accessibility, polling once a second, and only then starts: the
// first configuration goes to the window manager before it starts, so that start-up admits windows under
// the user's rules; then the hot keys, the mini map, the Settings window and the command channel. From then on trust is
// watched once a second. Its loss is handled once: tiling pauses (unless the user paused it), the warning
// shows, and once trust is back the application relaunches, since the parts it started cannot recover
// inside this process.
//
// Commands from the command channel and the hot keys meet in one dispatcher: opening Settings and
// switching a setting belong to the shell, everything else goes to the window manager while trust holds.
// While an alert is open they wait, and run in order once it has closed and the work that asked is done.
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
    // Opens the first-run guide at the page the trust picks.
    void showWelcome();
    void checkForUpdates();
    // Nothing before the start; made on the first call, shown again on the next.
    void openSpaces();
    // Asks where to save what is on screen, then saves it as a profile.
    void captureLayout();

    WindowManager& manager() { return *manager_; }
    ConfigStore& config() { return config_; }
    const StatusItem& statusItem() const { return statusItem_; }
    // None before the start.
    Hotkeys* hotkeys() { return hotkeys_.get(); }
    // None before the start and once accessibility was lost.
    Mouse* mouse() { return mouse_.get(); }
    SettingsWindow* settingsWindow() { return settingsWindow_.get(); }
    // None until first opened.
    SpacesWindow* spacesWindow() { return spacesWindow_.get(); }
    // None before the start; its presence tells that the start has run.
    MiniMap* miniMap() { return miniMap_.get(); }
    bool started() const { return miniMap_ != nullptr; }
    bool accessibilityLost() const { return accessibilityLost_; }
    const WindowManager::Status& status() const { return status_; }
    // Made on first use.
    Welcome& welcome();
    Updates& updates();
    // Where the system's Focus filter hands the profiles it loads; they go nowhere before the start.
    const FocusFilterRouter& focusFilter() const { return focusFilter_; }

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
    void perform(const Command& command);
    void runHeld();
    // Runs the work on the queue's next turn, unless the delegate has gone by then.
    void later(std::function<void()> work);
    void statusChanged(const WindowManager::Status& status);
    void configurationChanged(ConfigStore& store);
    void updateTitle();
    void connectProfileAlerts();
    MainMenuActions mainMenuActions();
    std::unique_ptr<SettingsModel> settingsModel();
    std::unique_ptr<MiniMap> makeMiniMap();
    SpacesWindowServices spacesWindowServices();
    SettingsServices settingsServices();
    void saveWelcomeKeys(const KeyPreset::KeyMap& keys);

    AppDelegateServices services_;
    StatusItem statusItem_;
    DrawnSymbolImages symbols_;
    Spaces spaces_;
    SpaceSwitcher switcher_;
    Focus focus_;
    WindowPreviews previews_;
    SessionStore sessions_;
    ProfileStore profiles_;
    QtAlerts alerts_;
    RuntimeLaunchScripts launchScripts_;
    std::unique_ptr<WindowManager> manager_;
    ConfigStore config_;
    std::unique_ptr<Hotkeys> hotkeys_;
    // What the settings model records chords with and moves files away with.
    QtLocalKeyMonitors keyMonitors_;
    QtTrash trash_;
    // The mouse gestures, on the simulated desktop's event tap: Linux offers no global one.
    std::unique_ptr<Mouse> mouse_;
    std::unique_ptr<SettingsWindow> settingsWindow_;
    Wallpaper wallpaper_;
    std::unique_ptr<MiniMap> miniMap_;
    std::unique_ptr<SpacesWindow> spacesWindow_;
    PackageUpdater updater_;
    FocusFilterRouter focusFilter_;
    std::unique_ptr<Updates> updates_;
    WindowManager::Status status_;
    std::unique_ptr<Welcome> welcome_;
    // Set once when trust goes after the start; never cleared, as the application relaunches.
    bool accessibilityLost_ = false;
    // Commands that came while an alert was open, in the order they came: an alert runs inside the work
    // that asked, which must finish before anything else acts.
    std::deque<Command> held_;
    // Work queued for later learns through it that the delegate has gone.
    LifetimeGuard lifetime_;
    // The one pending poll of trust: waiting, watching and relaunching follow each other.
    HeldWork poll_{services_.queue};
};

} // namespace quillmere
