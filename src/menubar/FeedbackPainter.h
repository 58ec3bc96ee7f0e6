#pragma once

#include "platform/Color.h"
#include "platform/qt/PanelViewPainter.h"

#include <QColor>
#include <QPalette>

namespace quillmere {

struct BorderView;
class OverlayView;

// The drawings of the on-screen feedback: the overlays that say what a drop or a command does, and the
// focus border.
class FeedbackPainter final : public PanelViewPainter {
  public:
    explicit FeedbackPainter(QPalette palette) : palette_(std::move(palette)) {}

    bool paint(QPainter& painter, const PanelView& view, const QRectF& frame, double scale) const override;

    QColor colour(SystemColor colour) const;

  private:
    void paintOverlay(QPainter& painter, const OverlayView& view, const QRectF& frame, double scale) const;
    void paintBorder(QPainter& painter, const BorderView& view, const QRectF& frame, double scale) const;

    QPalette palette_;
};

} // namespace quillmere
