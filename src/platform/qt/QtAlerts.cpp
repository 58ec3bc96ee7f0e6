#include "platform/qt/QtAlerts.h"

#include "platform/qt/Symbols.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace quillmere {
namespace {

QString qText(const std::string& text) { return QString::fromStdString(text); }

} // namespace

QtAlerts::QtAlerts()
    : bringForward([](QWidget& window) {
          window.raise();
          window.activateWindow();
      }) {}

std::vector<QAbstractButton*> QtAlerts::prepare(QMessageBox& box, const Alert& alert) {
    box.setText(qText(alert.message));
    box.setInformativeText(qText(alert.informativeText));
    box.setTextFormat(Qt::PlainText);
    if (alert.icon) {
        box.setIconPixmap(symbolIcon(alert.icon->symbol).pixmap(QSize(iconSize, iconSize), box.devicePixelRatioF()));
        if (auto* icon = box.findChild<QLabel*>("qt_msgboxex_icon_label"))
            icon->setAccessibleName(qText(alert.icon->description));
    } else if (!QApplication::windowIcon().isNull()) {
        box.setIconPixmap(QApplication::windowIcon().pixmap(QSize(iconSize, iconSize), box.devicePixelRatioF()));
    }
    if (alert.suppressionTitle)
        box.setCheckBox(new QCheckBox(qText(*alert.suppressionTitle)));
    std::vector<QAbstractButton*> buttons;
    // One role for all, so that the box keeps their order rather than the platform's.
    for (const std::string& title : alert.buttons)
        buttons.push_back(box.addButton(qText(title), QMessageBox::ActionRole));
    if (buttons.empty())
        buttons.push_back(box.addButton(QMessageBox::Ok));
    if (auto* first = qobject_cast<QPushButton*>(buttons.front()))
        box.setDefaultButton(first);
    box.setEscapeButton(buttons.back());
    return buttons;
}

std::size_t QtAlerts::exec(QMessageBox& box, const std::vector<QAbstractButton*>& buttons) {
    ++depth_;
    onOpen();
    // Modal before it shows, so that it comes up as the modal window it is.
    box.setWindowModality(Qt::ApplicationModal);
    box.show();
    bringForward(box);
    box.exec();
    --depth_;
    onClose();
    const auto chosen = std::ranges::find(buttons, box.clickedButton());
    if (chosen == buttons.end())
        return buttons.empty() ? 0 : buttons.size() - 1;
    return static_cast<std::size_t>(chosen - buttons.begin());
}

AlertAnswer QtAlerts::run(const Alert& alert) {
    QMessageBox box;
    const std::vector<QAbstractButton*> buttons = prepare(box, alert);
    const std::size_t button = exec(box, buttons);
    return {button, box.checkBox() && box.checkBox()->isChecked()};
}

} // namespace quillmere
