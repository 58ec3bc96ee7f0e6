#include "profiles/TemplateButton.h"

#include "menubar/PanelColors.h"
#include "menubar/PanelPainting.h"

#include <QEnterEvent>
#include <QPainter>
#include <cmath>

namespace quillmere {

namespace {

using namespace PanelPainting;

constexpr double frameWidth = 58;
constexpr QSizeF drawing{34, 22};
constexpr double drawingInset = 3;
constexpr double nameDrop = 16;
constexpr double smallestName = 0.8;

} // namespace

TemplateButton::TemplateButton(LayoutSnapshot layout, QString name, QWidget* parent)
    : QAbstractButton(parent), layout_(std::move(layout)), name_(std::move(name)) {
    setText(name_);
    setAccessibleName(name_);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(this, &QAbstractButton::clicked, this, [this] { apply(); });
    updateToolTip();
}

QSize TemplateButton::sizeHint() const {
    return QSize(static_cast<int>(std::ceil(std::max(frameWidth, nameWidth()))),
                 static_cast<int>(drawing.height() + 2 * drawingInset + nameDrop));
}

QFont TemplateButton::nameFont(double scale) const {
    QFont font = this->font();
    font.setPointSizeF(font.pointSizeF() * 0.75 * scale);
    return font;
}

double TemplateButton::nameScale() const {
    const double full = QFontMetricsF(nameFont(1)).horizontalAdvance(name_);
    if (full <= frameWidth)
        return 1;
    return std::max(smallestName, frameWidth / full);
}

double TemplateButton::nameWidth() const { return QFontMetricsF(nameFont(nameScale())).horizontalAdvance(name_); }

void TemplateButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(isEnabled() ? 1 : disabledOpacity);
    const QColor accent = PanelColors::accent(palette());
    const double frame = width();
    const QRectF label((frame - drawing.width()) / 2 - drawingInset, 0, drawing.width() + 2 * drawingInset,
                       drawing.height() + 2 * drawingInset);
    if (hovering_) {
        painter.fillPath(rounded(label, 5), PanelColors::withAlpha(accent, 0.15));
    }
    const QRectF area = label.adjusted(drawingInset + 2, drawingInset + 2, -drawingInset - 2, -drawingInset - 2);
    const QColor fill = hovering_ ? accent : PanelColors::withAlpha(PanelColors::secondary(palette()), 0.6);
    for (const auto& tile : layout_.tiles({area.x(), area.y(), area.width(), area.height()}, 2)) {
        painter.fillPath(rounded(qRect(tile.rect), 2), fill);
    }
    const QFont font = nameFont(nameScale());
    painter.setFont(font);
    painter.setPen(PanelColors::secondary(palette()));
    painter.drawText(QRectF(0, label.bottom(), frame, nameDrop), Qt::AlignHCenter | Qt::AlignVCenter, name_);
}

void TemplateButton::enterEvent(QEnterEvent* event) {
    QAbstractButton::enterEvent(event);
    if (!isEnabled())
        return;
    hovering_ = true;
    update();
}

void TemplateButton::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    hovering_ = false;
    update();
}

void TemplateButton::changeEvent(QEvent* event) {
    QAbstractButton::changeEvent(event);
    if (event->type() != QEvent::EnabledChange)
        return;
    if (!isEnabled())
        hovering_ = false;
    updateToolTip();
    update();
}

void TemplateButton::updateToolTip() {
    setToolTip(isEnabled() ? name_ + ": keeps this Desktop's apps, filling the new tiles in order"
                           : "Templates shape tiled Desktops; choose Tile above to use them");
}

} // namespace quillmere
