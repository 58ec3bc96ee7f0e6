#include "profiles/DesktopChip.h"

#include "profiles/TileDragData.h"
#include "widgets/SymbolPixmap.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QPainter>
#include <QPainterPath>

namespace quillmere {
namespace {

constexpr int horizontalInset = 12;
constexpr int verticalInset = 5;
constexpr int spacing = 5;
constexpr int plusSide = 9;

} // namespace

DesktopChip::DesktopChip(Look look, std::function<void(const TileDrag&)> dropped, QWidget* parent)
    : QAbstractButton(parent), look_(std::move(look)), dropped_(std::move(dropped)) {
    setAcceptDrops(true);
    setCursor(Qt::PointingHandCursor);
    setToolTip(look_.arranged ? "Arranged by this profile"
                              : "Not in this profile yet: applying it leaves this Desktop as it is");
    setAccessibleName("Desktop " + text());
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QString DesktopChip::text() const {
    QString text = QString::number(look_.desktop);
    if (look_.label)
        text += " " + QString::fromStdString(*look_.label);
    return text;
}

QFont DesktopChip::smallFont() const {
    QFont font = this->font();
    font.setPointSizeF(font.pointSizeF() * 0.8);
    font.setWeight(QFont::DemiBold);
    return font;
}

QSize DesktopChip::sizeHint() const {
    int width = fontMetrics().horizontalAdvance(text());
    if (!look_.arranged)
        width += plusSide + spacing;
    if (look_.windows > 0)
        width += spacing + QFontMetrics(smallFont()).horizontalAdvance(QString::number(look_.windows));
    return {width + 2 * horizontalInset, fontMetrics().height() + 2 * verticalInset};
}

void DesktopChip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF capsule = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = capsule.height() / 2;
    const QColor accent = palette().color(QPalette::Highlight);
    QColor secondary = palette().color(QPalette::PlaceholderText);
    if (look_.selected) {
        QColor fill = accent;
        fill.setAlphaF(0.25);
        painter.setBrush(fill);
    } else if (look_.arranged) {
        painter.setBrush(palette().color(QPalette::Midlight));
    } else {
        painter.setBrush(Qt::NoBrush);
    }
    QPen border(Qt::NoPen);
    if (look_.selected) {
        border = QPen(accent, 1);
    } else if (!look_.arranged) {
        secondary.setAlphaF(0.4);
        border = QPen(secondary, 1, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
        border.setDashPattern({3, 2});
    }
    painter.setPen(border);
    painter.drawRoundedRect(capsule, radius, radius);

    const bool strong = look_.arranged || look_.selected;
    const QColor text = strong ? palette().color(QPalette::WindowText) : palette().color(QPalette::PlaceholderText);
    qreal x = horizontalInset;
    if (!look_.arranged) {
        const QPixmap plus = symbolPixmap("plus", text, plusSide);
        painter.drawPixmap(QPointF(x, (height() - plusSide) / 2.0), plus);
        x += plusSide + spacing;
    }
    painter.setPen(text);
    const int textWidth = fontMetrics().horizontalAdvance(this->text());
    painter.drawText(QRectF(x, 0, textWidth, height()), Qt::AlignVCenter | Qt::AlignLeft, this->text());
    x += textWidth + spacing;
    if (look_.windows > 0) {
        painter.setFont(smallFont());
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(QRectF(x, 0, width() - x, height()), Qt::AlignVCenter | Qt::AlignLeft,
                         QString::number(look_.windows));
    }
}

void DesktopChip::dragEnterEvent(QDragEnterEvent* event) {
    if (ownTileDrag(*event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void DesktopChip::dragMoveEvent(QDragMoveEvent* event) {
    if (ownTileDrag(*event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void DesktopChip::dropEvent(QDropEvent* event) {
    const auto drag = ownTileDrag(*event->mimeData());
    if (!drag || drag->desktop < 1) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    dropped_(*drag);
}

} // namespace quillmere
