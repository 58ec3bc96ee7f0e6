#pragma once

#include "core/Region.h"

#include <optional>
#include <string>
#include <string_view>

namespace quillmere {

// The region words of the place command: "left", "left 2/3", "top-left", "bottom-center-sixth", "column",
// "center". Exact and case-sensitive; none for any other text.
std::optional<Region> parseRegion(std::string_view text);

// The inverse of parseRegion, except that a column's span is never written and a share within 0.001 of
// 1/4, 1/3, 1/2, 2/3 or 3/4 is written as that fraction.
std::string text(const Region& region);

} // namespace quillmere
