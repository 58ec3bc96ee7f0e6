#pragma once

#include "menubar/MenuBarTextMetrics.h"

#include <QFont>
#include <QPainter>
#include <QRectF>

namespace quillmere {

QFont menuBarFont(MenuBarFont font);

// Text in the picture's faces. Qt has no switch for monospaced digits, so in those faces every digit takes a
// cell as wide as the widest digit and is centred in it.
class MenuBarText final : public MenuBarTextMetrics {
  public:
    double width(std::string_view text, MenuBarFont font) const override;
    double lineHeight(MenuBarFont font) const override;

    // Centred in `frame`.
    static void draw(QPainter& painter, const QRectF& frame, std::string_view text, MenuBarFont font);
};

} // namespace quillmere
