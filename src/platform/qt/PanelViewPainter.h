#pragma once

#include "platform/Panels.h"

#include <QPainter>
#include <QRectF>

namespace quillmere {

// Draws what the application's panels show. A desktop that puts panels on screen itself knows where they
// stand; only the application knows what each of its views looks like, so it hands this down.
class PanelViewPainter {
  public:
    virtual ~PanelViewPainter() = default;

    // Paints the view inside the frame, in the painter's coordinates, `scale` of its pixels to a point; the
    // painter's opacity already holds the panel's alpha. False for a view it does not know.
    virtual bool paint(QPainter& painter, const PanelView& view, const QRectF& frame, double scale) const = 0;
};

} // namespace quillmere
