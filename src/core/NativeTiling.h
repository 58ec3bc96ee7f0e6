#pragma once

#include "core/BSPTree.h"
#include "core/Geometry.h"
#include "core/Region.h"

#include <optional>
#include <variant>
#include <vector>

namespace quillmere {

// What the system's own tiling made of one window frame: a half or a quarter of the area, or all of it.
struct NativeTile {
    struct Fill {
        friend bool operator==(const Fill&, const Fill&) = default;
    };
    std::variant<Region, Fill> value;
    friend bool operator==(const NativeTile&, const NativeTile&) = default;
};

// Recognising arrangements the system's own tiling made, from the window frames it left.
namespace NativeTiling {

// The default tolerance of classify, as a fraction of the area's width or height.
inline constexpr double tolerance = 0.03;

// Halves come out as edges with fraction 0.5, quarters as corners. None for any other frame and for an
// area without width or height.
std::optional<NativeTile> classify(Rect frame, Rect in, double tolerance = NativeTiling::tolerance);

// A tree whose tiles are the frames, cut where straight lines separate them within the tolerance (points);
// frames matching within the tolerance share one tile. None for an empty map and for frames that no tree
// can express, such as overlapping ones. Stacks and groups follow the frames' order top to bottom, then
// left to right, then by id.
std::optional<BSPTree> tree(const FrameMap& from, double tolerance);

// Overlapping frames each count in full. False for an area without width or height.
bool covers(const std::vector<Rect>& frames, Rect area, double share);

} // namespace NativeTiling

} // namespace quillmere
