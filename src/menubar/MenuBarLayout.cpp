#include "menubar/MenuBarLayout.h"

#include "core/Overloaded.h"

#include <algorithm>
#include <optional>
#include <string>

namespace quillmere {
namespace {

using Kind = MenuBarPiece::Kind;

// Pieces side by side from x = 0; empty when it draws nothing.
struct Row {
    std::vector<MenuBarPiece> pieces;
    double width = 0;

    bool empty() const { return pieces.empty(); }

    Row& dimmed(double opacity) {
        for (MenuBarPiece& piece : pieces)
            piece.opacity *= opacity;
        return *this;
    }
};

// Every piece is centred on the picture's middle line, so only its size is needed.
Row single(MenuBarPiece piece, Size size) {
    piece.frame = Rect(0, MenuBarLayout::height / 2 - size.height / 2, size.width, size.height);
    return Row{{std::move(piece)}, size.width};
}

// The rows in order, spaced; rows that draw nothing take no place.
Row joined(const std::vector<Row>& rows, double spacing) {
    Row result;
    for (const Row& row : rows) {
        if (row.empty())
            continue;
        if (!result.empty())
            result.width += spacing;
        for (MenuBarPiece piece : row.pieces) {
            piece.frame = piece.frame.offsetBy(result.width, 0);
            result.pieces.push_back(std::move(piece));
        }
        result.width += row.width;
    }
    return result;
}

class RowMaker {
  public:
    RowMaker(const SymbolImages& symbols, const MenuBarTextMetrics& metrics) : symbols_(symbols), metrics_(metrics) {}

    Row symbol(std::string_view name) const {
        if (!symbols_.hasSymbol(name))
            return {};
        const double size = MenuBarLayout::symbolSize;
        return single({.kind = Kind::symbol, .content = std::string(name)}, {size, size});
    }

    Row text(const std::optional<std::string>& text, MenuBarFont font) const {
        if (!text || text->empty())
            return {};
        return single({.kind = Kind::text, .content = *text, .font = font},
                      {metrics_.width(*text, font), metrics_.lineHeight(font)});
    }

    Row boxedNumber(std::optional<int> number) const {
        std::string content = number ? std::to_string(*number) : MenuBarLayout::noNumber;
        const double width = std::max(MenuBarLayout::boxSize, metrics_.width(content, MenuBarFont::boxDigits) +
                                                                  2 * MenuBarLayout::boxPadding);
        const double height = std::max(MenuBarLayout::boxSize, metrics_.lineHeight(MenuBarFont::boxDigits));
        return single({.kind = Kind::boxedNumber, .content = std::move(content), .font = MenuBarFont::boxDigits},
                      {width, height});
    }

    Row stepper(std::optional<int> current, const std::vector<StepSlot>& slots) const {
        std::vector<Row> marks;
        for (std::size_t i = 0; i < slots.size(); ++i) {
            const bool isCurrent = current && static_cast<std::size_t>(*current) == i + 1;
            marks.push_back(std::visit(
                Overloaded{
                    [&](const StepSlot::Desktop& desktop) {
                        const double size = MenuBarLayout::desktopMarkSize;
                        const double opacity =
                            isCurrent || desktop.occupied ? 1.0 : MenuBarLayout::emptyDesktopOpacity;
                        return single({.kind = Kind::desktopMark, .filled = isCurrent, .opacity = opacity},
                                      {size, size});
                    },
                    [&](const StepSlot::FullScreen&) {
                        return single({.kind = Kind::fullScreenMark, .filled = isCurrent},
                                      MenuBarLayout::fullScreenFrame);
                    },
                },
                slots[i].value));
        }
        return joined(marks, MenuBarLayout::stepperSpacing);
    }

    Row displays(const std::vector<DisplayIndex>& displays) const {
        std::vector<Row> boxes;
        for (const DisplayIndex& display : displays) {
            Row box = boxedNumber(display.number);
            if (!display.isActive && displays.size() > 1)
                box.dimmed(MenuBarLayout::inactiveDisplayOpacity);
            boxes.push_back(std::move(box));
        }
        return joined(boxes, MenuBarLayout::displaysSpacing);
    }

    Row item(MenuBarSettings::Item item, const WindowManagerStatus& status, const MenuBarSettings& settings) const {
        using Item = MenuBarSettings::Item;
        switch (item) {
        case Item::logo:
            return symbol(MenuBarLayout::logoSymbol);
        case Item::index:
            switch (settings.indexStyle) {
            case MenuBarSettings::IndexStyle::stepper:
                return stepper(status.space, status.order);
            case MenuBarSettings::IndexStyle::single:
                return boxedNumber(status.space);
            case MenuBarSettings::IndexStyle::displays:
                return displays(status.displays);
            }
            return {};
        case Item::name:
            return text(status.label, MenuBarFont::body);
        case Item::layout:
            return symbol(status.isFullScreen ? MenuBarLayout::fullScreenSymbol : quillmere::symbol(status.mode));
        case Item::windowCount:
            return joined({symbol(MenuBarLayout::windowSymbol),
                           text(std::to_string(status.windowCount), MenuBarFont::bodyDigits)},
                          MenuBarLayout::countSpacing);
        case Item::stacked:
            if (status.stacked < 1)
                return {};
            return text("+" + std::to_string(status.stacked), MenuBarFont::bodyDigits);
        case Item::profileIcon:
            return status.profileIcon ? symbol(*status.profileIcon) : Row{};
        case Item::profileName:
            return text(status.profile, MenuBarFont::body);
        }
        return {};
    }

  private:
    const SymbolImages& symbols_;
    const MenuBarTextMetrics& metrics_;
};

} // namespace

MenuBarPicture MenuBarLayout::layout(const WindowManagerStatus& status, const MenuBarSettings& settings,
                                     bool warning) const {
    const RowMaker maker(symbols_, metrics_);
    std::vector<Row> items;
    for (const MenuBarSettings::Entry& entry : settings.orderedItems())
        if (entry.shown)
            items.push_back(maker.item(entry.item, status, settings));
    Row shown = joined(items, spacing);
    if (status.paused)
        shown.dimmed(pausedOpacity);

    std::vector<Row> rows;
    if (warning)
        rows.push_back(maker.symbol(warningSymbol));
    if (status.paused)
        rows.push_back(maker.symbol(pauseSymbol));
    rows.push_back(std::move(shown));
    Row picture = joined(rows, spacing);
    return {picture.width, height, std::move(picture.pieces)};
}

} // namespace quillmere
