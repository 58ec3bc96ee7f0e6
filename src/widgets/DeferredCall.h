#pragma once

#include <QObject>
#include <functional>

namespace quillmere {

// Runs an action once on the next turn of Qt's event loop, however often it was asked for meanwhile. The
// panes rebuild their rows this way: after the handler that changed the model has returned, as the button
// clicked may be one of the rows.
class DeferredCall {
  public:
    // The action runs only while the owner lives.
    DeferredCall(QObject& owner, std::function<void()> action) : owner_(owner), action_(std::move(action)) {}

    void schedule() {
        if (pending_)
            return;
        pending_ = true;
        QMetaObject::invokeMethod(
            &owner_,
            [this] {
                pending_ = false;
                action_();
            },
            Qt::QueuedConnection);
    }

  private:
    QObject& owner_;
    std::function<void()> action_;
    bool pending_ = false;
};

} // namespace quillmere
