#pragma once

#include "core/BSPTree.h"

#include <algorithm>

namespace quillmere {

// Minimum sizes are learnt from what applications accepted and tiles are rounded to whole points, so a
// window still fits a rectangle that is short of its minimum by up to max(gap, 1) points.
constexpr double minimumSizeTolerance(double gap) { return std::max(gap, 1.0); }

inline bool fitsWithin(const MinimumSizes& minimumSizes, WindowId id, Rect rect, double tolerance) {
    const auto entry = minimumSizes.find(id);
    if (entry == minimumSizes.end())
        return true;
    return entry->second.width <= rect.width() + tolerance && entry->second.height <= rect.height() + tolerance;
}

inline bool allFitWithin(const MinimumSizes& minimumSizes, const std::vector<WindowId>& ids, Rect rect,
                         double tolerance) {
    return std::all_of(ids.begin(), ids.end(),
                       [&](WindowId id) { return fitsWithin(minimumSizes, id, rect, tolerance); });
}

} // namespace quillmere
