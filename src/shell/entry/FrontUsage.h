#pragma once

#include <string>
#include <string_view>

namespace quillmere {

// What "quillmere --help" prints: how the program starts, its options and exit statuses, then every form
// of the command language in its groups, one line each.
std::string usageText(std::string_view program);

} // namespace quillmere
