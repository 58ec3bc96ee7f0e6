#pragma once

#include "menubar/MenuBarPiece.h"

#include <string_view>

namespace quillmere {

// How wide and high the picture's texts are, so that it is laid out without drawing.
class MenuBarTextMetrics {
  public:
    virtual ~MenuBarTextMetrics() = default;

    virtual double width(std::string_view text, MenuBarFont font) const = 0;
    virtual double lineHeight(MenuBarFont font) const = 0;
};

} // namespace quillmere
