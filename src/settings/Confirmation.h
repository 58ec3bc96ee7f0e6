#pragma once

#include <QString>
#include <QWidget>

namespace quillmere {

// A question before a change the user may not have meant: one action besides Cancel.
struct Confirmation {
    QString title;
    QString message;
    QString action;
    friend bool operator==(const Confirmation&, const Confirmation&) = default;
};

// Asks in a message box over the parent's window; true when the user chose the action.
bool confirmInMessageBox(QWidget* parent, const Confirmation& confirmation);

} // namespace quillmere
