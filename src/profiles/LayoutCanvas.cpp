#include "profiles/LayoutCanvas.h"

#include "menubar/PanelColors.h"
#include "menubar/PanelPainting.h"
#include "menubar/PanelPictures.h"
#include "profiles/MenuPlacement.h"
#include "profiles/TileDragData.h"
#include "profiles/TileMenu.h"
#include "system/Wallpaper.h"
#include "widgets/SymbolPixmap.h"

#include <QApplication>
#include <QDrag>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace quillmere {

namespace {

using namespace PanelPainting;

constexpr double cornerRadius = 10;
constexpr double tileRadius = 6;
constexpr int bigIcon = 32;
constexpr int smallIcon = 16;
constexpr int iconOverlap = 6;
// Window previews are kept at two pixels per point.
constexpr double previewPixelRatio = 2;

QFont scaled(QFont font, double factor) {
    font.setPointSizeF(font.pointSizeF() * factor);
    return font;
}

QColor material(const QPalette& palette) {
    return PanelColors::withAlpha(PanelColors::background(palette), 0.7);
}

// The image scaled to fill the rectangle, its proportions kept, centred: what overflows is clipped.
QRectF filling(const QSizeF& image, const QRectF& rect) {
    if (image.isEmpty())
        return rect;
    const double scale = std::max(rect.width() / image.width(), rect.height() / image.height());
    const QSizeF size = image * scale;
    return {rect.center().x() - size.width() / 2, rect.center().y() - size.height() / 2, size.width(), size.height()};
}

} // namespace

LayoutCanvas::LayoutCanvas(SettingsModel& model, ProfilesServices& services, std::int64_t space, LayoutSnapshot tree,
                           std::shared_ptr<const Image> wallpaper, double gap, QWidget* parent)
    : QWidget(parent), model_(model), services_(services), space_(space), wallpaper_(std::move(wallpaper)),
      editing_(std::move(tree), gap) {
    setMouseTracking(true);
    setMinimumSize(40, 30);
    startDrag = [this](const LayoutTile& tile) { runTileDrag(tile); };
    observer_ = model_.addObserver([this](SettingsModel::Property property) {
        if (property == SettingsModel::Property::liveWindows)
            update();
    });
    if (services_.previews)
        previewsObserver_ = services_.previews->observe([this](const WindowPreviews::Images&) { update(); });
}

LayoutCanvas::~LayoutCanvas() {
    model_.removeObserver(observer_);
    if (services_.previews)
        services_.previews->stopObserving(previewsObserver_);
}

QPixmap LayoutCanvas::icon(const std::string& bundleID) const {
    return services_.icons.icon(services_.apps.name(bundleID));
}

Rect LayoutCanvas::bounds() const {
    return {0, 0, static_cast<double>(width()), static_cast<double>(height())};
}

std::optional<QRect> LayoutCanvas::tileRect(const LayoutPath& path) const {
    for (const auto& tile : editing_.tiles(bounds())) {
        if (tile.path == path)
            return qRect(tile.rect).toRect();
    }
    return std::nullopt;
}

QRect LayoutCanvas::handleRect(const LayoutPath& path) const {
    for (const auto& divider : editing_.dividers(bounds())) {
        if (divider.path == path)
            return qRect(CanvasEditing::handle(divider)).toRect();
    }
    return {};
}

void LayoutCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF whole = rect();
    const QPainterPath outline = rounded(whole, cornerRadius);
    const WallpaperFill fill{wallpaper_, cornerRadius};
    if (const auto picture = fill.imageRect(bounds()); picture && wallpaper_) {
        painter.save();
        painter.setClipPath(outline);
        painter.drawImage(qRect(*picture), qImage(*wallpaper_));
        painter.restore();
    } else {
        painter.fillPath(outline, PanelColors::quaternary(palette()));
    }
    strokeInside(painter, whole, cornerRadius, PanelColors::withAlpha(PanelColors::secondary(palette()), 0.4), 2);

    for (const auto& tile : editing_.tiles(bounds()))
        paintTile(painter, tile);
    for (const auto& divider : editing_.dividers(bounds())) {
        if (divider.path == hoveredDivider_)
            painter.fillRect(qRect(CanvasEditing::handle(divider)), PanelColors::withAlpha(PanelColors::accent(palette()), 0.6));
    }
}

void LayoutCanvas::paintTile(QPainter& painter, const LayoutTile& tile) const {
    const QRectF rect = qRect(tile.rect);
    const QPainterPath shape = rounded(rect, tileRadius);
    const bool editing = editing_.editing() == tile.path;
    painter.fillPath(shape, material(palette()));
    if (editing || hoveredTile_ == tile.path)
        painter.fillPath(shape, PanelColors::withAlpha(PanelColors::accent(palette()), 0.15));
    paintTileContent(painter, tile, rect);
    if (editing)
        strokeInside(painter, rect, tileRadius, PanelColors::accent(palette()), 2);
    else
        strokeInside(painter, rect, tileRadius, PanelColors::withAlpha(PanelColors::secondary(palette()), 0.4), 1);
}

std::shared_ptr<const Image> LayoutCanvas::preview(const std::vector<WindowRef>& refs) const {
    if (!services_.previews)
        return nullptr;
    const auto& live = model_.liveWindows();
    const auto& images = services_.previews->images();
    for (const auto& ref : refs) {
        const auto window = live.find(ref);
        if (window == live.end())
            continue;
        if (const auto image = images.find(window->second); image != images.end() && image->second)
            return image->second;
    }
    return nullptr;
}

void LayoutCanvas::paintTileContent(QPainter& painter, const LayoutTile& tile, const QRectF& rect) const {
    const QFont caption = scaled(font(), 0.85);
    const QColor secondary = PanelColors::secondary(palette());
    painter.setFont(caption);
    if (tile.refs.empty()) {
        const QFontMetricsF metrics(caption);
        const QString text = "Choose app";
        const double symbol = metrics.height();
        const double width = symbol + 4 + metrics.horizontalAdvance(text);
        const QPointF origin(rect.center().x() - width / 2, rect.center().y() - symbol / 2);
        painter.drawPixmap(QRectF(origin, QSizeF(symbol, symbol)), symbolPixmap("plus.circle", secondary, int(symbol)),
                           QRectF());
        painter.setPen(secondary);
        painter.drawText(QRectF(origin.x() + symbol + 4, origin.y(), width, symbol), Qt::AlignLeft | Qt::AlignVCenter,
                         text);
        return;
    }
    QStringList names;
    for (const auto& ref : tile.refs)
        names << QString::fromStdString(services_.apps.name(ref.app));
    const QString joined = names.join(", ");

    if (const auto image = preview(tile.refs)) {
        QImage picture = qImage(*image);
        const QRectF inner = rect.adjusted(1, 1, -1, -1);
        painter.save();
        painter.setClipPath(rounded(inner, tileRadius - 1));
        painter.drawImage(filling(QSizeF(picture.size()) / previewPixelRatio, inner), picture);
        painter.restore();

        const QFontMetricsF metrics(caption);
        const double rowHeight = std::max<double>(smallIcon, metrics.height());
        const double maxText = std::max(0.0, rect.width() - 12 - 12 - tile.refs.size() * (smallIcon + 4));
        const QString text = metrics.elidedText(joined, Qt::ElideRight, maxText);
        const double width = tile.refs.size() * (smallIcon + 4) + metrics.horizontalAdvance(text) + 12;
        const QRectF strip(rect.center().x() - width / 2, rect.bottom() - 6 - rowHeight - 4, width, rowHeight + 4);
        painter.fillPath(rounded(strip, strip.height() / 2), material(palette()));
        double x = strip.left() + 6;
        for (const auto& ref : tile.refs) {
            painter.drawPixmap(QRectF(x, strip.center().y() - smallIcon / 2.0, smallIcon, smallIcon),
                               icon(ref.app), QRectF());
            x += smallIcon + 4;
        }
        painter.setPen(PanelColors::primary(palette()));
        painter.drawText(QRectF(x, strip.top(), strip.right() - x, strip.height()), Qt::AlignLeft | Qt::AlignVCenter,
                         text);
        return;
    }

    const QFontMetricsF metrics(caption);
    const QRectF inner = rect.adjusted(4, 4, -4, -4);
    const double iconsWidth = tile.refs.size() * (bigIcon - iconOverlap) + iconOverlap;
    const QRectF namesBox(inner.left(), 0, inner.width(), metrics.lineSpacing() * 2);
    const QRectF namesUsed =
        metrics.boundingRect(namesBox, Qt::AlignHCenter | Qt::TextWordWrap, joined).intersected(namesBox);
    const bool stacked = tile.refs.size() >= 2;
    const QFont small = scaled(font(), 0.75);
    const double stackedHeight = stacked ? QFontMetricsF(small).height() + 4 : 0;
    const double total = bigIcon + 4 + namesUsed.height() + stackedHeight;
    double y = inner.center().y() - total / 2;
    double x = inner.center().x() - iconsWidth / 2;
    for (const auto& ref : tile.refs) {
        painter.drawPixmap(QRectF(x, y, bigIcon, bigIcon), icon(ref.app), QRectF());
        x += bigIcon - iconOverlap;
    }
    y += bigIcon + 4;
    painter.setPen(PanelColors::primary(palette()));
    painter.drawText(QRectF(inner.left(), y, inner.width(), namesUsed.height()),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, joined);
    y += namesUsed.height() + 4;
    if (stacked) {
        painter.setFont(small);
        painter.setPen(secondary);
        painter.drawText(QRectF(inner.left(), y, inner.width(), stackedHeight), Qt::AlignHCenter | Qt::AlignTop,
                         "stacked");
    }
}

void LayoutCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (!editable) {
        pressed();
        return;
    }
    const Point point{event->position().x(), event->position().y()};
    pressedTile_.reset();
    if (editing_.press(bounds(), point))
        return;
    if (const auto tile = editing_.tileAt(bounds(), point))
        pressedTile_ = {*tile, event->position().toPoint()};
}

void LayoutCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) {
        hover(event->position().toPoint());
        return;
    }
    if (editing_.move({event->position().x(), event->position().y()})) {
        update();
        return;
    }
    if (pressedTile_ &&
        (event->position().toPoint() - pressedTile_->second).manhattanLength() >= QApplication::startDragDistance()) {
        const LayoutTile tile = pressedTile_->first;
        pressedTile_.reset();
        startDrag(tile);
    }
}

void LayoutCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (const auto layout = editing_.release()) {
        update();
        change(*layout);
        return;
    }
    if (const auto tile = std::exchange(pressedTile_, std::nullopt))
        openMenu(tile->first);
}

void LayoutCanvas::leaveEvent(QEvent*) {
    hoveredTile_.reset();
    hoveredDivider_.reset();
    unsetCursor();
    update();
}

void LayoutCanvas::hover(QPoint point) {
    const Point at{static_cast<double>(point.x()), static_cast<double>(point.y())};
    const auto divider = editing_.dividerAt(bounds(), at);
    const auto tile = divider ? std::nullopt : editing_.tileAt(bounds(), at);
    std::optional<LayoutPath> dividerPath, tilePath;
    if (divider)
        dividerPath = divider->path;
    if (tile)
        tilePath = tile->path;
    if (divider)
        setCursor(divider->axis == Axis::vertical ? Qt::SizeVerCursor : Qt::SizeHorCursor);
    else
        setCursor(Qt::ArrowCursor);
    if (dividerPath == hoveredDivider_ && tilePath == hoveredTile_)
        return;
    hoveredDivider_ = dividerPath;
    hoveredTile_ = tilePath;
    update();
}

void LayoutCanvas::runTileDrag(const LayoutTile& tile) {
    auto* drag = new QDrag(this);
    drag->setMimeData(tileDragData(TileDrag{space_, tile.path}));
    if (!tile.refs.empty()) {
        const double ratio = devicePixelRatioF();
        const int width = static_cast<int>(tile.refs.size()) * (bigIcon - iconOverlap) + iconOverlap;
        QPixmap picture(QSize(width, bigIcon) * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        int x = 0;
        for (const auto& ref : tile.refs) {
            painter.drawPixmap(QRect(x, 0, bigIcon, bigIcon), icon(ref.app));
            x += bigIcon - iconOverlap;
        }
        painter.end();
        drag->setPixmap(picture);
    }
    drag->exec(Qt::MoveAction | Qt::CopyAction);
}

void LayoutCanvas::openMenu(const LayoutTile& tile) {
    if (menu_)
        menu_->close();
    editing_.setEditing(tile.path);
    update();
    auto* menu = new TileMenu(services_, TileMenuChoices(editing_.tree(), tile.path), this);
    menu->change = [this](const LayoutSnapshot& layout) { change(layout); };
    menu->closed = [this] { menuClosed(); };
    menu_ = menu;
    const QRect tileRect = qRect(tile.rect).toRect();
    menu->adjustSize();
    QRect bounds = window()->geometry();
    if (const QScreen* where = screen())
        bounds &= where->availableGeometry();
    const QRect anchor(mapToGlobal(tileRect.topLeft()), tileRect.size());
    menu->move(menuPlacement(menu->size(), anchor, bounds).topLeft());
    menu->show();
}

void LayoutCanvas::menuClosed() {
    editing_.setEditing(std::nullopt);
    update();
}

} // namespace quillmere
