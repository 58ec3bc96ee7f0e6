#include "menubar/SpacesMapView.h"

#include "menubar/MiniMapTexts.h"
#include "menubar/PanelColors.h"
#include "menubar/PanelPictures.h"
#include "menubar/RoundedPainting.h"
#include "menubar/WindowIdText.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QHelpEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

namespace quillmere {
namespace {

constexpr double cardRadius = 5;
constexpr double pieceRadius = 3;
constexpr double tileRadius = 3;
constexpr double veilOpacity = 0.45;
constexpr int dragIconSize = 24;

Point point(QPointF point) { return {point.x(), point.y()}; }
QString qText(const std::string& text) { return QString::fromStdString(text); }

QFont captionFont(const QFont& base, bool semibold) {
    QFont font = base;
    font.setPointSizeF(base.pointSizeF() * 0.8);
    font.setWeight(semibold ? QFont::DemiBold : QFont::Normal);
    return font;
}

QFont headerFont(const QFont& base) {
    QFont font = base;
    font.setPointSizeF(base.pointSizeF() * 0.85);
    font.setWeight(QFont::DemiBold);
    return font;
}

// The picture filling the area with its aspect ratio kept, centred; what overflows is cut by the clip.
void drawFilling(QPainter& painter, const QImage& image, const QRectF& area) {
    if (image.isNull())
        return;
    const double scale = std::max(area.width() / image.width(), area.height() / image.height());
    const QSizeF size(image.width() * scale, image.height() * scale);
    painter.drawImage(QRectF(area.center() - QPointF(size.width() / 2, size.height() / 2), size), image);
}

} // namespace

SpacesMapView::SpacesMapView(MiniMapModel& model, SpacesMapServices services, double cardHeight,
                             std::function<void()> close, QWidget* parent)
    : QWidget(parent), model_(model), services_(services), cardHeight_(cardHeight), close_(std::move(close)) {
    setAcceptDrops(true);
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    modelObserver_ = model_.observe([this] { relayout(); });
    previewsObserver_ = services_.previews.observe([this](const WindowPreviews::Images&) { update(); });
    relayout();
}

SpacesMapView::~SpacesMapView() {
    model_.stopObserving(modelObserver_);
    services_.previews.stopObserving(previewsObserver_);
}

SpacesMapLayout SpacesMapView::layoutFor(int width) const {
    const QFontMetricsF header(headerFont(font()));
    const QFont regular = captionFont(font(), false);
    const QFont semibold = captionFont(font(), true);
    const CaptionMetrics captions{
        .height = QFontMetricsF(regular).height(),
        .width = [&](const std::string& text, bool bold) {
            return QFontMetricsF(bold ? semibold : regular).horizontalAdvance(qText(text));
        },
    };
    return SpacesMapLayout::make(model_.displays(), cardHeight_, width, header.height(), captions,
                                 services_.applications);
}

void SpacesMapView::relayout() {
    layout_ = layoutFor(width());
    updateGeometry();
    update();
}

int SpacesMapView::heightForWidth(int width) const {
    return static_cast<int>(std::ceil(layoutFor(width).size.height));
}

QSize SpacesMapView::sizeHint() const {
    const int width = std::max(this->width(), 1);
    return QSize(width, heightForWidth(width));
}

void SpacesMapView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layout_ = layoutFor(width());
}

std::string SpacesMapView::help(QPointF at) const {
    const MapCard* card = layout_.cardAt(point(at));
    if (!card)
        return {};
    const MiniSpace& space = model_.displays()[card->display].spaces[card->space];
    if (card->fullScreen)
        return MiniMapTexts::fullScreenHelp(card->text);
    const Point inside{at.x() - card->picture.minX(), at.y() - card->picture.minY()};
    if (const MapTile* tile = SpacesMapLayout::tileAt(*card, inside))
        return MiniMapTexts::tileHelp(tile->floating, model_.shortcut("float"));
    return MiniMapTexts::desktopHelp(space, card->veiled);
}

const MapCard* SpacesMapView::dropCard(QPointF at) const {
    const MapCard* card = layout_.cardAt(point(at));
    return card && !card->fullScreen ? card : nullptr;
}

bool SpacesMapView::drop(QPointF at, const std::vector<std::string>& texts) {
    dropTarget_.reset();
    update();
    const MapCard* card = dropCard(at);
    if (!card || texts.empty())
        return false;
    const MiniDisplay& display = model_.displays()[card->display];
    const MiniSpace& space = display.spaces[card->space];
    const DropTarget target = quillmere::dropTarget(display, space, {at.x() - card->picture.minX(), at.y() - card->picture.minY()},
                                         card->picture.size);
    std::vector<WindowId> windows;
    for (const std::string& text : texts)
        if (const auto window = windowIdFromText(text))
            windows.push_back(*window);
    // Sending refreshes the model, which lays the map out anew: nothing of the layout is read after this.
    for (WindowId window : windows)
        model_.send(window, target.space, target.keepingDisplay);
    return true;
}

bool SpacesMapView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const std::string text = this->help(help->pos());
        if (text.empty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), qText(text), this);
        return true;
    }
    return QWidget::event(event);
}

void SpacesMapView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        pressedAt_ = event->position();
}

void SpacesMapView::mouseMoveEvent(QMouseEvent* event) {
    std::optional<WindowId> hovered;
    if (const MapCard* card = layout_.cardAt(point(event->position())); card && !card->fullScreen) {
        const Point inside{event->position().x() - card->picture.minX(), event->position().y() - card->picture.minY()};
        if (const MapTile* tile = SpacesMapLayout::tileAt(*card, inside))
            hovered = tile->window;
    }
    if (hovered != hovered_) {
        hovered_ = hovered;
        setCursor(hovered ? Qt::OpenHandCursor : Qt::ArrowCursor);
        update();
    }
    if (!pressedAt_ || !(event->buttons() & Qt::LeftButton) ||
        (event->position() - *pressedAt_).manhattanLength() < QApplication::startDragDistance())
        return;
    const QPointF pressed = *pressedAt_;
    pressedAt_.reset();
    const MapCard* card = dropCard(pressed);
    if (!card)
        return;
    const Point inside{pressed.x() - card->picture.minX(), pressed.y() - card->picture.minY()};
    if (const MapTile* tile = SpacesMapLayout::tileAt(*card, inside))
        startDrag(*tile);
}

void SpacesMapView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressedAt_)
        return;
    const QPointF at = *pressedAt_;
    pressedAt_.reset();
    click(at);
}

void SpacesMapView::leaveEvent(QEvent* event) {
    hovered_.reset();
    update();
    QWidget::leaveEvent(event);
}

void SpacesMapView::click(QPointF at) {
    const MapCard* card = layout_.cardAt(point(at));
    if (!card)
        return;
    const MiniSpace& space = model_.displays()[card->display].spaces[card->space];
    const Point inside{at.x() - card->picture.minX(), at.y() - card->picture.minY()};
    const MapTile* tile = card->fullScreen ? nullptr : SpacesMapLayout::tileAt(*card, inside);
    if (tile)
        model_.manager().show(tile->window);
    else
        services_.switcher.switchTo(space.id);
    close_();
}

void SpacesMapView::startDrag(const MapTile& tile) {
    auto* drag = new QDrag(this);
    auto* data = new QMimeData;
    data->setText(QString::number(tile.window));
    drag->setMimeData(data);
    const QIcon icon = applicationIcon(services_.applications, tile.pid);
    if (!icon.isNull())
        drag->setPixmap(icon.pixmap(QSize(dragIconSize, dragIconSize), devicePixelRatioF()));
    drag->exec(Qt::MoveAction);
}

void SpacesMapView::dragEnterEvent(QDragEnterEvent* event) {
    // Only a map's own tiles carry windows: text from anywhere else would send whatever window it names.
    if (!dynamic_cast<SpacesMapView*>(event->source()) || !event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    dragMoveEvent(event);
}

void SpacesMapView::dragMoveEvent(QDragMoveEvent* event) {
    const MapCard* card = dropCard(event->position());
    const std::optional<SpaceId> target =
        card ? std::optional(model_.displays()[card->display].spaces[card->space].id) : std::nullopt;
    if (target != dropTarget_) {
        dropTarget_ = target;
        update();
    }
    if (card)
        event->acceptProposedAction();
    else
        event->ignore();
}

void SpacesMapView::dragLeaveEvent(QDragLeaveEvent*) {
    dropTarget_.reset();
    update();
}

void SpacesMapView::dropEvent(QDropEvent* event) {
    std::vector<std::string> texts;
    if (event->mimeData()->hasText())
        texts.push_back(event->mimeData()->text().toStdString());
    if (dynamic_cast<SpacesMapView*>(event->source()) && drop(event->position(), texts))
        event->acceptProposedAction();
    else
        event->ignore();
}

void SpacesMapView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setFont(headerFont(font()));
    painter.setPen(PanelColors::secondary(palette()));
    for (const MapHeader& header : layout_.headers)
        painter.drawText(qRect(header.frame), Qt::AlignLeft | Qt::AlignVCenter, qText(header.text));
    for (const MapCard& card : layout_.cards)
        drawCard(painter, card);
}

void SpacesMapView::drawCard(QPainter& painter, const MapCard& card) const {
    const MiniDisplay& display = model_.displays()[card.display];
    const MiniSpace& space = display.spaces[card.space];
    const QRectF picture = qRect(card.picture);
    const QPainterPath shape = rounded(picture, cardRadius);
    painter.save();
    painter.setClipPath(shape);
    painter.translate(picture.topLeft());
    if (card.fullScreen) {
        if (card.tiles.empty())
            painter.fillRect(QRectF(QPointF(), picture.size()), PanelColors::quaternary(palette()));
        for (const MapTile& pane : card.tiles)
            drawPane(painter, pane);
    } else {
        const auto fill = [&](const std::optional<std::string>& id, const QRectF& area, double radius) {
            const auto image = services_.wallpaper.image(id);
            const QPainterPath piece = rounded(area, radius);
            if (!image) {
                painter.fillPath(piece, PanelColors::quaternary(palette()));
                return;
            }
            painter.save();
            painter.setClipPath(piece, Qt::IntersectClip);
            drawFilling(painter, qImage(*image), area);
            painter.restore();
        };
        if (card.wallpapers.empty())
            fill(display.id, QRectF(QPointF(), picture.size()), cardRadius);
        for (std::size_t index = 0; index < card.wallpapers.size(); ++index)
            fill(index < display.panelDisplays.size() ? std::optional(display.panelDisplays[index]) : std::nullopt,
                 qRect(card.wallpapers[index]), pieceRadius);
        for (const MapTile& tile : card.tiles)
            drawTile(painter, tile);
    }
    painter.restore();

    if (card.current) {
        strokeInside(painter, picture, cardRadius, Qt::white, 2.5);
        painter.setPen(QPen(QColor(0, 0, 0, 64), 0.5));
        painter.drawPath(shape);
    } else {
        strokeInside(painter, picture, cardRadius, PanelColors::withAlpha(PanelColors::secondary(palette()), 0.3), 0.5);
    }
    if (card.veiled)
        painter.fillPath(shape, PanelColors::withAlpha(PanelColors::background(palette()), veilOpacity));
    if (card.fullScreen) {
        const QRectF badge(picture.right() - 2 - 13, picture.top() + 2, 13, 13);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 89));
        painter.drawEllipse(badge);
        painter.drawPixmap(badge.adjusted(3, 3, -3, -3).topLeft(),
                           tintedSymbol("arrow.up.backward.and.arrow.down.forward", 7, Qt::white, devicePixelRatioF()));
    }
    if (!card.fullScreen && dropTarget_ == space.id) {
        const QColor accent = PanelColors::accent(palette());
        painter.fillPath(shape, PanelColors::withAlpha(accent, 0.25));
        strokeInside(painter, picture, cardRadius, accent, 2.5);
        QFont font = captionFont(this->font(), true);
        painter.setFont(font);
        const QFontMetricsF metrics(font);
        const double width = metrics.horizontalAdvance(qText(std::string(MiniMapTexts::moveHere))) + 12;
        const double height = metrics.height() + 2;
        const QRectF label(picture.center().x() - width / 2, picture.bottom() - 3 - height, width, height);
        painter.fillPath(rounded(label, height / 2), accent);
        painter.setPen(Qt::white);
        painter.drawText(label, Qt::AlignCenter, qText(std::string(MiniMapTexts::moveHere)));
    }
    drawCaption(painter, card);
}

void SpacesMapView::drawTile(QPainter& painter, const MapTile& tile) const {
    const QRectF frame = qRect(tile.frame);
    const QPainterPath shape = rounded(frame, tileRadius);
    painter.fillPath(shape, PanelColors::background(palette()));
    const auto preview = services_.previews.images().find(tile.window);
    const bool hasPreview = preview != services_.previews.images().end() && preview->second;
    if (hasPreview) {
        painter.save();
        painter.setClipPath(shape, Qt::IntersectClip);
        drawFilling(painter, qImage(*preview->second), frame);
        painter.restore();
    }
    const bool hovered = hovered_ == tile.window;
    const QColor accent = PanelColors::accent(palette());
    if (tile.floating)
        strokeInside(painter, frame, tileRadius, accent, 1.5, hovered ? Qt::SolidLine : Qt::DashLine);
    else if (hovered)
        strokeInside(painter, frame, tileRadius, accent, 1.5);
    else
        strokeInside(painter, frame, tileRadius, PanelColors::withAlpha(PanelColors::secondary(palette()), 0.5), 1);
    const QIcon icon = applicationIcon(services_.applications, tile.pid);
    if (!icon.isNull()) {
        const double most = hasPreview ? 14 : 20;
        const double side = std::min({most, frame.width() - 4, frame.height() - 4});
        if (side > 0) {
            const QRectF place = hasPreview
                                     ? QRectF(frame.right() - 2 - side, frame.bottom() - 2 - side, side, side)
                                     : QRectF(frame.center().x() - side / 2, frame.center().y() - side / 2, side, side);
            icon.paint(&painter, place.toAlignedRect());
        }
    }
    if (tile.floating)
        painter.drawPixmap(QPointF(frame.right() - 2 - 8, frame.top() + 2),
                           tintedSymbol("macwindow.on.rectangle", 8, accent, devicePixelRatioF()));
}

void SpacesMapView::drawPane(QPainter& painter, const MapTile& pane) const {
    const QRectF frame = qRect(pane.frame);
    painter.fillRect(frame, PanelColors::background(palette()));
    const auto preview = services_.previews.images().find(pane.window);
    if (preview != services_.previews.images().end() && preview->second) {
        painter.save();
        painter.setClipRect(frame, Qt::IntersectClip);
        drawFilling(painter, qImage(*preview->second), frame);
        painter.restore();
        return;
    }
    const QIcon icon = applicationIcon(services_.applications, pane.pid);
    if (!icon.isNull()) {
        const double side = std::min({22.0, frame.width(), frame.height()});
        icon.paint(&painter, QRectF(frame.center().x() - side / 2, frame.center().y() - side / 2, side, side).toAlignedRect());
    }
}

void SpacesMapView::drawCaption(QPainter& painter, const MapCard& card) const {
    const QRectF area = qRect(card.caption);
    const QFont font = captionFont(this->font(), card.current);
    painter.setFont(font);
    QRectF text = area;
    if (card.current) {
        painter.fillPath(rounded(area, area.height() / 2), PanelColors::accent(palette()));
        painter.setPen(Qt::white);
        text = area.adjusted(SpacesMapLayout::captionPadding, 1, -SpacesMapLayout::captionPadding, -1);
    } else {
        painter.setPen(PanelColors::secondary(palette()));
    }
    const QString shown = QFontMetricsF(font).elidedText(qText(card.captionText), Qt::ElideRight, text.width());
    painter.drawText(text, Qt::AlignCenter, shown);
}

} // namespace quillmere
