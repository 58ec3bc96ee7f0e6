#include "menubar/FlowLayout.h"

#include <algorithm>
#include <limits>

namespace quillmere {
namespace {

double rowWidth(const std::vector<Size>& items, const std::vector<std::size_t>& row, double gap) {
    if (row.empty())
        return 0;
    double width = gap * static_cast<double>(row.size() - 1);
    for (std::size_t item : row)
        width += items[item].width;
    return width;
}

double rowHeight(const std::vector<Size>& items, const std::vector<std::size_t>& row) {
    double height = 0;
    for (std::size_t item : row)
        height = std::max(height, items[item].height);
    return height;
}

} // namespace

std::vector<std::vector<std::size_t>> FlowLayout::arrange(const std::vector<Size>& items, double width) const {
    std::vector<std::vector<std::size_t>> rows(1);
    double running = 0;
    for (std::size_t index = 0; index < items.size(); ++index) {
        const double itemWidth = items[index].width;
        if (running > 0 && running + itemWidth > width) {
            rows.emplace_back();
            running = 0;
        }
        rows.back().push_back(index);
        running += itemWidth + spacing;
    }
    return rows;
}

Size FlowLayout::sizeThatFits(const std::vector<Size>& items, std::optional<double> width) const {
    const auto rows = arrange(items, width.value_or(std::numeric_limits<double>::infinity()));
    double widest = 0;
    double height = spacing * static_cast<double>(rows.size() - 1);
    for (const auto& row : rows) {
        widest = std::max(widest, rowWidth(items, row, spacing));
        height += rowHeight(items, row);
    }
    if (!width)
        return {widest, height};
    if (justified && rows.size() >= 2)
        return {*width, height};
    return {std::min(*width, widest), height};
}

std::vector<Rect> FlowLayout::place(const std::vector<Size>& items, const Rect& bounds) const {
    std::vector<Rect> frames(items.size());
    const auto rows = arrange(items, bounds.width());
    double y = bounds.minY();
    double carried = spacing;
    for (std::size_t index = 0; index < rows.size(); ++index) {
        const auto& row = rows[index];
        const bool last = index + 1 == rows.size();
        const bool spread = justified && rows.size() >= 2 && row.size() >= 2 &&
                            (!last || row.size() == rows.front().size());
        if (spread)
            carried = (bounds.width() - rowWidth(items, row, 0)) / static_cast<double>(row.size() - 1);
        // A short row lines up with the columns above only while that keeps it within the bounds.
        const double gap = spread || rowWidth(items, row, carried) <= bounds.width() ? carried : spacing;
        const double height = rowHeight(items, row);
        double x = bounds.minX();
        for (std::size_t item : row) {
            const Size size = items[item];
            frames[item] = Rect(x, y + (height - size.height) / 2, size.width, size.height);
            x += gap + size.width;
        }
        y += spacing + height;
    }
    return frames;
}

} // namespace quillmere
