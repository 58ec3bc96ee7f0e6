#include "menubar/TilingSwitch.h"

#include "menubar/PanelColors.h"

#include <QPainter>
#include <QPainterPath>
#include <QVariantAnimation>

namespace quillmere {
namespace {

constexpr double knobInset = 1.5;
constexpr double disabledOpacity = 0.5;

} // namespace

TilingSwitch::TilingSwitch(QWidget* parent) : QCheckBox("Tiling", parent), glide_(new QVariantAnimation(this)) {
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    glide_->setDuration(glideMilliseconds);
    glide_->setEasingCurve(QEasingCurve::OutCubic);
    connect(glide_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        knob_ = value.toDouble();
        update();
    });
}

void TilingSwitch::checkStateSet() {
    QCheckBox::checkStateSet();
    const double end = isChecked() ? 1 : 0;
    if (glide_->state() != QAbstractAnimation::Running && knob_ == end)
        return;
    glide_->stop();
    if (!isVisible()) {
        knob_ = end;
        update();
        return;
    }
    glide_->setStartValue(knob_);
    glide_->setEndValue(end);
    glide_->start();
}

void TilingSwitch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        painter.setOpacity(disabledOpacity);
    const QRectF capsule(0, (QWidget::height() - height) / 2.0, width, height);
    QPainterPath path;
    path.addRoundedRect(capsule, height / 2.0, height / 2.0);
    painter.fillPath(path, isChecked() ? PanelColors::accent(palette()) : PanelColors::quaternary(palette()));
    const double diameter = height - 2 * knobInset;
    const double x = capsule.left() + knobInset + knob_ * (width - 2 * knobInset - diameter);
    const QRectF knob(x, capsule.top() + knobInset, diameter, diameter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 64));
    painter.drawEllipse(knob.translated(0, 0.5).adjusted(-0.5, -0.5, 0.5, 0.5));
    painter.setBrush(Qt::white);
    painter.drawEllipse(knob);
}

bool TilingSwitch::hitButton(const QPoint& position) const { return rect().contains(position); }

} // namespace quillmere
