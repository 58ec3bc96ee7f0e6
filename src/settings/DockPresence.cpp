#include "settings/DockPresence.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <set>
#include <utility>

namespace quillmere {
namespace {

void orderFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

// Tells the open windows apart from those closed or gone; it watches each window once, however often the
// window is shown, and reports when the last one has closed.
class DockPresence::OpenWindows final : public QObject {
  public:
    explicit OpenWindows(std::function<void()> lastClosed) : lastClosed_(std::move(lastClosed)) {}

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
            lastClosed_();
    }

    std::function<void()> lastClosed_;
    std::set<const QWidget*> watched_;
    std::set<const QWidget*> open_;
};

DockPresence::DockPresence(std::function<void(ActivationPolicy)> setActivationPolicy)
    : setActivationPolicy_(std::move(setActivationPolicy)), bringForward_(orderFront),
      open_(std::make_unique<OpenWindows>([this] { setActivationPolicy_(ActivationPolicy::accessory); })) {}

DockPresence::~DockPresence() = default;

void DockPresence::setBringForward(std::function<void(QWidget&)> bringForward) {
    bringForward_ = std::move(bringForward);
}

void DockPresence::bringForward(QWidget& window) const {
    bringForward_(window);
}

void DockPresence::show(QWidget& window) {
    open_->opened(window);
    setActivationPolicy_(ActivationPolicy::regular);
    orderFront(window);
    QTimer::singleShot(0, &window, [this, watch = lifetime_.watch(), target = QPointer<QWidget>(&window)] {
        if (watch.alive() && target && target->isVisible())
            bringForward(*target);
    });
}

bool DockPresence::showsInDock() const {
    return openWindows() > 0;
}

int DockPresence::openWindows() const {
    return open_->count();
}

} // namespace quillmere
