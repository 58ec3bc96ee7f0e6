#pragma once

#include "core/Geometry.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace quillmere {

// The drawing pieces of the rounded cards and tiles the panels and editors paint.

QRectF qRect(const Rect& rect);
QPainterPath rounded(const QRectF& rect, double radius);
// A stroke inside the edge of the rounded rectangle; dashed 3 on, 2 off.
void strokeInside(QPainter& painter, const QRectF& rect, double radius, const QColor& colour, double width,
                  Qt::PenStyle style = Qt::SolidLine);

} // namespace quillmere
