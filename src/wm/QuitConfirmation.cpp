#include "wm/QuitConfirmation.h"

#include <algorithm>

namespace quillmere::QuitConfirmation {

std::string key(const std::string& profileName) {
    return "quitUnlistedConfirmed." + profileName;
}

Alert alert(const std::vector<RunningApplication>& apps, const std::string& profileName) {
    std::vector<std::string> names;
    for (const RunningApplication& app : apps)
        if (app.localizedName)
            names.push_back(*app.localizedName);
    std::ranges::sort(names);
    std::string list;
    for (const std::string& name : names)
        list += (list.empty() ? "" : ", ") + name;
    return {.message = "Quit apps not in \u201C" + profileName + "\u201D?",
            .informativeText = list + "\n\nApps with unsaved changes will ask before quitting.",
            .buttons = {"Quit Apps", "Skip"},
            .suppressionTitle = "Don't ask again for this profile"};
}

bool confirm(const std::vector<RunningApplication>& apps, const Profile& profile, UserDefaults& defaults,
             Alerts& alerts) {
    if (defaults.boolean(key(profile.name)) == true)
        return true;
    const AlertAnswer answer = alerts.run(alert(apps, profile.name));
    if (answer.button != 0)
        return false;
    if (answer.suppressed)
        defaults.setBoolean(key(profile.name), true);
    return true;
}

} // namespace quillmere::QuitConfirmation
