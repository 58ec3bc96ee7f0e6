#include "shell/UndoItems.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>

namespace quillmere {
namespace {

enum class Step { undo, redo };

bool available(const QTextDocument* document, Step step) {
    return step == Step::undo ? document->isUndoAvailable() : document->isRedoAvailable();
}

// Whether the widget is a text field with a step of its own to take.
bool hasOwnStep(const QWidget* widget, Step step) {
    if (const auto* line = qobject_cast<const QLineEdit*>(widget))
        return !line->isReadOnly() && (step == Step::undo ? line->isUndoAvailable() : line->isRedoAvailable());
    if (const auto* text = qobject_cast<const QTextEdit*>(widget))
        return !text->isReadOnly() && available(text->document(), step);
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(widget))
        return !plain->isReadOnly() && available(plain->document(), step);
    return false;
}

void take(UndoManager* undo, Step step) {
    QWidget* focused = QApplication::focusWidget();
    if (hasOwnStep(focused, step)) {
        QMetaObject::invokeMethod(focused, step == Step::undo ? "undo" : "redo");
        return;
    }
    if (!undo)
        return;
    if (step == Step::undo)
        undo->undo();
    else
        undo->redo();
}

QString title(const char* verb, const std::string& name) {
    return name.empty() ? QString(verb) : QString(verb) + " " + QString::fromStdString(name);
}

// Text fields claim Ctrl+Z for themselves even with nothing to undo; then the key goes to the menu item.
class StepKeys final : public QObject {
  public:
    StepKeys(QWidget& window, QObject* parent) : QObject(parent), window_(&window) {
        qApp->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride || !object->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(object);
        if (widget->window() != window_)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool undo = key->matches(QKeySequence::Undo);
        if (!undo && !key->matches(QKeySequence::Redo))
            return false;
        return !hasOwnStep(widget, undo ? Step::undo : Step::redo);
    }

  private:
    QPointer<QWidget> window_;
};

} // namespace

void addUndoItems(QMenu* edit, UndoManager* undo, QWidget& window) {
    QAction* undoItem = edit->addAction("Undo");
    undoItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QObject::connect(undoItem, &QAction::triggered, edit, [undo] { take(undo, Step::undo); });
    QAction* redoItem = edit->addAction("Redo");
    redoItem->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    QObject::connect(redoItem, &QAction::triggered, edit, [undo] { take(undo, Step::redo); });
    if (!undo)
        return;
    new StepKeys(window, edit);
    const auto name = [undo, undoItem, redoItem] {
        const QWidget* focused = QApplication::focusWidget();
        undoItem->setText(hasOwnStep(focused, Step::undo) ? "Undo" : title("Undo", undo->undoActionName()));
        redoItem->setText(hasOwnStep(focused, Step::redo) ? "Redo" : title("Redo", undo->redoActionName()));
    };
    name();
    QObject::connect(edit, &QMenu::aboutToShow, edit, name);
    const UndoManager::ObserverToken token = undo->addObserver(name);
    QObject::connect(edit, &QObject::destroyed, [undo, token] { undo->removeObserver(token); });
}

} // namespace quillmere
