#pragma once

#include <QApplication>
#include <QScrollArea>
#include <QSpontaneKeyEvent>
#include <QWheelEvent>

namespace quillmere {

// One notch of the mouse wheel turned down over the middle of the widget, as the window system delivers it:
// what the widget leaves unaccepted goes on to its parents.
inline void wheelDown(QWidget& widget) {
    const QPointF centre = QRectF(widget.rect()).center();
    QWheelEvent event(centre, widget.mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    // Only an event from the window system goes on to the parents; sendEvent would make it one of ours.
    QSpontaneKeyEvent::setSpontaneous(&event);
    QApplication::instance()->notify(&widget, &event);
}

// The scroll area the widget lies in.
inline QScrollArea* scrollAreaOf(QWidget& widget) {
    for (QWidget* parent = widget.parentWidget(); parent; parent = parent->parentWidget())
        if (auto* area = qobject_cast<QScrollArea*>(parent))
            return area;
    return nullptr;
}

} // namespace quillmere
