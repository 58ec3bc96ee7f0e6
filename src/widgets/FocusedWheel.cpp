#include "widgets/FocusedWheel.h"

#include <QEvent>

namespace quillmere {

void FocusedWheel::install(QWidget& control) {
    control.setFocusPolicy(Qt::StrongFocus);
    control.installEventFilter(new FocusedWheel(control));
}

bool FocusedWheel::eventFilter(QObject* object, QEvent* event) {
    if (event->type() != QEvent::Wheel || static_cast<QWidget*>(object)->hasFocus())
        return false;
    // Unaccepted, the event goes on to the parents, up to the scroll area.
    event->ignore();
    return true;
}

} // namespace quillmere
