#include "shell/FocusFilter.h"

#include "platform/Log.h"

namespace quillmere {

void FocusFilterRouter::load(const std::string& name) const {
    log(LogLevel::default_, "focus filter loading %{public}s", name);
    handler_(name);
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

void QuillmereFocusFilter::perform(UserDefaults& defaults, const FocusFilterRouter& router) const {
    if (profile) {
        if (endProfile)
            defaults.setString(endProfileKey, *endProfile);
        else
            defaults.remove(endProfileKey);
        router.load(*profile);
        return;
    }
    // The end of a Focus: the system runs the filter again with its parameters unset.
    const auto pending = defaults.string(endProfileKey);
    if (!pending)
        return;
    defaults.remove(endProfileKey);
    router.load(*pending);
}

} // namespace quillmere
