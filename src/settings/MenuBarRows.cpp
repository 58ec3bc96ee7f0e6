#include "settings/MenuBarRows.h"

#include "core/Profile.h"

namespace quillmere {

MenuBarRow menuBarRow(MenuBarSettings::Item item) {
    using Item = MenuBarSettings::Item;
    switch (item) {
    case Item::logo:
        return {"square.grid.2x2", "Quillmere logo", "The Quillmere mark"};
    case Item::index:
        return {"square.grid.3x1.below.line.grid.1x2", "Space index",
                "Your position in the Space list, in the style below"};
    case Item::name:
        return {"tag", "Space name", "The current Space's label, from the Spaces tab"};
    case Item::layout:
        return {"rectangle.split.2x1", "Layout mode", "BSP, Stack or Float for the current Space"};
    case Item::windowCount:
        return {"macwindow", "Window count", "Windows Quillmere manages on the current Space"};
    case Item::stacked:
        return {"square.stack", "Stacked windows", "Windows stacked out of sight on the current Space, e.g. +2"};
    case Item::profileIcon:
        return {Profile::defaultIcon, "Profile icon",
                "The icon of the profile applied last, chosen in the profile editor"};
    case Item::profileName:
        return {"character.cursor.ibeam", "Profile name", "The name of the profile applied last"};
    }
    return {};
}

IndexStyleOption indexStyleOption(MenuBarSettings::IndexStyle style) {
    using Style = MenuBarSettings::IndexStyle;
    switch (style) {
    case Style::single:
        return {"Index only", "The current Space number in a single square"};
    case Style::stepper:
        return {"Index stepper", "One square per Space: the current one filled, Spaces with windows outlined"};
    case Style::displays:
        return {"Every display",
                "The current Space on each display, the active one bright. Every menu bar shows the same item, "
                "so this shows them all"};
    }
    return {};
}

MenuBarSettings showingItem(const MenuBarSettings& settings, MenuBarSettings::Item item, bool shown) {
    std::vector<MenuBarSettings::Entry> entries = settings.orderedItems();
    for (auto& entry : entries)
        if (entry.item == item)
            entry.shown = shown;
    return {std::move(entries), settings.indexStyle};
}

MenuBarSettings movingItems(const MenuBarSettings& settings, const std::set<std::size_t>& sources,
                            std::size_t destination) {
    const std::vector<MenuBarSettings::Entry> entries = settings.orderedItems();
    std::vector<MenuBarSettings::Entry> moved;
    std::vector<MenuBarSettings::Entry> before;
    std::vector<MenuBarSettings::Entry> after;
    for (std::size_t index = 0; index < entries.size(); ++index) {
        if (sources.contains(index))
            moved.push_back(entries[index]);
        else
            (index < destination ? before : after).push_back(entries[index]);
    }
    before.insert(before.end(), moved.begin(), moved.end());
    before.insert(before.end(), after.begin(), after.end());
    return {std::move(before), settings.indexStyle};
}

MenuBarSettings withIndexStyle(const MenuBarSettings& settings, MenuBarSettings::IndexStyle style) {
    return {settings.orderedItems(), style};
}

} // namespace quillmere
