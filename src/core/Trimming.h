#pragma once

#include <string_view>

namespace quillmere {

// The text without Unicode space separators and horizontal tabs at either end; line breaks stay, so that a
// text the user broke over lines keeps its shape.
std::string_view trimmingSpacesAndTabs(std::string_view text);

// The text without characters of the Unicode punctuation categories at either end.
std::string_view trimmingPunctuation(std::string_view text);

} // namespace quillmere
