#include "app/AppDelegate.h"
#include "shell/CaptureDialog.h"
#include "shell/ProfileAlerts.h"

namespace quillmere {

void AppDelegate::connectProfileAlerts() {
    alerts_.bringForward = [this](QWidget& window) { services_.dockPresence.bringForward(window); };
    alerts_.onClose = [this] {
        if (!alerts_.open() && !held_.empty())
            later([this] { runHeld(); });
    };
    manager_->confirmModeMismatch = [this](const Profile& profile, bool spansNow) {
        return alerts_.run(ProfileAlerts::modeMismatch(profile, spansNow)).button == 0;
    };
    // After the load has finished, never inside it.
    manager_->onProfileWarning = [this](const Profile& profile, const std::vector<ProfilePlacement>& unplaced) {
        later([this, alert = ProfileAlerts::unplaced(profile, unplaced)] { alerts_.run(alert); });
    };
}

void AppDelegate::captureLayout() {
    // The simulated desktop's own main screen: the one Qt knows is the virtual server's.
    const std::optional<Screen> screen = services_.desktop.displays.mainScreen();
    quillmere::captureLayout(profiles_, manager_->lastProfile(),
                             screen ? std::optional(screen->localizedName) : std::nullopt, symbols_, alerts_,
                             {
                                 .capture = [this](const std::string& name) { manager_->capture(name, true); },
                                 .recapture = [this](const Profile& profile) { manager_->recapture(profile, true); },
                             });
}

} // namespace quillmere
