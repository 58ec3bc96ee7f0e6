#include "menubar/SpacesWindowLayout.h"

#include <algorithm>

namespace quillmere::SpacesWindowLayout {
namespace {

constexpr double singleRowHeight = 232;
constexpr double rowHeight = 216;
constexpr double rowSpacing = 14;
constexpr double outerPadding = 2 * padding;
// A row's header, spacings, caption and scroll room besides its cards; a lone display has no header.
constexpr double singleRowExtra = 32;
constexpr double rowExtra = 56;

} // namespace

double panelHeight(std::size_t displays, double visibleHeight) {
    const double rows = static_cast<double>(displays);
    const double wanted =
        displays <= 1 ? singleRowHeight : rows * rowHeight + (rows - 1) * rowSpacing + outerPadding;
    return std::min(wanted, visibleHeight - heightMargin);
}

Rect frame(const Rect& visible, std::size_t displays) {
    return Rect(visible.minX() + sideInset, visible.minY() + topGap, visible.width() - 2 * sideInset,
                panelHeight(displays, visible.height()));
}

double cardHeight(double height, std::size_t displays) {
    const double rows = static_cast<double>(std::max<std::size_t>(displays, 1));
    const double share = (height - outerPadding - (rows - 1) * rowSpacing) / rows;
    return std::max(share - (displays < 2 ? singleRowExtra : rowExtra), minimumCardHeight);
}

} // namespace quillmere::SpacesWindowLayout
