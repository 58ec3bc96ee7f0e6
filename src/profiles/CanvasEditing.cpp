#include "profiles/CanvasEditing.h"

#include <cmath>

namespace quillmere {

Rect CanvasEditing::handle(const LayoutDivider& divider) {
    const Rect& strip = divider.strip;
    if (divider.axis == Axis::horizontal)
        return {strip.minX() - handleWidening / 2, strip.minY(), strip.width() + handleWidening, strip.height()};
    return {strip.minX(), strip.minY() - handleWidening / 2, strip.width(), strip.height() + handleWidening};
}

std::optional<double> CanvasEditing::ratio(const LayoutDivider& divider, Point location) {
    const Rect& bounds = divider.bounds;
    const double length = bounds.length(divider.axis);
    if (!std::isfinite(length) || length <= 0)
        return std::nullopt;
    const double offset = divider.axis == Axis::horizontal ? location.x - bounds.minX() : location.y - bounds.minY();
    const double ratio = offset / length;
    if (!std::isfinite(ratio))
        return std::nullopt;
    return ratio;
}

std::optional<LayoutDivider> CanvasEditing::dividerAt(Rect canvas, Point point) const {
    const auto all = dividers(canvas);
    for (auto divider = all.rbegin(); divider != all.rend(); ++divider) {
        if (handle(*divider).contains(point))
            return *divider;
    }
    return std::nullopt;
}

std::optional<LayoutTile> CanvasEditing::tileAt(Rect canvas, Point point) const {
    for (const auto& tile : tiles(canvas)) {
        if (tile.rect.contains(point))
            return tile;
    }
    return std::nullopt;
}

bool CanvasEditing::press(Rect canvas, Point point) {
    held_.reset();
    if (const auto divider = dividerAt(canvas, point))
        held_ = Held{*divider, point};
    return held_.has_value();
}

bool CanvasEditing::move(Point point) {
    if (!held_)
        return false;
    if (!held_->started && std::hypot(point.x - held_->start.x, point.y - held_->start.y) < dragThreshold)
        return false;
    held_->started = true;
    const auto to = ratio(held_->divider, point);
    if (!to)
        return false;
    dragging_ = shown().settingRatio(held_->divider.path, *to);
    return true;
}

std::optional<LayoutSnapshot> CanvasEditing::release() {
    held_.reset();
    return std::exchange(dragging_, std::nullopt);
}

} // namespace quillmere
