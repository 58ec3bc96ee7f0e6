#include "menubar/MenuBarRenderer.h"

#include "menubar/MenuBarPainter.h"
#include "menubar/MenuBarText.h"
#include "platform/qt/Symbols.h"

namespace quillmere {

std::optional<QImage> MenuBarRenderer::image(const WindowManagerStatus& status, const MenuBarSettings& settings,
                                            bool warning) {
    const DrawnSymbolImages symbols;
    const MenuBarText text;
    const MenuBarPicture picture = MenuBarLayout(symbols, text).layout(status, settings, warning);
    if (picture.width <= 0)
        return std::nullopt;
    return paintMenuBarPicture(picture);
}

QImage MenuBarRenderer::title(std::string_view text) {
    const double width = MenuBarText().width(text, MenuBarFont::body);
    const double height = MenuBarText().lineHeight(MenuBarFont::body);
    MenuBarPiece piece{.kind = MenuBarPiece::Kind::text, .content = std::string(text)};
    piece.frame = Rect(0, MenuBarLayout::height / 2 - height / 2, width, height);
    return paintMenuBarPicture({width, MenuBarLayout::height, {std::move(piece)}});
}

} // namespace quillmere
