#include "widgets/Keycap.h"

#include <QPainter>
#include <QPainterPath>

namespace quillmere {

namespace {

constexpr int minimumSide = 20;

QFont capFont(const QWidget& widget) {
    QFont font = widget.font();
    font.setPixelSize(11);
    font.setWeight(QFont::Medium);
    return font;
}

QFont badgeFont(const QWidget& widget) {
    QFont font = widget.font();
    font.setPixelSize(10);
    return font;
}

QColor quaternary(const QWidget& widget) {
    QColor color = widget.palette().color(QPalette::WindowText);
    color.setAlphaF(0.1f);
    return color;
}

} // namespace

Keycap::Keycap(const QString& text, bool dimmed, QWidget* parent) : QWidget(parent), text_(text), dimmed_(dimmed) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFont(capFont(*this));
}

QSize Keycap::sizeHint() const {
    const QFontMetrics metrics(font());
    return {std::max(minimumSide, metrics.horizontalAdvance(text_) + 10), std::max(minimumSide, metrics.height() + 4)};
}

void Keycap::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(dimmed_ ? dimmedOpacity : 1.0);
    QPainterPath cap;
    cap.addRoundedRect(QRectF(rect()), 4, 4);
    painter.fillPath(cap, quaternary(*this));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignCenter, text_);
}

Badge::Badge(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFont(badgeFont(*this));
}

QSize Badge::sizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text_) + 12, metrics.height() + 4};
}

void Badge::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath capsule;
    capsule.addRoundedRect(QRectF(rect()), height() / 2.0, height() / 2.0);
    painter.fillPath(capsule, quaternary(*this));
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(rect(), Qt::AlignCenter, text_);
}

} // namespace quillmere
