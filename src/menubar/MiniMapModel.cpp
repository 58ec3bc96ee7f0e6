#include "menubar/MiniMapModel.h"

namespace quillmere {

MiniMapModel::MiniMapModel(WindowManager& manager, MainQueue& queue, WindowPreviews& previews,
                           const ProfileStore& profiles, MiniMapActions actions)
    : manager_(manager), queue_(queue), previews_(previews), profileStore_(profiles), actions_(std::move(actions)) {}

void MiniMapModel::changed() {
    // An observer may stop observing while it is told.
    const auto observers = observers_;
    for (const auto& [id, observer] : observers)
        observer();
}

template <typename T> void MiniMapModel::assignIfChanged(T& field, T value) {
    if (field == value)
        return;
    field = std::move(value);
    changed();
}

void MiniMapModel::setDisplays(std::vector<MiniDisplay> displays) {
    displays_ = std::move(displays);
    changed();
}

void MiniMapModel::setStatus(WindowManager::Status status) {
    status_ = std::move(status);
    changed();
}

void MiniMapModel::setSettings(Settings settings) { assignIfChanged(settings_, std::move(settings)); }

void MiniMapModel::setConfigError(std::optional<std::string> error) { assignIfChanged(configError_, std::move(error)); }

void MiniMapModel::setAccessibilityLost(bool lost) { assignIfChanged(accessibilityLost_, lost); }

void MiniMapModel::setProfiles(std::vector<Profile> profiles) { assignIfChanged(profiles_, std::move(profiles)); }

void MiniMapModel::setProfileProblems(std::vector<ProfileStore::Problem> problems) {
    assignIfChanged(profileProblems_, std::move(problems));
}

void MiniMapModel::refresh(bool previews) {
    setDisplays(manager_.miniMap());
    if (previews) {
        std::vector<WindowId> windows;
        for (const MiniDisplay& display : displays_)
            for (const MiniSpace& space : display.spaces)
                for (const MiniWindow& window : space.windows)
                    windows.push_back(window.id);
        previews_.refresh(windows);
    }
    auto loaded = profileStore_.load();
    setProfiles(std::move(loaded.profiles));
    setProfileProblems(std::move(loaded.problems));
}

std::optional<std::string> MiniMapModel::shortcut(const std::string& command) const {
    if (!settings_.usesShortcuts())
        return std::nullopt;
    return settings_.shortcutText({command});
}

void MiniMapModel::send(WindowId window, SpaceId space, bool keepingDisplay) {
    manager_.send(window, space, keepingDisplay);
    queue_.after(sendRefreshDelay, lifetime_.guarded([this] { refresh(true); }));
}

MiniMapModel::ObserverId MiniMapModel::observe(std::function<void()> observer) {
    const ObserverId id = nextObserver_++;
    observers_.emplace(id, std::move(observer));
    return id;
}

void MiniMapModel::stopObserving(ObserverId id) { observers_.erase(id); }

} // namespace quillmere
