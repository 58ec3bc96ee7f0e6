#pragma once

#include "platform/Alerts.h"

#include <QMessageBox>
#include <cstddef>
#include <functional>
#include <vector>

class QAbstractButton;

namespace quillmere {

// The application's modal alerts as message boxes. The buttons stand left to right in the alert's order;
// the first answers Return, and Esc and the window's close button give the last, which never commits to
// anything. Each alert is brought in front of the application the user was in and then runs modally: a
// nested event loop, so whatever arrives meanwhile runs inside the caller. `onOpen` and `onClose` bracket
// every run (nested ones too), so that the application can hold such work until the alert has gone.
// Main thread only.
class QtAlerts final : public Alerts {
  public:
    static constexpr int iconSize = 40;

    QtAlerts();

    std::function<void()> onOpen = [] {};
    std::function<void()> onClose = [] {};
    // Brings the alert's window in front of other applications' windows.
    std::function<void(QWidget&)> bringForward;

    AlertAnswer run(const Alert& alert) override;

    // Gives the box the alert's texts, icon, check box and buttons; answers the buttons in the alert's order.
    static std::vector<QAbstractButton*> prepare(QMessageBox& box, const Alert& alert);
    // Runs a prepared box as every alert runs; answers the position of the chosen button, the last one for
    // any other way of closing.
    std::size_t exec(QMessageBox& box, const std::vector<QAbstractButton*>& buttons);
    bool open() const { return depth_ > 0; }

  private:
    int depth_ = 0;
};

} // namespace quillmere
