#include "menubar/PanelPlacement.h"

#include <algorithm>

namespace quillmere {

Rect PanelPlacement::frame(const Rect& item, const Rect& screen, const Rect& visible, Size wanted) {
    const bool known = !item.isNull() && item.width() > 0 && item.height() > 0;
    const Rect anchor = known ? item : Rect(visible.maxX(), visible.minY(), 0, 0);
    const double width = wanted.width;
    double x = anchor.midX() - width / 2;
    if (x <= visible.minX() + sideInset)
        x = visible.minX() + sideInset;
    if (visible.maxX() - width - sideInset < x)
        x = visible.maxX() - width - sideInset;
    const bool below = !known || anchor.midY() <= screen.midY();
    const double room = below ? visible.maxY() - farEdgeInset - (anchor.maxY() + itemGap)
                              : anchor.minY() - itemGap - (visible.minY() + farEdgeInset);
    const double height = std::max(0.0, std::min(wanted.height, room));
    const double y = below ? anchor.maxY() + itemGap : anchor.minY() - itemGap - height;
    return Rect(x, y, width, height);
}

} // namespace quillmere
