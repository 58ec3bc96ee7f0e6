#pragma once

#include "core/Geometry.h"
#include "core/PropertyList.h"
#include "core/WindowId.h"

#include <optional>
#include <vector>

namespace quillmere {

// The windows of one split-view full-screen Space, left to right, and the area they share.
class FullScreenTiles {
  public:
    struct Tile {
        WindowId window = 0;
        Rect rect;
        friend bool operator==(const Tile&, const Tile&) = default;
    };

    // Sorts the tiles by min x; tiles with equal min x keep their given order.
    FullScreenTiles(std::vector<Tile> tiles, Rect area);

    // Reads the split view from one Space dictionary of the window server; none when the dictionary does
    // not describe one. Malformed tiles are skipped.
    static std::optional<FullScreenTiles> fromEntry(const PropertyList& entry);

    const std::vector<Tile>& tiles() const { return tiles_; }
    const Rect& area() const { return area_; }
    std::vector<WindowId> windows() const;
    // The first tile's share of the area's width, for a pair of tiles in an area wider than 0.
    std::optional<double> ratio() const;

    friend bool operator==(const FullScreenTiles&, const FullScreenTiles&) = default;

  private:
    std::vector<Tile> tiles_;
    Rect area_;
};

} // namespace quillmere
