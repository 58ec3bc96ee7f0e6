#pragma once

#include "menubar/ArrangementStripLayout.h"
#include "system/Wallpaper.h"

#include <QAbstractButton>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// One display's thumbnail in a strip: its desktop picture, the menu bar on the main display, its name in a
// capsule at the bottom left, and the accent border when marked. A click anywhere on it is a click on it.
class ArrangementThumbnailButton final : public QAbstractButton {
  public:
    static constexpr double radius = 3;
    static constexpr double nameSize = 9;

    ArrangementThumbnailButton(std::shared_ptr<const Image> wallpaper, QString name, QWidget* parent);

    void setThumbnail(const ArrangementThumbnail& thumbnail);
    const ArrangementThumbnail& thumbnail() const { return thumbnail_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void drawName(QPainter& painter) const;

    std::shared_ptr<const Image> wallpaper_;
    QString name_;
    ArrangementThumbnail thumbnail_;
};

// A set of displays drawn as small thumbnails placed as the displays are arranged, one factor scaling them
// all to the strip's height (or width), centred. A click on one calls `select` with its identifier; without
// `select` a click does nothing.
class ArrangementStrip final : public QWidget {
  public:
    ArrangementStrip(Wallpaper& wallpaper, double height, QWidget* parent = nullptr);

    // In drawing order.
    void setItems(std::vector<ArrangementItem> items, std::optional<std::string> selected);
    std::function<void(const std::string& id)> select;

    const std::vector<ArrangementItem>& items() const { return items_; }
    // In the items' order.
    std::vector<ArrangementThumbnailButton*> buttons() const { return buttons_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void place();

    Wallpaper& wallpaper_;
    std::vector<ArrangementItem> items_;
    std::optional<std::string> selected_;
    std::vector<ArrangementThumbnailButton*> buttons_;
};

} // namespace quillmere
