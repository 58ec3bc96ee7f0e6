#pragma once

class QWidget;

namespace quillmere {

// The application has a Dock icon and its main menu exactly while one of the windows shown through here is
// open; otherwise it lives in the menu bar only. Linux has no Dock, so what remains of that is the state
// itself, which the rest of the application reads. Main thread only.
class DockPresence {
  public:
    // Opens the window in front, and once more on the next turn of the event loop, as a window opened from
    // the menu bar may otherwise come up behind the window that was active.
    static void show(QWidget& window);
    static bool showsInDock();
    // How many of the windows shown through here are open.
    static int openWindows();
};

} // namespace quillmere
