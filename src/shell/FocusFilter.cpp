#include "shell/FocusFilter.h"

#include "platform/Log.h"

namespace quillmere {

std::function<void(const std::string&)> FocusFilterRouter::handler = [](const std::string&) {};

void FocusFilterRouter::load(const std::string& name) {
    log(LogLevel::default_, "focus filter loading %{public}s", name);
    handler(name);
}

std::vector<std::string> ProfileOptions::results(const ProfileStore& store) {
    std::vector<std::string> names;
    for (const Profile& profile : store.load().profiles)
        names.push_back(profile.name);
    return names;
}

QuillmereFocusFilter::DisplayRepresentation QuillmereFocusFilter::displayRepresentation() const {
    return {.title = profile.value_or("No profile"),
            .subtitle = endProfile ? std::optional("Then " + *endProfile + " when it ends") : std::nullopt};
}

void QuillmereFocusFilter::perform(UserDefaults& defaults) const {
    if (profile) {
        if (endProfile)
            defaults.setString(endProfileKey, *endProfile);
        else
            defaults.remove(endProfileKey);
        FocusFilterRouter::load(*profile);
        return;
    }
    // The end of a Focus: the system runs the filter again with its parameters unset.
    const auto pending = defaults.string(endProfileKey);
    if (!pending)
        return;
    defaults.remove(endProfileKey);
    FocusFilterRouter::load(*pending);
}

} // namespace quillmere
