#pragma once

#include "platform/UndoManager.h"

#include <QMenu>
#include <QWidget>

namespace quillmere {

// Adds Undo and Redo to the window's Edit menu. A text field with a step of its own to undo or redo takes
// it, as the user expects of typing; otherwise the step comes from the undo stack, when there is one, and
// the items carry its name ("Undo Change Setting"). The keys follow the same choice: a text field that
// has nothing to undo lets Ctrl+Z through to the stack.
void addUndoItems(QMenu* edit, UndoManager* undo, QWidget& window);

} // namespace quillmere
