#include "wm/WindowManager.h"

namespace quillmere {

void WindowManager::spaceChanged() {
    const SignpostIntervalState interval = signposter.beginInterval("Space change");
    const Desktops desktops = spaces_.desktops();

    for (const DisplaySpaces& display : desktops.displays()) {
        const auto shown = history_.shownSpace.find(display.id);
        if (shown != history_.shownSpace.end() && shown->second == display.current)
            continue;
        if (shown != history_.shownSpace.end())
            history_.previousSpace.insert_or_assign(display.id, shown->second);
        else
            history_.previousSpace.erase(display.id);
        history_.shownSpace.insert_or_assign(display.id, display.current);
    }

    for (const RunningApplication& app : services_.applications.runningApplications())
        if (app.activationPolicy == ActivationPolicy::regular)
            observe(app.processIdentifier, false);

    for (SpaceId space : desktops.visible())
        apply(space);
    highlight_.follow(focusedWindow());
    publishStatus();
    signposter.endInterval("Space change", interval);
}

void WindowManager::settle(const std::vector<SpaceId>& spaces) {
    history_.settledSpaces.insert(spaces.begin(), spaces.end());
}

void WindowManager::adoptOnScreen() {}

void WindowManager::displaysSettled() {
    if (!gates_.pausedByHand)
        spaceChanged();
    gates_.displaysUnsettled = false;
}

void WindowManager::saveSessionSoon() {
    sessionSave_.schedule(sessionSaveDelay, [this] { saveSession(); });
}

void WindowManager::saveSession() {}

} // namespace quillmere
