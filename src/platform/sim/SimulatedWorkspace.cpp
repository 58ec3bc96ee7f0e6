#include "platform/sim/SimulatedDesktop.h"

namespace quillmere {

std::optional<PropertyList> SimulatedDesktop::copyValue(std::string_view key,
                                                        PreferencesApplication application,
                                                        PreferencesUser user, PreferencesHost host) {
    const auto found = preferences_.find({application, user, host, std::string(key)});
    return found == preferences_.end() ? std::nullopt : std::optional(found->second);
}

void SimulatedDesktop::setPreference(const std::string& key, std::optional<PropertyList> value) {
    const auto stored =
        std::tuple(PreferencesApplication::any, PreferencesUser::current, PreferencesHost::any, key);
    if (value)
        preferences_.insert_or_assign(stored, std::move(*value));
    else
        preferences_.erase(stored);
}

std::optional<PropertyList> SimulatedDesktop::appValue(std::string_view key, std::string_view applicationId) {
    const auto found = appPreferences_.find(std::pair(std::string(applicationId), std::string(key)));
    return found == appPreferences_.end() ? std::nullopt : std::optional(found->second);
}

void SimulatedDesktop::setAppPreference(const std::string& applicationId, const std::string& key,
                                        std::optional<PropertyList> value) {
    auto stored = std::pair(applicationId, key);
    if (value)
        appPreferences_.insert_or_assign(std::move(stored), std::move(*value));
    else
        appPreferences_.erase(stored);
}

void SimulatedDesktop::spaceChanged() {
    changed();
    post(activeSpaceDidChangeNotification);
}

} // namespace quillmere
