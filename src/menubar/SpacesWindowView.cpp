#include "menubar/SpacesWindowView.h"

#include "menubar/SpacesWindowLayout.h"

#include <QGraphicsOpacityEffect>
#include <QVBoxLayout>

namespace quillmere {

SpacesWindowView::SpacesWindowView(MiniMapModel& model, SpacesMapServices services, QWidget* parent)
    : QWidget(parent), model_(model),
      map_(new SpacesMapView(model, services, SpacesWindowLayout::minimumCardHeight, [] {}, false)) {
    auto* column = new QVBoxLayout(this);
    const int padding = static_cast<int>(SpacesWindowLayout::padding);
    column->setContentsMargins(padding, padding, padding, padding);
    column->addWidget(map_, 1, Qt::AlignTop);
    setGraphicsEffect(new QGraphicsOpacityEffect);
    observer_ = model_.observe([this] { fit(); });
    fit();
}

SpacesWindowView::~SpacesWindowView() { model_.stopObserving(observer_); }

double SpacesWindowView::opacity() const { return static_cast<QGraphicsOpacityEffect*>(graphicsEffect())->opacity(); }

void SpacesWindowView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fit();
}

void SpacesWindowView::fit() {
    map_->setCardHeight(SpacesWindowLayout::cardHeight(height(), model_.displays().size()));
    static_cast<QGraphicsOpacityEffect*>(graphicsEffect())->setOpacity(model_.status().paused ? pausedOpacity : 1);
}

} // namespace quillmere
