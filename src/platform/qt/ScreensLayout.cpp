#include "platform/qt/ScreensLayout.h"

#include <algorithm>

namespace quillmere {

ScreensLayout::ScreensLayout(const ScreensPicture& picture, Size view) : picture_(picture) {
    if (picture.displays.empty())
        return;
    arrangement_ = picture.displays.front().bounds;
    for (const auto& display : picture.displays)
        arrangement_ = arrangement_.united(display.bounds);
    const double width = std::max(view.width - 2 * margin, 1.0);
    const double height = std::max(view.height - labelBand - 2 * margin, 1.0);
    scale_ = std::min(width / arrangement_.width(), height / arrangement_.height());
    offset_ = {(view.width - arrangement_.width() * scale_) / 2,
               labelBand + (view.height - labelBand - arrangement_.height() * scale_) / 2};
}

Rect ScreensLayout::toView(const Rect& global) const {
    return Rect(offset_.x + (global.minX() - arrangement_.minX()) * scale_,
                offset_.y + (global.minY() - arrangement_.minY()) * scale_, global.width() * scale_,
                global.height() * scale_);
}

Point ScreensLayout::toGlobal(Point view) const {
    return {arrangement_.minX() + (view.x - offset_.x) / scale_, arrangement_.minY() + (view.y - offset_.y) / scale_};
}

std::optional<WindowId> ScreensLayout::windowAt(Point view) const {
    const Point global = toGlobal(view);
    for (auto window = picture_.windows.rbegin(); window != picture_.windows.rend(); ++window)
        if (window->frame.contains(global))
            return window->number;
    return std::nullopt;
}

} // namespace quillmere
