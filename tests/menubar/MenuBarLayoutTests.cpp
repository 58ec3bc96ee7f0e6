#include "menubar/MenuBarLayout.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

namespace quillmere {
namespace {

using Item = MenuBarSettings::Item;
using Style = MenuBarSettings::IndexStyle;

// Every character 7 wide; texts 16 high, boxed numbers 13.
class FixedMetrics final : public MenuBarTextMetrics {
  public:
    double width(std::string_view text, MenuBarFont) const override {
        double characters = 0;
        for (unsigned char byte : text)
            characters += (byte & 0xC0) != 0x80;
        return 7 * characters;
    }
    double lineHeight(MenuBarFont font) const override { return font == MenuBarFont::boxDigits ? 13 : 16; }
};

// The application's symbols, not the profile icons a user file may name.
class KnownSymbols final : public SymbolImages {
  public:
    bool hasSymbol(std::string_view name) const override { return names_.contains(name); }

  private:
    std::set<std::string, std::less<>> names_{
        "exclamationmark.triangle.fill", "pause.circle.fill", "square.grid.2x2.fill", "rectangle.split.2x1",
        "square.stack", "macwindow.on.rectangle", "arrow.up.backward.and.arrow.down.forward", "macwindow"};
};

MenuBarSettings showing(std::vector<Item> items, Style style = Style::single) {
    MenuBarSettings settings;
    for (Item item : items)
        settings.items.push_back({item, true});
    settings.indexStyle = style;
    return settings;
}

std::string kindText(MenuBarPiece::Kind kind) {
    switch (kind) {
    case MenuBarPiece::Kind::symbol:
        return "symbol";
    case MenuBarPiece::Kind::text:
        return "text";
    case MenuBarPiece::Kind::boxedNumber:
        return "box";
    case MenuBarPiece::Kind::desktopMark:
        return "desktop";
    case MenuBarPiece::Kind::fullScreenMark:
        return "diamond";
    }
    return "";
}

// "kind content minX-maxX opacity", with " filled" for a filled mark.
std::string described(const MenuBarPiece& piece) {
    std::ostringstream text;
    text << kindText(piece.kind);
    if (!piece.content.empty())
        text << ' ' << piece.content;
    text << ' ' << piece.frame.minX() << '-' << piece.frame.maxX() << ' ' << piece.opacity;
    if (piece.filled)
        text << " filled";
    return text.str();
}

struct Case {
    const char* name;
    WindowManagerStatus status;
    MenuBarSettings settings;
    bool warning = false;
    double width = 0;
    std::vector<std::string> pieces;
};

WindowManagerStatus onSpace(std::optional<int> space) {
    WindowManagerStatus status;
    status.space = space;
    return status;
}

WindowManagerStatus with(WindowManagerStatus status, auto change) {
    change(status);
    return status;
}

const std::vector<Case>& cases() {
    static const std::vector<Case> all{
        {"every item hidden draws an empty strip", onSpace(3), MenuBarSettings{}, false, 0, {}},
        {"warning first, then pause, and only the items dim",
         with(onSpace(3), [](auto& s) { s.paused = true; }),
         showing({Item::index, Item::layout}),
         true,
         76,
         {"symbol exclamationmark.triangle.fill 0-15 1", "symbol pause.circle.fill 20-35 1", "box 3 40-56 0.45",
          "symbol rectangle.split.2x1 61-76 0.45"}},
        {"the marks draw even with every item hidden",
         with(onSpace(3), [](auto& s) { s.paused = true; }),
         MenuBarSettings{},
         true,
         35,
         {"symbol exclamationmark.triangle.fill 0-15 1", "symbol pause.circle.fill 20-35 1"}},
        {"the user's order, the logo and the name",
         with(onSpace(1), [](auto& s) { s.label = "Code"; }),
         showing({Item::name, Item::logo, Item::index}),
         false,
         69,
         {"text Code 0-28 1", "symbol square.grid.2x2.fill 33-48 1", "box 1 53-69 1"}},
        {"no position shows the middle dot", onSpace(std::nullopt), showing({Item::index}), false, 16,
         {"box \u00B7 0-16 1"}},
        {"two digits widen the box", onSpace(12), showing({Item::index}), false, 19, {"box 12 0-19 1"}},
        {"one display is never dimmed",
         with(onSpace(2), [](auto& s) { s.displays = {{2, false}}; }),
         showing({Item::index}, Style::displays),
         false,
         16,
         {"box 2 0-16 1"}},
        {"with two displays the inactive one dims",
         with(onSpace(1), [](auto& s) { s.displays = {{1, true}, {12, false}, {std::nullopt, false}}; }),
         showing({Item::index}, Style::displays),
         false,
         57,
         {"box 1 0-16 1", "box 12 19-38 0.4", "box \u00B7 41-57 0.4"}},
        {"the stepper fills the current Space and fades empty Desktops",
         with(onSpace(2),
              [](auto& s) { s.order = {StepSlot::desktop(true), StepSlot::fullScreen(), StepSlot::desktop(false)}; }),
         showing({Item::index}, Style::stepper),
         false,
         27,
         {"desktop 0-8 1", "diamond 10-17 1 filled", "desktop 19-27 0.35"}},
        {"the stepper without a position fills nothing",
         with(onSpace(std::nullopt), [](auto& s) { s.order = {StepSlot::desktop(false), StepSlot::desktop(true)}; }),
         showing({Item::index}, Style::stepper),
         false,
         18,
         {"desktop 0-8 0.35", "desktop 10-18 1"}},
        {"a full-screen Space shows its symbol whatever the mode",
         with(onSpace(2), [](auto& s) { s.isFullScreen = true; s.mode = LayoutMode::stack; }),
         showing({Item::layout}),
         false,
         15,
         {"symbol arrow.up.backward.and.arrow.down.forward 0-15 1"}},
        {"window count, and stacked windows from one",
         with(onSpace(2), [](auto& s) { s.windowCount = 14; s.stacked = 3; }),
         showing({Item::windowCount, Item::stacked}),
         false,
         50,
         {"symbol macwindow 0-15 1", "text 14 17-31 1", "text +3 36-50 1"}},
        {"no stacked windows and no label take no place",
         with(onSpace(2), [](auto& s) { s.stacked = 0; s.mode = LayoutMode::float_; }),
         showing({Item::stacked, Item::name, Item::layout}),
         false,
         15,
         {"symbol macwindow.on.rectangle 0-15 1"}},
        {"a profile icon the catalogue lacks takes no place",
         with(onSpace(2), [](auto& s) { s.profile = "work"; s.profileIcon = "briefcase"; }),
         showing({Item::profileIcon, Item::profileName}),
         false,
         28,
         {"text work 0-28 1"}},
    };
    return all;
}

TEST(MenuBarLayout, LaysOutThePictureAsTheUserChoseIt) {
    const KnownSymbols symbols;
    const FixedMetrics metrics;
    const MenuBarLayout layout(symbols, metrics);
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        const MenuBarPicture picture = layout.layout(c.status, c.settings, c.warning);
        EXPECT_EQ(picture.width, c.width);
        EXPECT_EQ(picture.height, 22);
        std::vector<std::string> pieces;
        for (const MenuBarPiece& piece : picture.pieces) {
            pieces.push_back(described(piece));
            EXPECT_EQ(piece.frame.midY(), 11) << described(piece);
        }
        EXPECT_THAT(pieces, testing::ElementsAreArray(c.pieces));
    }
}

TEST(MenuBarLayout, TextsWriteInTheirFaces) {
    const KnownSymbols symbols;
    const FixedMetrics metrics;
    WindowManagerStatus status = onSpace(4);
    status.label = "Mail";
    status.windowCount = 2;
    const auto picture =
        MenuBarLayout(symbols, metrics).layout(status, showing({Item::index, Item::name, Item::windowCount}), false);
    ASSERT_EQ(picture.pieces.size(), 4u);
    EXPECT_EQ(picture.pieces[0].font, MenuBarFont::boxDigits);
    EXPECT_EQ(picture.pieces[1].font, MenuBarFont::body);
    EXPECT_EQ(picture.pieces[3].font, MenuBarFont::bodyDigits);
}

} // namespace
} // namespace quillmere
