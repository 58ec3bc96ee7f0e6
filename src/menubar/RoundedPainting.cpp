#include "menubar/RoundedPainting.h"

#include <algorithm>

namespace quillmere {

QRectF qRect(const Rect& rect) {
    return QRectF(rect.minX(), rect.minY(), rect.width(), rect.height());
}

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

} // namespace quillmere
