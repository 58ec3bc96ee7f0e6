#include "menubar/FeedbackPainter.h"

#include "menubar/PanelColors.h"
#include "menubar/PanelPainting.h"
#include "menubar/PanelPictures.h"
#include "system/FocusHighlight.h"
#include "system/Overlay.h"

#include <QFontMetricsF>
#include <algorithm>

namespace quillmere {

namespace {

// Pixels at one pixel per point.
constexpr double labelSize = 13;
constexpr double minimumLabelPixels = 8;

QColor qColor(const Color& colour) {
    return QColor::fromRgbF(static_cast<float>(colour.red), static_cast<float>(colour.green),
                            static_cast<float>(colour.blue), static_cast<float>(colour.alpha));
}

} // namespace

QColor FeedbackPainter::colour(SystemColor colour) const {
    switch (colour) {
    case SystemColor::accent:
        return PanelColors::accent(palette_);
    case SystemColor::orange:
        return PanelColors::orange();
    case SystemColor::purple:
        return QColor(175, 82, 222);
    case SystemColor::red:
        return QColor(255, 59, 48);
    case SystemColor::blue:
        return QColor(0, 122, 255);
    case SystemColor::green:
        return QColor(52, 199, 89);
    case SystemColor::teal:
        return QColor(48, 176, 199);
    }
    return PanelColors::accent(palette_);
}

bool FeedbackPainter::paint(QPainter& painter, const PanelView& view, const QRectF& frame,
                            double scale) const {
    if (const auto* overlay = dynamic_cast<const OverlayView*>(&view)) {
        paintOverlay(painter, *overlay, frame, scale);
        return true;
    }
    if (const auto* border = dynamic_cast<const BorderView*>(&view)) {
        paintBorder(painter, *border, frame, scale);
        return true;
    }
    return false;
}

void FeedbackPainter::paintOverlay(QPainter& painter, const OverlayView& view, const QRectF& frame,
                                   double scale) const {
    const QColor tint = colour(view.kind.tint());
    const double radius = OverlayView::cornerRadius * scale;
    painter.save();
    painter.fillPath(PanelPainting::rounded(frame, radius),
                     PanelColors::withAlpha(tint, OverlayView::fillOpacity(false)));
    PanelPainting::strokeInside(painter, frame, radius, tint,
                                std::max(1.0, OverlayView::strokeWidth * scale));

    // Drawn smaller than on a screen, the label keeps a legible size and may reach past the shape, which
    // is then too small to hold it.
    QFont font = painter.font();
    font.setPixelSize(static_cast<int>(std::max(minimumLabelPixels, labelSize * scale)));
    font.setBold(true);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const double symbolSize = metrics.height();
    const double padding = metrics.height() / 2;
    const double symbolGap = metrics.height() / 3;
    const double reach = frame.width() / std::min(1.0, scale * 2);
    const double maximumText = std::max(0.0, reach - 2 * padding - symbolSize - symbolGap);
    const QString label =
        metrics.elidedText(QString::fromStdString(view.kind.label()), Qt::ElideRight, maximumText);
    const QSizeF capsuleSize(symbolSize + symbolGap + metrics.horizontalAdvance(label) + 2 * padding,
                             metrics.height() + padding);
    const QRectF capsule(frame.center() - QPointF(capsuleSize.width() / 2, capsuleSize.height() / 2),
                         capsuleSize);
    painter.fillPath(PanelPainting::rounded(capsule, capsule.height() / 2), tint);
    const QRectF symbolArea(capsule.left() + padding, capsule.center().y() - symbolSize / 2, symbolSize,
                            symbolSize);
    const QPixmap symbol =
        tintedSymbol(view.kind.symbol(), symbolSize, Qt::white, painter.device()->devicePixelRatioF());
    if (!symbol.isNull())
        painter.drawPixmap(symbolArea.topLeft(), symbol);
    painter.setPen(Qt::white);
    painter.drawText(capsule.adjusted(padding + symbolSize + symbolGap, 0, -padding, 0),
                     Qt::AlignVCenter | Qt::AlignLeft, label);
    painter.restore();
}

void FeedbackPainter::paintBorder(QPainter& painter, const BorderView& view, const QRectF& frame,
                                  double scale) const {
    QColor stroke = view.color ? qColor(*view.color) : PanelColors::accent(palette_);
    stroke.setAlphaF(stroke.alphaF() * static_cast<float>(view.opacity));
    PanelPainting::strokeInside(painter, frame, BorderView::cornerRadius * scale, stroke,
                                std::max(1.0, BorderView::lineWidth * scale));
}

} // namespace quillmere
