#pragma once

#include <QObject>
#include <QWidget>

namespace quillmere {

// A drop-down, spin box or slider in a scrolling pane changes under the mouse wheel only once the user has
// given it the focus (by clicking it or tabbing to it); until then the wheel passes on and scrolls the pane,
// so scrolling past a control never changes and saves a setting. Lives as a child of its control.
class FocusedWheel final : public QObject {
  public:
    // Also makes the control take the focus by click and tab only, not by the wheel.
    static void install(QWidget& control);

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    explicit FocusedWheel(QWidget& control) : QObject(&control) {}
};

} // namespace quillmere
