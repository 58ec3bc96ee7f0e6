#include "app/AppDelegate.h"

#include "platform/AtomicWrite.h"
#include "platform/Log.h"
#include "platform/qt/QtOwnWindow.h"

namespace quillmere {
namespace {

constexpr std::string_view appSymbol = "square.grid.2x2";
constexpr std::string_view appDescription = "Quillmere";
constexpr std::string_view warningSymbol = "exclamationmark.triangle";
constexpr std::string_view warningDescription = "Quillmere needs Accessibility permission";

} // namespace

AppDelegate::AppDelegate(AppDelegateServices services)
    : services_(std::move(services)),
      spaces_(services_.desktop.windowServer, services_.desktop.windowList, services_.desktop.displays),
      switcher_(spaces_, services_.desktop.windowServer, services_.desktop.events,
                services_.desktop.preferences, services_.desktop.notifications,
                services_.desktop.applications, services_.queue, services_.desktop.directSpaceSwitching),
      focus_(services_.desktop.windowServer, services_.desktop.accessibility, services_.desktop.applications,
             services_.queue, services_.ownPid),
      previews_(services_.desktop.screenCapture),
      sessions_(services_.desktop.windowServer, services_.sessionFile),
      profiles_(services_.profilesDirectory), launchScripts_(services_.runtimeDirectory),
      manager_(std::make_unique<WindowManager>(WindowManagerServices{.desktop = services_.desktop,
                                                                     .queue = services_.queue,
                                                                     .defaults = services_.defaults,
                                                                     .symbols = symbols_,
                                                                     .spaces = spaces_,
                                                                     .switcher = switcher_,
                                                                     .focus = focus_,
                                                                     .previews = previews_,
                                                                     .sessions = sessions_,
                                                                     .profiles = profiles_,
                                                                     .ownPid = services_.ownPid,
                                                                     .alerts = alerts_,
                                                                     .launchScripts = launchScripts_,
                                                                     .homeFolder = services_.homeFolder})),
      config_(services_.queue, services_.watching, services_.configDirectory),
      wallpaper_(spaces_, services_.desktop.displays, services_.desktop.desktopPictures,
                 services_.desktop.images),
      updater_([this](const std::string& text) { services_.tell(text); }) {}

AppDelegate::~AppDelegate() {
    // The parts outlived by others must no longer call back into the delegate while it goes.
    manager_->onStatusChange = [](const WindowManager::Status&) {};
    manager_->confirmModeMismatch = [](const Profile&, bool) { return false; };
    manager_->onProfileWarning = [](const Profile&, const std::vector<ProfilePlacement>&) {};
    config_.onChange = [](ConfigStore&) {};
}

void AppDelegate::applicationDidFinishLaunching() {
    for (const auto& folder : {services_.configDirectory, services_.profilesDirectory,
                               services_.sessionFile.parent_path()})
        removeStaleTemporaries(folder);
    statusItem_.setSymbol(appSymbol, appDescription);
    statusItem_.onClick = [this] { statusItemClicked(); };
    manager_->onStatusChange = [this](const WindowManager::Status& status) { statusChanged(status); };
    // Gone with the delegate, whose focus it goes through; the presence outlives it.
    services_.dockPresence.setBringForward(lifetime_.guarded([this](QWidget& window) {
        QtOwnWindow own(window);
        focus_.bringForward(own);
    }));
    connectProfileAlerts();
    if (!services_.defaults.boolean(Welcome::seenKey).value_or(false) ||
        !services_.desktop.accessibility.isTrusted())
        welcome().show();
    startWhenTrusted(false);
}

void AppDelegate::openSettings() {
    if (settingsWindow_)
        settingsWindow_->show();
}

Welcome& AppDelegate::welcome() {
    if (!welcome_)
        welcome_ =
            std::make_unique<Welcome>(WelcomeModel::Services{
                                          .accessibility = services_.desktop.accessibility,
                                          .preferences = services_.desktop.preferences,
                                          .spaceCount = [this] { return spaces_.mostDesktops(); },
                                          .openSystemSettings = services_.openSystemSettings,
                                          .settings = [this] { return config_.settings(); },
                                      },
                                      services_.queue, services_.defaults, services_.dockPresence,
                                      [this](const KeyPreset::KeyMap& keys) { saveWelcomeKeys(keys); });
    return *welcome_;
}

void AppDelegate::showWelcome() { welcome().show(); }

void AppDelegate::saveWelcomeKeys(const KeyPreset::KeyMap& keys) {
    // Saving would replace a file the user still has to mend.
    if (config_.error()) {
        log(LogLevel::error, "welcome presets: config.json has an error, not saving");
        return;
    }
    Settings settings = config_.settings();
    settings.keys = keys;
    config_.save(settings);
}

Updates& AppDelegate::updates() {
    if (!updates_)
        updates_ = std::make_unique<Updates>(updater_);
    return *updates_;
}

void AppDelegate::checkForUpdates() { updates().check(); }

void AppDelegate::poll(void (AppDelegate::*step)()) {
    poll_.schedule(trustPoll, [this, step] { (this->*step)(); });
}

void AppDelegate::startWhenTrusted(bool waiting) {
    if (services_.desktop.accessibility.isTrusted()) {
        start();
        return;
    }
    if (!waiting)
        log(LogLevel::default_, "waiting for accessibility permission");
    statusItem_.setSymbol(warningSymbol, warningDescription);
    poll_.schedule(trustPoll, [this] { startWhenTrusted(true); });
}

void AppDelegate::start() {
    log(LogLevel::default_, "accessibility trusted, starting");
    // The configuration goes in before the start, so that the windows found at start-up are admitted
    // under the user's rules rather than the built-in ones.
    config_.onChange = [this](ConfigStore& store) { configurationChanged(store); };
    config_.start();
    manager_->start();
    mouse_ =
        std::make_unique<Mouse>(*manager_, MouseServices{.taps = services_.desktop.eventTaps,
                                                         .monitors = services_.desktop.eventMonitors,
                                                         .accessibility = services_.desktop.accessibility,
                                                         .events = services_.desktop.events,
                                                         .displays = services_.desktop.displays,
                                                         .panels = services_.desktop.panels,
                                                         .queue = services_.queue,
                                                         .spaces = spaces_,
                                                         .focus = focus_});
    // The system switches the tap off when the permission goes.
    mouse_->onDisabled = [this] { checkAccessibility(); };
    watchAccessibility();
    hotkeys_ = std::make_unique<Hotkeys>(services_.desktop.hotKeys,
                                         [this](const Command& command) { hotKeyPressed(command); });
    hotkeys_->paused = status_.paused;
    hotkeys_->rebind(config_.settings());
    miniMap_ = makeMiniMap();
    previews_.setEnabled(config_.settings().showsWindowPreviews());
    focusFilter_.setHandler(
        [&manager = *manager_](const std::string& name) { manager.perform(Command{Command::Load{name}}); });
    settingsWindow_ = std::make_unique<SettingsWindow>(settingsModel(), settingsServices());
    settingsWindow_->menuActions = mainMenuActions();
    settingsWindow_->model().showWelcome = [this] { showWelcome(); };
    settingsWindow_->model().checkForUpdates = [this] { checkForUpdates(); };
    updateTitle();
    services_.receiveCommands([this](const std::string& text) { remote(text); });
}

bool AppDelegate::checkAccessibility() {
    if (!miniMap_ || services_.desktop.accessibility.isTrusted())
        return true;
    if (accessibilityLost_)
        return false;
    log(LogLevel::error, "accessibility was turned off; removing the mouse tap and pausing");
    accessibilityLost_ = true;
    if (mouse_) {
        mouse_->stop();
        mouse_.reset();
    }
    miniMap_->model().setAccessibilityLost(true);
    // A tiling the user paused stays paused.
    if (!manager_->pausedByHand())
        manager_->perform(Command{Command::TogglePause{}});
    updateTitle();
    welcome().show();
    relaunchWhenTrusted();
    return false;
}

void AppDelegate::watchAccessibility() {
    if (checkAccessibility())
        poll(&AppDelegate::watchAccessibility);
}

void AppDelegate::relaunchWhenTrusted() {
    if (!services_.desktop.accessibility.isTrusted()) {
        poll(&AppDelegate::relaunchWhenTrusted);
        return;
    }
    log(LogLevel::default_, "accessibility back on; relaunching");
    if (!services_.relaunch()) {
        // Ending now would leave the user with no application at all.
        log(LogLevel::error, "cannot relaunch: the relaunch could not be started; quit and open Quillmere again");
        return;
    }
    services_.terminate();
}

} // namespace quillmere
