#include "settings/DockPresence.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <set>

namespace quillmere {
namespace {

// Tells the open windows apart from those closed or gone; it watches each window once, however often the
// window is shown, and switches the policy back once the last one has closed.
class OpenWindows final : public QObject {
  public:
    void opened(QWidget& window) {
        if (!watched_.contains(&window)) {
            watched_.insert(&window);
            window.installEventFilter(this);
            QObject::connect(&window, &QObject::destroyed, this, [this, &window] {
                watched_.erase(&window);
                closed(&window);
            });
        }
        open_.insert(&window);
    }

    int count() const { return static_cast<int>(open_.size()); }

  protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Close || event->type() == QEvent::Hide)
            closed(static_cast<QWidget*>(object));
        return false;
    }

  private:
    void closed(const QWidget* window) {
        if (open_.erase(window) > 0 && open_.empty())
            DockPresence::setActivationPolicy(ActivationPolicy::accessory);
    }

    std::set<const QWidget*> watched_;
    std::set<const QWidget*> open_;
};

OpenWindows& openWindowList() {
    static OpenWindows windows;
    return windows;
}

void orderFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

std::function<void(ActivationPolicy)> DockPresence::setActivationPolicy = [](ActivationPolicy) {};
std::function<void(QWidget&)> DockPresence::bringForward = orderFront;

void DockPresence::show(QWidget& window) {
    openWindowList().opened(window);
    setActivationPolicy(ActivationPolicy::regular);
    orderFront(window);
    QTimer::singleShot(0, &window, [target = QPointer<QWidget>(&window)] {
        if (target && target->isVisible())
            bringForward(*target);
    });
}

bool DockPresence::showsInDock() { return openWindows() > 0; }

int DockPresence::openWindows() { return openWindowList().count(); }

} // namespace quillmere
