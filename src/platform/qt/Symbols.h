#pragma once

#include "platform/SymbolImages.h"

#include <QIcon>
#include <QString>
#include <optional>
#include <string_view>

namespace quillmere {

// The application's own drawings of the system symbols it names ("square.grid.2x2"), as template images:
// drawn in black, tinted by whoever shows them.

// The drawing's SVG file; none for a name without a drawing.
std::optional<QString> symbolFile(std::string_view name);

// A mask icon of the drawing; a null icon for a name without one.
QIcon symbolIcon(std::string_view name);

// The platform's symbol catalogue: a symbol exists exactly when the application has a drawing of it.
class DrawnSymbolImages final : public SymbolImages {
  public:
    bool hasSymbol(std::string_view name) const override { return symbolFile(name).has_value(); }
};

} // namespace quillmere
