#include "menubar/PanelPainting.h"

#include "menubar/PanelColors.h"
#include "menubar/PanelPictures.h"

#include <algorithm>

namespace quillmere::PanelPainting {

QPainterPath rounded(const QRectF& rect, double radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

void strokeInside(QPainter& painter, const QRectF& rect, double radius, const QColor& colour, double width,
                  Qt::PenStyle style) {
    QPen pen(colour, width, style);
    if (style == Qt::DashLine)
        pen.setDashPattern({3 / width, 2 / width});
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const double half = width / 2;
    painter.drawPath(rounded(rect.adjusted(half, half, -half, -half), std::max(radius - half, 0.0)));
}

void drawFilling(QPainter& painter, const QImage& image, const QRectF& area) {
    if (image.isNull())
        return;
    const double scale = std::max(area.width() / image.width(), area.height() / image.height());
    const QSizeF size(image.width() * scale, image.height() * scale);
    painter.drawImage(QRectF(area.center() - QPointF(size.width() / 2, size.height() / 2), size), image);
}

void fillWallpaper(QPainter& painter, const Image* image, const QRectF& area, double radius, const QPalette& palette) {
    const QPainterPath piece = rounded(area, radius);
    if (!image) {
        painter.fillPath(piece, PanelColors::quaternary(palette));
        return;
    }
    painter.save();
    painter.setClipPath(piece, Qt::IntersectClip);
    drawFilling(painter, qImage(*image), area);
    painter.restore();
}

} // namespace quillmere::PanelPainting
