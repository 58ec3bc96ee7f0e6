#pragma once

#include "menubar/MiniMapModel.h"
#include "menubar/SpacesMapLayout.h"
#include "platform/RunningApplications.h"
#include "system/SpaceSwitcher.h"
#include "system/Wallpaper.h"
#include "system/WindowPreviews.h"

#include <QWidget>
#include <functional>
#include <map>
#include <optional>

namespace quillmere {

// What the Spaces map draws from and acts through, besides its model.
struct SpacesMapServices {
    SpaceSwitcher& switcher;
    RunningApplications& applications;
    WindowPreviews& previews;
    Wallpaper& wallpaper;
};

// Every display's Spaces as cards with their windows as tiles, wrapping in rows as wide as the view, or in
// one row per display that the wheel scrolls sideways. A click
// on a card switches to its Space, a click on a tile goes to its window, and both then call `close`; a tile
// dragged onto another Desktop's card sends its window there. Only drags that started on a map's tiles are
// taken, so that text dropped from another program moves nothing.
class SpacesMapView : public QWidget {
  public:
    SpacesMapView(MiniMapModel& model, SpacesMapServices services, double cardHeight, std::function<void()> close,
                  bool wraps = true, QWidget* parent = nullptr);
    ~SpacesMapView() override;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

    void setCardHeight(double cardHeight);
    const SpacesMapLayout& layout() const { return layout_; }
    // How far the display's row is scrolled.
    double scrolled(std::size_t display) const;
    std::optional<WindowId> hovered() const { return hovered_; }
    std::optional<SpaceId> dropTarget() const { return dropTarget_; }
    // The help of what lies at the point: a card's or a tile's; empty between cards.
    std::string help(QPointF point) const;
    // Handles dropped texts on the card under the point; false when refused.
    bool drop(QPointF point, const std::vector<std::string>& texts);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    SpacesMapLayout layoutFor(int width) const;
    void relayout();
    // The layout at the view's width with each row at its scroll offset, kept within its cards.
    void layOutScrolled();
    void drawScrollBar(QPainter& painter, const MapRow& row) const;
    // The Desktop card under the point that takes drops.
    const MapCard* dropCard(QPointF point) const;
    void click(QPointF point);
    void startDrag(const MapTile& tile);
    void drawCard(QPainter& painter, const MapCard& card) const;
    void drawTile(QPainter& painter, const MapTile& tile) const;
    void drawPane(QPainter& painter, const MapTile& pane) const;
    void drawCaption(QPainter& painter, const MapCard& card) const;

    MiniMapModel& model_;
    SpacesMapServices services_;
    double cardHeight_;
    std::function<void()> close_;
    bool wraps_;
    // By display; only rows that do not wrap scroll.
    std::map<std::size_t, double> scrolls_;
    SpacesMapLayout layout_;
    std::optional<WindowId> hovered_;
    std::optional<SpaceId> dropTarget_;
    std::optional<QPointF> pressedAt_;
    MiniMapModel::ObserverId modelObserver_;
    WindowPreviews::ObserverId previewsObserver_;
};

} // namespace quillmere
