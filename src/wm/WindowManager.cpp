#include "wm/WindowManager.h"

#include "core/SettingFields.h"
#include "system/ColorHex.h"

#include <utility>

namespace quillmere {

WindowManager::WindowManager(const WindowManagerServices& services)
    : services_(services), ax_(services.desktop.accessibility), spaces_(services.spaces),
      queue_(services.queue),
      notice_(services.desktop.panels, services.desktop.displays, services.queue),
      preselectOverlay_(services.desktop.panels, services.desktop.displays, services.queue),
      highlight_(services.desktop.accessibility, services.desktop.windowList, services.desktop.displays,
                 services.desktop.panels, services.queue, services.ownPid),
      fullScreen_(services.desktop.accessibility, services.desktop.windowList, services.desktop.events,
                  services.queue, services.switcher.switchGeneration),
      writer_(*this, services.desktop.accessibility, services.desktop.accessibilityDisplay, services.spaces,
              services.queue),
      statusRecheck_(services.queue), displaySettle_(services.queue),
      session_(services.sessions, services.queue, [this] { saveSession(); }),
      lastDisplay_(services.spaces.desktops().fingerprint()), previewCapture_(services.queue),
      outsideMoves_(*this, services.desktop.accessibility, services.desktop.mouseButtons, services.spaces,
                    services.queue, fullScreen_, notice_),
      profiles_(*this, ProfileServices{.accessibility = services.desktop.accessibility,
                                       .applications = services.desktop.applications,
                                       .workspace = services.desktop.workspace,
                                       .spaces = services.spaces,
                                       .switcher = services.switcher,
                                       .fullScreen = fullScreen_,
                                       .queue = services.queue,
                                       .defaults = services.defaults,
                                       .symbols = services.symbols,
                                       .profiles = services.profiles,
                                       .alerts = services.alerts,
                                       .launchScripts = services.launchScripts,
                                       .homeFolder = services.homeFolder,
                                       .ownPid = services.ownPid}) {}

WindowManager::~WindowManager() {
    for (ObserverToken token : subscriptions_)
        services_.desktop.notifications.removeObserver(token);
}

void WindowManager::later(Duration delay, std::function<void()> work) {
    queue_.after(delay, lifetime_.guarded(std::move(work)));
}

void WindowManager::subscribe(std::string_view name, std::function<void()> handler) {
    subscriptions_.push_back(services_.desktop.notifications.addObserver(name, std::move(handler)));
}

void WindowManager::subscribeToApplication(std::string_view name,
                                           std::function<void(const RunningApplication&)> handler) {
    const auto block = [handler = std::move(handler)](const WorkspaceNotification& notification) {
        if (notification.application)
            handler(*notification.application);
    };
    subscriptions_.push_back(services_.desktop.notifications.addObserver(
        name, std::function<void(const WorkspaceNotification&)>(block)));
}

void WindowManager::start() {
    if (gates_.started)
        return;
    gates_.started = true;
    highlight_.setSuspended(gates_.pausedByHand);
    // Refused, messages wait the system's own longer timeout: slower against a hung application, no more.
    (void)ax_.setMessagingTimeout(ax_.systemWideElement(), messagingTimeout);

    profiles_.checkCurrent();

    subscribeToApplication(didLaunchApplicationNotification, [this](const auto& app) { launched(app); });
    subscribeToApplication(didTerminateApplicationNotification,
                           [this](const auto& app) { terminated(app.processIdentifier); });
    subscribe(activeSpaceDidChangeNotification, [this] { spaceChanged(); });
    subscribe(didActivateApplicationNotification, [this] { focusChanged(); });
    subscribeToApplication(didHideApplicationNotification,
                           [this](const auto& app) { hidden(app.processIdentifier); });
    subscribeToApplication(didUnhideApplicationNotification,
                           [this](const auto& app) { unhidden(app.processIdentifier); });
    subscribe(applicationDidChangeScreenParametersNotification, [this] { displaysChanged("displays changed"); });
    subscribe(didWakeNotification, [this] { displaysChanged("woke"); });
    subscribe(screensDidWakeNotification, [this] { displaysChanged("woke"); });
    subscribe(applicationWillTerminateNotification, [this] { saveSession(); });

    gates_.launching = true;
    for (const RunningApplication& app : services_.desktop.applications.runningApplications())
        if (app.activationPolicy == ActivationPolicy::regular)
            observe(app.processIdentifier, false);
    session_.load();

    std::vector<SpaceId> shown;
    for (const auto& [space, layout] : arrangement_.layouts)
        shown.push_back(space);
    for (SpaceId space : spaces_.desktops().visible())
        shown.push_back(space);
    settle(shown);
    gates_.launching = false;

    std::vector<SpaceId> laidOut;
    for (const auto& [space, layout] : arrangement_.layouts)
        laidOut.push_back(space);
    for (SpaceId space : laidOut)
        apply(space);
    spaceChanged();
}

void WindowManager::update(const Settings& settings) {
    config_.floatRules = settings.floatRules();
    config_.spaceRules = settings.spaceRules();
    config_.focusFollowsMouse = settings.focusFollowsMouse;
    config_.mouseFollowsFocus = settings.mouseFollowsFocus;
    config_.followsSends = settings.followsSends();
    config_.followsRouting = settings.followsRouting();
    config_.adoptsNativeTiling = settings.adoptsNativeTiling();
    config_.animatesWindows = settings.animatesWindows();
    config_.fullScreenApps = settings.fullScreenRules();

    const Settings& old = config_.spacingSettings;
    const bool spacingChanged = changesLayouts(old, settings, LayoutEffect::spacing);
    const bool algorithmsChanged = changesLayouts(old, settings, LayoutEffect::algorithm);

    highlight_.setShowsBorder(settings.showsActiveBorder());
    highlight_.setDims(settings.dimsInactive());
    highlight_.setBorderColor(settings.borderColor ? hexToColor(*settings.borderColor) : std::nullopt);
    highlight_.setBorderOpacity(settings.activeBorderOpacity());
    highlight_.setDimOpacity(settings.inactiveDimOpacity());

    config_.spacingSettings = settings;

    if (algorithmsChanged) {
        config_.tiling = settings.tileAlgorithm();
        config_.stacking = settings.stackAlgorithm();
        for (auto& [space, layout] : arrangement_.layouts) {
            layout.setTiling(config_.tiling, settings.splitRatio());
            layout.stacking = config_.stacking;
        }
    }

    if ((algorithmsChanged || spacingChanged) && gates_.started)
        for (SpaceId space : spaces_.desktops().visible())
            apply(space);
    publishStatus();
}

void WindowManager::togglePause() {
    gates_.pausedByHand = !gates_.pausedByHand;
    pauseChanged();
}

void WindowManager::onPause(std::function<void()> endGestures) {
    pausedGestures_ = std::move(endGestures);
}

void WindowManager::pauseChanged() {
    log(LogLevel::default_, "tiling %{public}s", gates_.pausedByHand ? "paused" : "resumed");
    if (gates_.pausedByHand) {
        writer_.cancelAnimations();
        preselectOverlay_.hide();
        if (pausedGestures_)
            pausedGestures_();
    } else {
        adoptOnScreen();
    }
    highlight_.setSuspended(gates_.pausedByHand);
    if (gates_.started)
        spaceChanged();
}

} // namespace quillmere
