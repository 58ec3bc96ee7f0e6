#pragma once

#include "core/Geometry.h"

namespace quillmere::sim {

// The frame `share` of the way from one frame to another, as the system's glides pass through it.
inline Rect between(const Rect& from, const Rect& to, double share) {
    const auto mix = [share](double a, double b) { return a + (b - a) * share; };
    return Rect(mix(from.minX(), to.minX()), mix(from.minY(), to.minY()), mix(from.width(), to.width()),
                mix(from.height(), to.height()));
}

} // namespace quillmere::sim
