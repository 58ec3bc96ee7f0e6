#pragma once

#include "app/WelcomeModel.h"
#include "app/WelcomeView.h"
#include "platform/HeldWork.h"
#include "platform/MainQueue.h"
#include "platform/UserDefaults.h"
#include "settings/DockPresence.h"

#include <chrono>
#include <memory>
#include <optional>

namespace quillmere {

// The first-run guide: its model, its window (made on first show and kept) and, while the window is open, a
// refresh once a second so that the permission page sees the moment the permission is granted and the checks
// follow the system's settings. Every close records "welcomeSeen". Main thread only.
class Welcome {
  public:
    static constexpr MainQueue::Duration refreshInterval = std::chrono::seconds(1);
    static constexpr std::string_view seenKey = "welcomeSeen";

    Welcome(WelcomeModel::Services services, MainQueue& queue, UserDefaults& defaults,
            DockPresence& dockPresence, std::function<void(const KeyPreset::KeyMap&)> saveKeys);
    ~Welcome();
    Welcome(const Welcome&) = delete;
    Welcome& operator=(const Welcome&) = delete;

    // Opens the guide at the given page, or at the one the trust picks, and restarts the refresh.
    void show(std::optional<WelcomeModel::Page> page = std::nullopt);

    WelcomeModel& model() { return model_; }
    // None before the first show.
    WelcomeView* window() { return window_.get(); }
    bool refreshing() const { return refresh_.isPending(); }

  private:
    void scheduleRefresh();
    void stopRefreshing();

    WelcomeModel model_;
    MainQueue& queue_;
    UserDefaults& defaults_;
    DockPresence& dockPresence_;
    std::function<void(const std::string&)> openSettings_;
    HeldWork refresh_{queue_};
    std::unique_ptr<WelcomeView> window_;
};

} // namespace quillmere
