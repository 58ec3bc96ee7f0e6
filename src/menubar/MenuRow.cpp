#include "menubar/MenuRow.h"

#include "menubar/PanelColors.h"
#include "menubar/PanelPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

namespace quillmere {
namespace {

constexpr int minimumGap = 16;
constexpr int maximumLines = 2;
constexpr double highlightRadius = 6;
constexpr double highlightOpacity = 0.1;

QString qText(const std::string& text) { return QString::fromStdString(text); }

} // namespace

MenuRow::MenuRow(MenuRowLabel label, QWidget* parent) : QAbstractButton(parent), label_(std::move(label)) {
    setAccessibleName(qText(label_.title));
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void MenuRow::setInert(bool inert) {
    inert_ = inert;
    update();
}

void MenuRow::setIconOnly(bool iconOnly) {
    iconOnly_ = iconOnly;
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    updateGeometry();
}

bool MenuRow::highlighted() const { return !inert_ && isEnabled() && (hovering_ || isDown()); }

int MenuRow::trailingWidth() const {
    const QFontMetrics metrics(font());
    int width = 0;
    if (label_.shortcut)
        width += metrics.horizontalAdvance(qText(*label_.shortcut));
    if (label_.trailing)
        width += (width > 0 ? spacing : 0) + symbolWidth;
    return width;
}

QRect MenuRow::titleArea(int width) const {
    const int left = horizontalInset + symbolWidth + spacing;
    const int right = width - horizontalInset - trailingWidth() - minimumGap;
    const QFontMetrics metrics(font());
    const QRect bounds = metrics.boundingRect(QRect(left, 0, std::max(right - left, 1), 1000), Qt::TextWordWrap,
                                              qText(label_.title));
    const int height = std::min(bounds.height(), metrics.lineSpacing() * maximumLines);
    return QRect(left, verticalInset, std::max(right - left, 1), std::max(height, metrics.height()));
}

QSize MenuRow::sizeHint() const {
    if (iconOnly_)
        return QSize(symbolWidth + 2 * verticalInset, symbolWidth + 2 * verticalInset);
    const QFontMetrics metrics(font());
    const int width = 2 * horizontalInset + symbolWidth + spacing + metrics.horizontalAdvance(qText(label_.title)) +
                      minimumGap + trailingWidth();
    return QSize(width, heightForWidth(width));
}

int MenuRow::heightForWidth(int width) const {
    return std::max(titleArea(width).height(), symbolWidth) + 2 * verticalInset;
}

void MenuRow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        painter.setOpacity(disabledOpacity);
    if (highlighted()) {
        QPainterPath path;
        path.addRoundedRect(QRectF(rect()), highlightRadius, highlightRadius);
        painter.fillPath(path, PanelColors::withAlpha(PanelColors::primary(palette()), highlightOpacity));
    }
    const double ratio = devicePixelRatioF();
    const QColor secondary = PanelColors::secondary(palette());
    const QPixmap symbol = tintedSymbol(label_.symbol, symbolWidth, label_.tint.value_or(secondary), ratio);
    const int symbolLeft = iconOnly_ ? verticalInset : horizontalInset;
    painter.drawPixmap(QPoint(symbolLeft, (height() - symbolWidth) / 2), symbol);
    if (iconOnly_)
        return;

    const QRect title = titleArea(width()).translated(0, (height() - 2 * verticalInset - titleArea(width()).height()) / 2);
    painter.setPen(PanelColors::primary(palette()));
    const QFontMetrics metrics(font());
    QString shown = qText(label_.title);
    if (metrics.boundingRect(QRect(0, 0, title.width(), 1000), Qt::TextWordWrap, shown).height() > title.height()) {
        // The second line ends in an ellipsis instead of running into a third.
        QTextLayout layout(shown, font());
        layout.beginLayout();
        QTextLine first = layout.createLine();
        first.setLineWidth(title.width());
        layout.endLayout();
        const QString rest = shown.mid(first.textLength());
        shown = shown.left(first.textLength()) + "\n" + metrics.elidedText(rest, Qt::ElideRight, title.width());
    }
    painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, shown);

    int right = width() - horizontalInset;
    if (label_.trailing) {
        const QPixmap trailing = tintedSymbol(*label_.trailing, 12, secondary, ratio);
        right -= 12;
        painter.drawPixmap(QPoint(right, (height() - 12) / 2), trailing);
        right -= spacing;
    }
    if (label_.shortcut) {
        painter.setPen(secondary);
        painter.drawText(QRect(0, 0, right, height()), Qt::AlignRight | Qt::AlignVCenter, qText(*label_.shortcut));
    }
}

void MenuRow::enterEvent(QEnterEvent* event) {
    hovering_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void MenuRow::leaveEvent(QEvent* event) {
    hovering_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

bool MenuRow::hitButton(const QPoint& position) const { return !inert_ && rect().contains(position); }

} // namespace quillmere
