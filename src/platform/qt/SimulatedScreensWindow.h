#pragma once

#include "platform/qt/SimulatedScreensView.h"
#include "platform/sim/SimulatedDesktop.h"

#include <QMainWindow>

class QMenu;

namespace quillmere {

// The "Simulated screens" window: the screens view, and menus that do what a user does to a Mac beyond
// pointing and typing (launch and quit applications, open and close windows, add Desktops, switch
// Spaces, plug and unplug displays) and switch what the system allows and prefers.
class SimulatedScreensWindow final : public QMainWindow {
  public:
    SimulatedScreensWindow(SimulatedDesktop& desktop, const PanelViewPainter* painter,
                           QWidget* parent = nullptr);

    SimulatedScreensView& view() { return *view_; }
    // Stands in for System Settings opening on a page: brings the window forward with its System menu
    // open at the switch the page is about. An address of no known page opens the menu alone.
    void openSystemSettings(const std::string& address);

  private:
    void fillApplications(QMenu& menu);
    void fillDesktops(QMenu& menu);
    void fillSystem(QMenu& menu);
    void openWindow(std::int32_t pid, const std::string& name);

    SimulatedDesktop& desktop_;
    SimulatedScreensView* view_;
    QMenu* system_;
    int opened_ = 0;
};

} // namespace quillmere
