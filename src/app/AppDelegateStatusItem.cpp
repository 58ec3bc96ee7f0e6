#include "app/AppDelegate.h"

#include "shell/StatusItemClick.h"

namespace quillmere {

void AppDelegate::updateTitle() {
    // Until the start the item shows the waiting symbol.
    if (!miniMap_)
        return;
    statusItem_.showStatus(status_, config_.settings().menuBarSettings(), accessibilityLost_,
                           config_.error().has_value());
}

void AppDelegate::statusItemClicked() {
    clickStatusItem(statusItem_.icon(),
                    {
                        .checkAccessibility = [this] { checkAccessibility(); },
                        .started = [this] { return miniMap_ != nullptr; },
                        .toggleMiniMap = [this] { miniMap_->toggle(statusItem_.icon()); },
                        .permissionMenu = {.showWelcome = [this] { showWelcome(); },
                                           .checkForUpdates = [this] { checkForUpdates(); },
                                           .quit = services_.terminate},
                    });
}

void AppDelegate::openProfiles() {
    if (settingsWindow_)
        settingsWindow_->showProfiles();
}

void AppDelegate::openSpaces() {
    if (!miniMap_)
        return;
    if (!spacesWindow_)
        spacesWindow_ = std::make_unique<SpacesWindow>(miniMap_->model(), spacesWindowServices());
    spacesWindow_->show();
}

SpacesWindowServices AppDelegate::spacesWindowServices() {
    return {
        .map = {switcher_, services_.desktop.applications, previews_, wallpaper_},
        .queue = services_.queue,
        .notifications = services_.desktop.notifications,
    };
}

std::unique_ptr<MiniMap> AppDelegate::makeMiniMap() {
    auto miniMap = std::make_unique<MiniMap>(
        MiniMapServices{
            .manager = *manager_,
            .queue = services_.queue,
            .previews = previews_,
            .profiles = profiles_,
            .switcher = switcher_,
            .applications = services_.desktop.applications,
            .wallpaper = wallpaper_,
            .notifications = services_.desktop.notifications,
            .ownPid = services_.ownPid,
            .configFile = config_.file(),
            .quit = services_.terminate,
        },
        MiniMapActions{
            .captureLayout = [this] { captureLayout(); },
            .editProfiles = [this] { openProfiles(); },
            .openSettings = [this] { openSettings(); },
            .showWelcome = [this] { showWelcome(); },
            .openSpaces = [this] { openSpaces(); },
            .checkForUpdates = [this] { checkForUpdates(); },
        });
    // The configuration was loaded before the mini map existed.
    miniMap->model().setSettings(config_.settings());
    miniMap->model().setConfigError(config_.error());
    return miniMap;
}

MainMenuActions AppDelegate::mainMenuActions() {
    return {
        .openSettings = [this] { openSettings(); },
        .checkForUpdates = [this] { checkForUpdates(); },
        .openSpaces = [this] { openSpaces(); },
        .openProfiles = [this] { openProfiles(); },
        .showWelcome = [this] { showWelcome(); },
        .quit = services_.terminate,
    };
}

} // namespace quillmere
