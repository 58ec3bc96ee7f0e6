#include "menubar/ArrangementStrip.h"

#include "menubar/PanelColors.h"
#include "menubar/PanelPainting.h"

#include <QPainter>

namespace quillmere {
namespace {

using namespace PanelPainting;

constexpr double menuBarOpacity = 0.85;
constexpr double namePaddingX = 4;
constexpr double namePaddingY = 1;
constexpr double nameMargin = 3;
constexpr double nameBackgroundOpacity = 0.6;
constexpr double markedBorder = 2;
constexpr double plainBorder = 0.5;
constexpr double plainBorderOpacity = 0.25;

} // namespace

ArrangementThumbnailButton::ArrangementThumbnailButton(std::shared_ptr<const Image> wallpaper, QString name,
                                                       QWidget* parent)
    : QAbstractButton(parent), wallpaper_(std::move(wallpaper)), name_(std::move(name)) {
    setToolTip(name_);
    setCursor(Qt::PointingHandCursor);
}

void ArrangementThumbnailButton::setThumbnail(const ArrangementThumbnail& thumbnail) {
    thumbnail_ = thumbnail;
    setAccessibleName(QString::fromStdString(thumbnail.accessibleName));
    setGeometry(qRect(thumbnail.rect).toAlignedRect());
    update();
}

void ArrangementThumbnailButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF area = rect();
    fillWallpaper(painter, wallpaper_.get(), area, radius, palette());
    if (thumbnail_.menuBar) {
        // Rounded at the top only: the bottom half of the rounding is covered by a plain rectangle.
        const double height = thumbnail_.menuBar->height();
        QPainterPath bar = rounded(QRectF(0, 0, area.width(), height), std::min(radius, height / 2));
        bar.addRect(QRectF(0, height / 2, area.width(), height / 2));
        painter.fillPath(bar.simplified(), PanelColors::withAlpha(Qt::white, menuBarOpacity));
    }
    drawName(painter);
    if (thumbnail_.marked)
        strokeInside(painter, area, radius, PanelColors::accent(palette()), markedBorder);
    else
        strokeInside(painter, area, radius, PanelColors::withAlpha(Qt::black, plainBorderOpacity), plainBorder);
}

void ArrangementThumbnailButton::drawName(QPainter& painter) const {
    QFont font = this->font();
    font.setPointSizeF(nameSize);
    font.setWeight(QFont::Medium);
    const double available = width() - 2 * nameMargin - 2 * namePaddingX;
    if (available <= 0)
        return;
    font.setPointSizeF(nameSize *
                       ArrangementStripLayout::nameScale(QFontMetricsF(font).horizontalAdvance(name_), available));
    const QFontMetricsF metrics(font);
    const QString shown = metrics.elidedText(name_, Qt::ElideRight, available);
    const QSizeF capsule(metrics.horizontalAdvance(shown) + 2 * namePaddingX, metrics.height() + 2 * namePaddingY);
    const QRectF place(nameMargin, height() - nameMargin - capsule.height(), capsule.width(), capsule.height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(PanelColors::withAlpha(PanelColors::background(palette()), nameBackgroundOpacity));
    painter.drawRoundedRect(place, place.height() / 2, place.height() / 2);
    painter.setFont(font);
    painter.setPen(PanelColors::primary(palette()));
    painter.drawText(place, Qt::AlignCenter, shown);
}

ArrangementStrip::ArrangementStrip(Wallpaper& wallpaper, double height, QWidget* parent)
    : QWidget(parent), wallpaper_(wallpaper) {
    setFixedHeight(static_cast<int>(height));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void ArrangementStrip::setItems(std::vector<ArrangementItem> items, std::optional<std::string> selected) {
    for (ArrangementThumbnailButton* button : buttons_)
        delete button;
    buttons_.clear();
    items_ = std::move(items);
    selected_ = std::move(selected);
    for (const ArrangementItem& item : items_) {
        auto* button =
            new ArrangementThumbnailButton(wallpaper_.image(item.id), QString::fromStdString(item.name), this);
        connect(button, &QAbstractButton::clicked, this, [this, id = item.id] {
            if (select)
                select(id);
        });
        button->show();
        buttons_.push_back(button);
    }
    place();
}

void ArrangementStrip::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    place();
}

void ArrangementStrip::place() {
    const auto thumbnails =
        ArrangementStripLayout::thumbnails(items_, selected_, {static_cast<double>(width()), static_cast<double>(height())});
    for (std::size_t index = 0; index < buttons_.size(); ++index)
        buttons_[index]->setThumbnail(thumbnails[index]);
}

} // namespace quillmere
