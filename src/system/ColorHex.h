#pragma once

#include "platform/Color.h"

#include <optional>
#include <string>
#include <string_view>

namespace quillmere {

// The colour of a text "#" followed by exactly six hexadecimal digits in either case, opaque; none for
// any other text.
std::optional<Color> hexToColor(std::string_view text);

// "#RRGGBB" in upper case, alpha dropped; none for a colour with a component that is not a number.
// Components beyond 0 to 1 are taken at the nearest end.
std::optional<std::string> colorToHex(const Color& color);

} // namespace quillmere
