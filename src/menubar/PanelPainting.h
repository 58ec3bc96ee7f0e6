#pragma once

#include "core/Geometry.h"
#include "platform/Image.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QRectF>

namespace quillmere {

// Shapes the panels' views draw alike.
namespace PanelPainting {

inline QRectF qRect(const Rect& rect) { return QRectF(rect.minX(), rect.minY(), rect.width(), rect.height()); }
QPainterPath rounded(const QRectF& rect, double radius);
// A stroke inside the edge of the rounded rectangle; dashed 3 on, 2 off.
void strokeInside(QPainter& painter, const QRectF& rect, double radius, const QColor& colour, double width,
                  Qt::PenStyle style = Qt::SolidLine);
// The picture filling the area with its aspect ratio kept, centred; what overflows is cut by the clip.
void drawFilling(QPainter& painter, const QImage& image, const QRectF& area);
// A desktop picture filling the rounded area, or the faintest fill without one.
void fillWallpaper(QPainter& painter, const Image* image, const QRectF& area, double radius, const QPalette& palette);

} // namespace PanelPainting

} // namespace quillmere
