#include "profiles/MenuPlacement.h"

#include <algorithm>

namespace quillmere {
namespace {

constexpr int gap = 4;

int clamped(int start, int length, int lowest, int room) {
    return std::max(lowest, std::min(start, lowest + room - length));
}

} // namespace

QRect menuPlacement(QSize menu, const QRect& anchor, const QRect& bounds) {
    int top = anchor.bottom() + 1 + gap;
    if (top + menu.height() > bounds.bottom() + 1)
        top = anchor.top() - gap - menu.height();
    const int left = anchor.center().x() - menu.width() / 2;
    return QRect(QPoint(clamped(left, menu.width(), bounds.left(), bounds.width()),
                        clamped(top, menu.height(), bounds.top(), bounds.height())),
                 menu);
}

} // namespace quillmere
