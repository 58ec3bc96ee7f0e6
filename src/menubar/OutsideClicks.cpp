#include "menubar/OutsideClicks.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QWindow>

namespace quillmere {

OutsideClicks::~OutsideClicks() { stop(); }

void OutsideClicks::start(std::vector<QPointer<QWidget>> inside, std::function<QRect()> insideArea,
                          std::function<void()> close) {
    stop();
    inside_ = std::move(inside);
    insideArea_ = std::move(insideArea);
    close_ = std::move(close);
    qApp->installEventFilter(this);
    deactivation_ = connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        // A click on the status item makes another program active too; the item's own click handles it.
        if (state != Qt::ApplicationActive && !insideArea_().contains(QCursor::pos()))
            close_();
    });
    watching_ = true;
}

void OutsideClicks::stop() {
    if (!watching_)
        return;
    qApp->removeEventFilter(this);
    disconnect(deactivation_);
    watching_ = false;
}

bool OutsideClicks::isInside(QObject* window, QPoint global) const {
    if (insideArea_().contains(global))
        return true;
    for (const auto& widget : inside_)
        if (widget && widget->windowHandle() == window)
            return true;
    return false;
}

bool OutsideClicks::eventFilter(QObject* watched, QEvent* event) {
    // Every press reaches its window first and is then handed to the widgets, so a press is counted once
    // by its window.
    if (event->type() == QEvent::MouseButtonPress && qobject_cast<QWindow*>(watched)) {
        const auto* press = static_cast<QMouseEvent*>(event);
        const bool watchedButton = press->button() == Qt::LeftButton || press->button() == Qt::RightButton ||
                                   press->button() == Qt::MiddleButton;
        if (watchedButton && !isInside(watched, press->globalPosition().toPoint()))
            close_();
    }
    return false;
}

} // namespace quillmere
