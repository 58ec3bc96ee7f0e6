#pragma once

#include "core/LayoutSnapshot.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillmere {

// The plain text a tile dragged out of a Desktop's layout carries: the Desktop number, ":", then "1" or "0"
// per step of the tile's path. It lives only for the drag.
struct TileDrag {
    std::int64_t desktop = 0;
    LayoutPath path;

    std::string text() const;
    // Exactly one ":" after a decimal number with an optional sign; any path character but "1" reads as a
    // first child.
    static std::optional<TileDrag> parse(std::string_view text);

    friend bool operator==(const TileDrag&, const TileDrag&) = default;
};

} // namespace quillmere
