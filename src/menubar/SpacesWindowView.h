#pragma once

#include "menubar/MiniMapModel.h"
#include "menubar/SpacesMapView.h"

#include <QWidget>

namespace quillmere {

// The overview's content: the Spaces map with one sideways row per display, padded 20, its cards as high as
// the view allows. Clicks in it leave it open. While tiling is paused it is drawn at half strength but stays
// usable.
class SpacesWindowView : public QWidget {
  public:
    static constexpr double pausedOpacity = 0.5;

    SpacesWindowView(MiniMapModel& model, SpacesMapServices services, QWidget* parent = nullptr);
    ~SpacesWindowView() override;

    SpacesMapView* map() const { return map_; }
    double opacity() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void fit();

    MiniMapModel& model_;
    SpacesMapView* map_;
    MiniMapModel::ObserverId observer_;
};

} // namespace quillmere
