#pragma once

#include "menubar/MenuBarPanel.h"
#include "menubar/MiniMapModel.h"
#include "menubar/MiniMapView.h"
#include "menubar/OutsideClicks.h"
#include "platform/WorkspaceNotifications.h"

#include <QPointer>
#include <QSystemTrayIcon>
#include <cstdint>
#include <memory>
#include <optional>

namespace quillmere {

// What the mini map is built on.
struct MiniMapServices {
    WindowManager& manager;
    MainQueue& queue;
    WindowPreviews& previews;
    const ProfileStore& profiles;
    SpaceSwitcher& switcher;
    RunningApplications& applications;
    Wallpaper& wallpaper;
    WorkspaceNotificationCenter& notifications;
    // The application's own process, whose activation keeps the panel open.
    std::int32_t ownPid = 0;
    std::filesystem::path configFile;
    std::function<void()> quit = [] {};
};

// The panel under the status item. A click on the item opens it with a fresh snapshot, centred under the
// item; the next click, a press outside it and the item, another application becoming active, its cancel
// keys and most of its actions close it. While it is shown, and only then, the outside-click watch and the
// activation observer are installed. Lives as long as the application; main thread only.
class MiniMap {
  public:
    MiniMap(MiniMapServices services, MiniMapActions actions);
    ~MiniMap();
    MiniMap(const MiniMap&) = delete;
    MiniMap& operator=(const MiniMap&) = delete;

    // Opens the panel under the item, or closes it when it is shown. Nothing shows without any screen.
    void toggle(const QSystemTrayIcon& item);
    void close();

    bool shown() const { return panel_->isVisible(); }
    MiniMapModel& model() { return model_; }
    MenuBarPanel& panel() { return *panel_; }
    MiniMapView& view() { return *view_; }

  private:
    void watchForDismissal();
    // The item's frame in global points; empty when the tray does not tell or the item is gone.
    QRect itemGeometry() const;

    MiniMapServices services_;
    MiniMapModel model_;
    std::unique_ptr<MenuBarPanel> panel_;
    MiniMapView* view_;
    QPointer<const QSystemTrayIcon> item_;
    OutsideClicks outsideClicks_;
    std::optional<ObserverToken> activation_;
};

} // namespace quillmere
