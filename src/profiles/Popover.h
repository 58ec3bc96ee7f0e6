#pragma once

#include <QFrame>
#include <functional>

namespace quillmere {

// A popup under the button that opened it; a click outside it or Escape closes it. It deletes itself once
// closed, after calling `closed`.
class Popover final : public QFrame {
  public:
    Popover(QWidget* content, QWidget& anchor, std::function<void()> closed);

    // Shows it under the anchor.
    void present();

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    QWidget& anchor_;
    std::function<void()> closed_;
};

} // namespace quillmere
