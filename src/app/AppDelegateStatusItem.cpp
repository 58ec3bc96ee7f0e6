#include "app/AppDelegate.h"

#include "shell/StatusItemClick.h"

namespace quillmere {

void AppDelegate::updateTitle() {
    // Until the start the item shows the waiting symbol.
    if (!started_)
        return;
    statusItem_.showStatus(status_, config_.settings().menuBarSettings(), accessibilityLost_,
                           config_.error().has_value());
}

void AppDelegate::statusItemClicked() {
    clickStatusItem(statusItem_.icon(),
                    {
                        .checkAccessibility = [this] { checkAccessibility(); },
                        .started = [this] { return started_; },
                        // The mini map arrives with its own part; until then a click after the start only
                        // checks the permission.
                        .toggleMiniMap = [] {},
                        .permissionMenu = {.showWelcome = [this] { showWelcome(); },
                                           .checkForUpdates = [this] { checkForUpdates(); },
                                           .quit = services_.terminate},
                    });
}

void AppDelegate::openProfiles() {
    if (settingsWindow_)
        settingsWindow_->showProfiles();
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
