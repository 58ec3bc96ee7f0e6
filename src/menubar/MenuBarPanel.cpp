#include "menubar/MenuBarPanel.h"

#include "menubar/PanelColors.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>
#include <QVBoxLayout>

namespace quillmere {
namespace {

QPainterPath rounded(const QRectF& rect) {
    QPainterPath path;
    path.addRoundedRect(rect, MenuBarPanel::cornerRadius, MenuBarPanel::cornerRadius);
    return path;
}

bool isCancelKey(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Escape && event.modifiers() == Qt::NoModifier)
        return true;
    return event.modifiers() == Qt::ControlModifier && (event.key() == Qt::Key_W || event.key() == Qt::Key_M);
}

} // namespace

MenuBarPanel::MenuBarPanel()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      fade_(new QPropertyAnimation(this, "windowOpacity", this)) {
    setAttribute(Qt::WA_QuitOnClose, false);
    fade_->setDuration(fadeMilliseconds);
    fade_->setStartValue(0.0);
    fade_->setEndValue(1.0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetNoConstraint);
}

void MenuBarPanel::setContent(QWidget* content) {
    delete content_;
    content_ = content;
    layout()->addWidget(content);
}

void MenuBarPanel::reveal() {
    fade_->stop();
    setWindowOpacity(0);
    show();
    raise();
    activateWindow();
    fade_->start();
}

void MenuBarPanel::keyPressEvent(QKeyEvent* event) {
    if (isCancelKey(*event)) {
        onCancel();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MenuBarPanel::closeEvent(QCloseEvent* event) {
    event->ignore();
    onCancel();
}

void MenuBarPanel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized)) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
        onCancel();
    }
}

void MenuBarPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    setMask(QRegion(rounded(QRectF(rect())).toFillPolygon().toPolygon()));
}

void MenuBarPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(rounded(QRectF(rect())), PanelColors::background(palette()));
}

} // namespace quillmere
