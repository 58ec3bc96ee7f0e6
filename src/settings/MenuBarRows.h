#pragma once

#include "core/MenuBarSettings.h"

#include <set>
#include <string_view>

namespace quillmere {

// What the Menu Bar pane shows for one item.
struct MenuBarRow {
    std::string_view symbol;
    std::string_view title;
    std::string_view detail;
};

struct IndexStyleOption {
    std::string_view title;
    std::string_view detail;
};

MenuBarRow menuBarRow(MenuBarSettings::Item item);
IndexStyleOption indexStyleOption(MenuBarSettings::IndexStyle style);

// The index styles in the order the pane offers them.
inline constexpr std::array<MenuBarSettings::IndexStyle, 3> offeredIndexStyles{
    MenuBarSettings::IndexStyle::single, MenuBarSettings::IndexStyle::stepper,
    MenuBarSettings::IndexStyle::displays};

// The edits of the pane. Each yields the complete contents to store, every item listed, so that the file
// says exactly what the user sees.

// Every entry of the item shown or hidden.
MenuBarSettings showingItem(const MenuBarSettings& settings, MenuBarSettings::Item item, bool shown);

// The entries at `sources` taken out and put back, in their order, in front of the entry that stood at
// `destination`, or at the end when `destination` is the count; both count in the list before the move.
MenuBarSettings movingItems(const MenuBarSettings& settings, const std::set<std::size_t>& sources,
                            std::size_t destination);

MenuBarSettings withIndexStyle(const MenuBarSettings& settings, MenuBarSettings::IndexStyle style);

} // namespace quillmere
