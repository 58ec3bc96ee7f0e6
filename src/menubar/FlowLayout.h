#pragma once

#include "core/Geometry.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace quillmere {

// Places items left to right and wraps them into further rows when the width runs out, like words in a
// paragraph. Justified, every row spreads to the full width when there are several rows, except a short last
// row: that one keeps the gap of the justified rows above it, so that it lines up with their columns, as long
// as it fits with that gap. Items are given as their wanted sizes; rows stack downward, each item centred
// vertically in its row.
struct FlowLayout {
    double spacing = 8;
    bool justified = false;

    // Indexes of the items in each row. The first item of a row is always placed, even when it alone is wider
    // than the width; there is always one row, empty without items.
    std::vector<std::vector<std::size_t>> arrange(const std::vector<Size>& items, double width) const;
    // The size it wants for a proposed width; none proposed means as wide as the widest row.
    Size sizeThatFits(const std::vector<Size>& items, std::optional<double> width) const;
    // Each item's frame inside the bounds, in the items' order.
    std::vector<Rect> place(const std::vector<Size>& items, const Rect& bounds) const;
};

} // namespace quillmere
