#pragma once

#include "core/LayoutSnapshot.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillmere {

// The plain text a tile dragged out of a Desktop's layout carries while the drag lasts: the Desktop number,
// ":", then "1" or "0" per step of the tile's path. Never stored.
struct TileDrag {
    std::int64_t desktop = 0;
    LayoutPath path;

    std::string text() const;
    // None unless the text is one number (an optional sign, then digits that fit the integer type), a colon
    // and the path; any path character but "1" reads as the first child.
    static std::optional<TileDrag> parse(std::string_view text);

    friend bool operator==(const TileDrag&, const TileDrag&) = default;
};

} // namespace quillmere
