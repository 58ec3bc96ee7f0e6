#pragma once

#include "platform/OwnWindow.h"

#include <QPointer>
#include <QWidget>

namespace quillmere {

// One of the application's own Qt windows, as the window server knows it; does nothing once the window
// has gone.
class QtOwnWindow final : public OwnWindow {
  public:
    explicit QtOwnWindow(QWidget& window) : window_(&window) {}

    void makeKeyAndOrderFront() override {
        if (!window_)
            return;
        window_->show();
        window_->raise();
        window_->activateWindow();
    }
    std::int64_t windowNumber() const override { return window_ ? static_cast<std::int64_t>(window_->winId()) : -1; }

  private:
    QPointer<QWidget> window_;
};

} // namespace quillmere
