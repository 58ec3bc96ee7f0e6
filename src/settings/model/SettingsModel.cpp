#include "settings/model/SettingsModel.h"

#include <algorithm>

namespace quillmere {

SettingsModel::SettingsModel(SettingsModelServices services)
    : services_(std::move(services)), undo_(services_.queue) {}

SettingsModel::~SettingsModel() {
    if (keyMonitor_)
        services_.keyMonitors.removeMonitor(*keyMonitor_);
}

SettingsModel::ObserverToken SettingsModel::addObserver(Observer observer) {
    const std::uint64_t token = nextObserver_++;
    observers_.emplace(token, std::move(observer));
    return {token};
}

void SettingsModel::removeObserver(ObserverToken token) { observers_.erase(token.value); }

ChordBindings::ObserverId SettingsModel::observeBindings(std::function<void()> observer) {
    return addObserver([observer = std::move(observer)](Property property) {
               if (property == Property::recording || property == Property::registrations ||
                   property == Property::settings)
                   observer();
           })
        .value;
}

void SettingsModel::stopObservingBindings(ObserverId id) {
    removeObserver({id});
}

void SettingsModel::notify(Property property) {
    // An observer may remove itself or another one.
    const auto observers = observers_;
    for (const auto& [token, observer] : observers)
        observer(property);
}

void SettingsModel::setSettings(Settings settings) { assign(settings_, std::move(settings), Property::settings); }

void SettingsModel::setTab(std::string tab) { assign(tab_, std::move(tab), Property::tab); }

void SettingsModel::setNotice(std::optional<std::string> notice) {
    assign(notice_, std::move(notice), Property::notice);
}

void SettingsModel::setSelectedProfile(std::optional<std::string> name) {
    assign(selectedProfile_, std::move(name), Property::selectedProfile);
}

int SettingsModel::problemCount() const {
    return static_cast<int>(
        std::ranges::count(checks_, SetupCheck::State::warning, &SetupCheck::state));
}

void SettingsModel::refresh() {
    assign(settings_, services_.config.settings(), Property::settings);
    assign(error_, services_.config.error(), Property::error);
    std::map<std::string, Hotkeys::Registration> registrations;
    for (const Hotkeys::Registration& registration : services_.hotkeys.registrations())
        registrations.try_emplace(registration.chord, registration);
    assign(registrations_, std::move(registrations), Property::registrations);
    assign(spaceCount_, services_.spaces.mostDesktops(), Property::spaceCount);
    assign(checks_, SetupCheck::all(spaceCount_, services_.accessibility, services_.preferences),
           Property::checks);
    ProfileStore::Loaded loaded = services_.profiles.load();
    assign(profiles_, std::move(loaded.profiles), Property::profiles);
    assign(profileProblems_, std::move(loaded.problems), Property::profileProblems);
    services_.manager.profilesChanged(profiles_, std::nullopt);
    assign(windowTitles_, services_.manager.windowTitles(), Property::windowTitles);
    assign(status_, services_.manager.status(), Property::status);
    didRefresh();
}

Settings::SpaceSettings SettingsModel::spaceSettings(std::int64_t space) const {
    const auto found = std::ranges::find(settings_.spaces, space, &Settings::SpaceSettings::space);
    if (found != settings_.spaces.end())
        return *found;
    return Settings::SpaceSettings{.space = space};
}

void SettingsModel::changeSpace(std::int64_t space, const std::function<void(Settings::SpaceSettings&)>& edit) {
    Settings changed = settings_;
    auto& spaces = changed.spaces;
    const auto found = std::ranges::find(spaces, space, &Settings::SpaceSettings::space);
    if (found != spaces.end()) {
        edit(*found);
    } else {
        Settings::SpaceSettings entry = spaceSettings(space);
        edit(entry);
        spaces.push_back(std::move(entry));
        std::ranges::stable_sort(spaces, {}, &Settings::SpaceSettings::space);
    }
    setSettings(std::move(changed));
}

} // namespace quillmere
