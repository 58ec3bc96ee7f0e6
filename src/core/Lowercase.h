#pragma once

#include <string>
#include <string_view>

namespace quillmere {

// The text in lower case by Unicode's rules, the same in every locale.
std::string lowercased(std::string_view text);

} // namespace quillmere
