#pragma once

#include <QIcon>
#include <string_view>

namespace quillmere {

// The application's own drawing of a symbol the Parts name ("square.grid.2x2"), as a template image
// (drawn in black, tinted by whoever shows it); a null icon for a name it has no drawing of.
QIcon symbolIcon(std::string_view name);

} // namespace quillmere
