#include "settings/Confirmation.h"

#include <QMessageBox>
#include <QPushButton>

namespace quillmere {

bool confirmInMessageBox(QWidget* parent, const Confirmation& confirmation) {
    QMessageBox box(parent);
    box.setText(confirmation.title);
    box.setInformativeText(confirmation.message);
    QPushButton* action = box.addButton(confirmation.action, QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(action);
    box.exec();
    return box.clickedButton() == action;
}

} // namespace quillmere
