#pragma once

#include "platform/RunningApplications.h"

#include <functional>

class QWidget;

namespace quillmere {

// The application is regular exactly while one of the windows shown through here is open, and an accessory
// otherwise. Main thread only.
class DockPresence {
  public:
    // The platform's calls, set once by the application: the policy switch (on Linux, whether the application
    // shows in the task bar) and bringing one of its own windows to the front even while another application
    // is active.
    static std::function<void(ActivationPolicy)> setActivationPolicy;
    static std::function<void(QWidget&)> bringForward;

    // Opens the window in front, and brings it forward once more on the next turn of the event loop, as
    // a window opened from the menu bar may otherwise come up behind the window that was active.
    static void show(QWidget& window);
    static bool showsInDock();
    // How many of the windows shown through here are open.
    static int openWindows();
};

} // namespace quillmere
