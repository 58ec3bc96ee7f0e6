#include "platform/qt/QtLocalKeyMonitors.h"

#include "platform/qt/QtKeys.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace quillmere {
namespace {

// The modifier a key is, if it is one.
Qt::KeyboardModifier modifierOf(int key) {
    switch (key) {
    case Qt::Key_Shift:
        return Qt::ShiftModifier;
    case Qt::Key_Control:
        return Qt::ControlModifier;
    case Qt::Key_Alt:
        return Qt::AltModifier;
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
        return Qt::MetaModifier;
    default:
        return Qt::NoModifier;
    }
}

} // namespace

QtLocalKeyMonitors::~QtLocalKeyMonitors() {
    if (!monitors_.empty() && QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

KeyMonitorToken QtLocalKeyMonitors::addLocalMonitor(Handler handler) {
    if (monitors_.empty())
        QCoreApplication::instance()->installEventFilter(this);
    const std::uint64_t token = next_++;
    monitors_.emplace(token, std::move(handler));
    return {token};
}

void QtLocalKeyMonitors::removeMonitor(KeyMonitorToken token) {
    if (monitors_.erase(token.value) > 0 && monitors_.empty())
        QCoreApplication::instance()->removeEventFilter(this);
}

bool QtLocalKeyMonitors::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return QObject::eventFilter(watched, event);
    const auto& key = static_cast<const QKeyEvent&>(*event);
    // Swallowed where it first arrives, so no window or widget gets a copy of it.
    if (key.isAutoRepeat())
        return true;
    Qt::KeyboardModifiers held = key.modifiers();
    // Platforms differ on whether a modifier's own press or release is already counted in the event.
    if (const Qt::KeyboardModifier modifier = modifierOf(key.key()); modifier != Qt::NoModifier) {
        held.setFlag(modifier, type == QEvent::KeyPress);
        deliver({LocalKeyEvent::Type::flagsChanged, 0, macModifierFlags(heldModifiers(held))});
        return true;
    }
    if (type == QEvent::KeyPress)
        if (const auto code = macKeyCode(key))
            deliver({LocalKeyEvent::Type::keyDown, *code, macModifierFlags(heldModifiers(held))});
    return true;
}

void QtLocalKeyMonitors::deliver(const LocalKeyEvent& event) {
    // A handler may remove monitors, its own too.
    const auto monitors = monitors_;
    for (const auto& [token, handler] : monitors)
        if (monitors_.contains(token))
            handler(event);
}

} // namespace quillmere
