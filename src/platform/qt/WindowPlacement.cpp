#include "platform/qt/WindowPlacement.h"

#include <algorithm>

namespace quillmere {

QRect centredIn(const QRect& area, QSize size) {
    const QSize fitted = size.boundedTo(area.size());
    const int left = area.left() + (area.width() - fitted.width()) / 2;
    const int top = area.top() + (area.height() - fitted.height()) / 2;
    return {QPoint(left, top), fitted};
}

QRect viewerFrame(const QRect& available) {
    constexpr double share = 0.9;
    const QSize size(static_cast<int>(available.width() * share), static_cast<int>(available.height() * share));
    return centredIn(available, size);
}

} // namespace quillmere
