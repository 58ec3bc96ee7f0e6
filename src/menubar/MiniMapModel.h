#pragma once

#include "core/Settings.h"
#include "platform/LifetimeGuard.h"
#include "platform/MainQueue.h"
#include "stores/ProfileStore.h"
#include "system/WindowPreviews.h"
#include "wm/WindowManager.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// What the mini map's rows start outside the mini map; the application delegate supplies them.
struct MiniMapActions {
    std::function<void()> captureLayout = [] {};
    std::function<void()> editProfiles = [] {};
    std::function<void()> openSettings = [] {};
    std::function<void()> showWelcome = [] {};
    std::function<void()> openSpaces = [] {};
    std::function<void()> checkForUpdates = [] {};
};

// What the mini map shows: the snapshot of displays, Spaces and windows and the profiles, pulled on each
// refresh, and the status, settings, configuration error and permission, pushed in by the application
// delegate. Observers hear of every assignment of the displays and the status, and of the other fields only
// when they change. Main thread only.
class MiniMapModel {
  public:
    using ObserverId = std::uint64_t;

    // The map is read again this long after a send, when the window has arrived on its Space.
    static constexpr MainQueue::Duration sendRefreshDelay = std::chrono::milliseconds(100);

    MiniMapModel(WindowManager& manager, MainQueue& queue, WindowPreviews& previews, const ProfileStore& profiles,
                 MiniMapActions actions);
    MiniMapModel(const MiniMapModel&) = delete;
    MiniMapModel& operator=(const MiniMapModel&) = delete;

    const std::vector<MiniDisplay>& displays() const { return displays_; }
    const WindowManager::Status& status() const { return status_; }
    const Settings& settings() const { return settings_; }
    const std::optional<std::string>& configError() const { return configError_; }
    bool accessibilityLost() const { return accessibilityLost_; }
    const std::vector<Profile>& profiles() const { return profiles_; }
    const std::vector<ProfileStore::Problem>& profileProblems() const { return profileProblems_; }
    WindowManager& manager() const { return manager_; }
    const MiniMapActions& actions() const { return actions_; }

    void setDisplays(std::vector<MiniDisplay> displays);
    void setStatus(WindowManager::Status status);
    void setSettings(Settings settings);
    void setConfigError(std::optional<std::string> error);
    void setAccessibilityLost(bool lost);
    void setProfiles(std::vector<Profile> profiles);
    void setProfileProblems(std::vector<ProfileStore::Problem> problems);

    // Reads the snapshot and the profiles again; with `previews`, asks for fresh pictures of every window.
    void refresh(bool previews);
    // The display text of the first chord, in text order, bound to exactly this command; none while
    // shortcuts are off.
    std::optional<std::string> shortcut(const std::string& command) const;
    // Moves the window to the Space and reads the map again shortly after; the panel stays open.
    void send(WindowId window, SpaceId space, bool keepingDisplay);

    ObserverId observe(std::function<void()> observer);
    void stopObserving(ObserverId id);

  private:
    void changed();
    template <typename T> void assignIfChanged(T& field, T value);

    WindowManager& manager_;
    MainQueue& queue_;
    WindowPreviews& previews_;
    const ProfileStore& profileStore_;
    MiniMapActions actions_;
    std::vector<MiniDisplay> displays_;
    WindowManager::Status status_;
    Settings settings_ = Settings::default_();
    std::optional<std::string> configError_;
    bool accessibilityLost_ = false;
    std::vector<Profile> profiles_;
    std::vector<ProfileStore::Problem> profileProblems_;
    std::map<ObserverId, std::function<void()>> observers_;
    ObserverId nextObserver_ = 1;
    // Refreshes still queued after sends find out that the model is gone.
    LifetimeGuard lifetime_;
};

} // namespace quillmere
