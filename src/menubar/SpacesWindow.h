#pragma once

#include "menubar/MenuBarPanel.h"
#include "menubar/MiniMapModel.h"
#include "menubar/OutsideClicks.h"
#include "menubar/SpacesWindowView.h"
#include "platform/HeldWork.h"
#include "platform/MainQueue.h"
#include "platform/WorkspaceNotifications.h"

#include <chrono>
#include <memory>
#include <optional>
#include <vector>

namespace quillmere {

// What the overview is built on, besides the model it shares with the mini map.
struct SpacesWindowServices {
    SpacesMapServices map;
    MainQueue& queue;
    WorkspaceNotificationCenter& notifications;
};

// The Spaces overview: a wide panel across the top of the primary screen with the Spaces map of every
// display. While shown it keeps the shared model current: at once on a Space change and on any application
// becoming active, and every 2 seconds, with window previews on every fifth of those. A press outside it
// and its cancel keys close it and stop the refreshing; another application becoming active does not.
// Made once, on the first open, and kept; main thread only.
class SpacesWindow {
  public:
    static constexpr MainQueue::Duration refreshInterval = std::chrono::seconds(2);
    // Previews cost the most of a refresh: they are taken every tenth second only.
    static constexpr int ticksPerPreview = 5;

    SpacesWindow(MiniMapModel& model, SpacesWindowServices services);
    ~SpacesWindow();
    SpacesWindow(const SpacesWindow&) = delete;
    SpacesWindow& operator=(const SpacesWindow&) = delete;

    // Refreshes, sizes and shows the panel; while it is shown already, sizes it again and goes on refreshing.
    void show();
    // Nothing while hidden.
    void close();

    bool shown() const { return panel_->isVisible(); }
    bool refreshing() const { return timer_.isPending(); }
    std::size_t observers() const { return observers_.size(); }
    MenuBarPanel& panel() { return *panel_; }
    SpacesWindowView& view() { return *view_; }

  private:
    void startRefreshing();
    void stopRefreshing();
    void tick();

    MiniMapModel& model_;
    SpacesWindowServices services_;
    std::unique_ptr<MenuBarPanel> panel_;
    SpacesWindowView* view_;
    OutsideClicks outsideClicks_;
    std::vector<ObserverToken> observers_;
    HeldWork timer_{services_.queue};
    // Since the window was made; never reset, so a reopened window keeps the rhythm of its previews.
    int ticks_ = 0;
};

} // namespace quillmere
