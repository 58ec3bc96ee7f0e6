#pragma once

#include "profiles/CanvasEditing.h"
#include "profiles/ProfilesServices.h"
#include "profiles/TileMenu.h"
#include "settings/model/SettingsModel.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

namespace quillmere {

// The tile layout of one Desktop on one display over its desktop picture, edited in place: a click on a
// tile opens its menu, a tile drags out as a TileDrag text, and the gaps between tiles drag to resize. Each
// finished edit goes to `change` once; the canvas saves nothing itself.
class LayoutCanvas : public QWidget {
  public:
    // The model and the services must outlive the canvas.
    LayoutCanvas(SettingsModel& model, ProfilesServices& services, std::int64_t space, LayoutSnapshot tree,
                 std::shared_ptr<const Image> wallpaper, double gap, QWidget* parent = nullptr);
    ~LayoutCanvas() override;

    std::function<void(const LayoutSnapshot&)> change = [](const LayoutSnapshot&) {};
    // While false a press does nothing but call `pressed`: only the part being edited is edited.
    bool editable = true;
    std::function<void()> pressed = [] {};
    // Carries the tile away as its drag text; set by default to a drag and drop of the system.
    std::function<void(const LayoutTile&)> startDrag;

    const CanvasEditing& editing() const { return editing_; }
    // The open tile menu; none while closed.
    TileMenu* menu() const { return menu_; }
    // Where a tile lies, in the canvas's coordinates.
    std::optional<QRect> tileRect(const LayoutPath& path) const;
    QRect handleRect(const LayoutPath& path) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    Rect bounds() const;
    void paintTile(QPainter& painter, const LayoutTile& tile) const;
    void paintTileContent(QPainter& painter, const LayoutTile& tile, const QRectF& rect) const;
    std::shared_ptr<const Image> preview(const std::vector<WindowRef>& refs) const;
    void hover(QPoint point);
    void runTileDrag(const LayoutTile& tile);
    void openMenu(const LayoutTile& tile);
    void menuClosed();

    QPixmap icon(const std::string& bundleID) const;

    SettingsModel& model_;
    ProfilesServices& services_;
    std::int64_t space_;
    std::shared_ptr<const Image> wallpaper_;
    CanvasEditing editing_;
    std::optional<LayoutPath> hoveredTile_;
    std::optional<LayoutPath> hoveredDivider_;
    // A press on a tile, until it becomes a click or a drag.
    std::optional<std::pair<LayoutTile, QPoint>> pressedTile_;
    QPointer<TileMenu> menu_;
    SettingsModel::ObserverToken observer_;
    WindowPreviews::ObserverId previewsObserver_ = 0;
};

} // namespace quillmere
