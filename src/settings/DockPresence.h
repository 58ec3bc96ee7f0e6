#pragma once

#include "platform/LifetimeGuard.h"
#include "platform/RunningApplications.h"

#include <functional>
#include <memory>

class QWidget;

namespace quillmere {

// The application is regular exactly while one of the windows shown through here is open, and an accessory
// otherwise. One per process, made by whoever picks the desktop and handed to every part that opens a
// window of the application's own. Main thread only.
class DockPresence {
  public:
    // The platform's policy switch (on Linux, whether the application shows in the task bar).
    explicit DockPresence(std::function<void(ActivationPolicy)> setActivationPolicy);
    ~DockPresence();
    DockPresence(const DockPresence&) = delete;
    DockPresence& operator=(const DockPresence&) = delete;

    // How one of the application's own windows comes to the front even while another application is
    // active; until set, the window is raised and activated as Qt does.
    void setBringForward(std::function<void(QWidget&)> bringForward);
    void bringForward(QWidget& window) const;

    // Opens the window in front, and brings it forward once more on the next turn of the event loop, as
    // a window opened from the menu bar may otherwise come up behind the window that was active.
    void show(QWidget& window);
    bool showsInDock() const;
    // How many of the windows shown through here are open.
    int openWindows() const;

  private:
    class OpenWindows;

    std::function<void(ActivationPolicy)> setActivationPolicy_;
    std::function<void(QWidget&)> bringForward_;
    std::unique_ptr<OpenWindows> open_;
    LifetimeGuard lifetime_;
};

} // namespace quillmere
