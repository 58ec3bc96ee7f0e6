#pragma once

#include "core/WindowId.h"

#include <optional>
#include <string_view>

namespace quillmere {

// A window number as a tile's drag carries it: plain decimal digits, an optional leading "+", nothing else,
// at most 4294967295.
std::optional<WindowId> windowIdFromText(std::string_view text);

} // namespace quillmere
