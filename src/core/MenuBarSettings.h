#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace quillmere {

// Which small items the status item shows, in which order, and how it draws the Space index.
struct MenuBarSettings {
    enum class Item { logo, index, name, layout, windowCount, stacked, profileIcon, profileName };
    enum class IndexStyle { stepper, single, displays };

    struct Entry {
        Item item = Item::logo;
        bool shown = false;
        friend bool operator==(const Entry&, const Entry&) = default;
    };

    // Display order; a stored list keeps its duplicates and omissions.
    std::vector<Entry> items;
    IndexStyle indexStyle = IndexStyle::single;

    static const MenuBarSettings& default_();

    // The stored entries, then every item they do not name, hidden, in canonical order: the list always
    // offers all eight items, and items newer than the file appear at its end.
    std::vector<Entry> orderedItems() const;

    friend bool operator==(const MenuBarSettings&, const MenuBarSettings&) = default;
};

// The canonical order.
constexpr std::array<MenuBarSettings::Item, 8> allMenuBarItems{
    MenuBarSettings::Item::logo,        MenuBarSettings::Item::index,       MenuBarSettings::Item::name,
    MenuBarSettings::Item::layout,      MenuBarSettings::Item::windowCount, MenuBarSettings::Item::stacked,
    MenuBarSettings::Item::profileIcon, MenuBarSettings::Item::profileName};

constexpr std::array<MenuBarSettings::IndexStyle, 3> allIndexStyles{MenuBarSettings::IndexStyle::stepper,
                                                                    MenuBarSettings::IndexStyle::single,
                                                                    MenuBarSettings::IndexStyle::displays};

constexpr std::string_view text(MenuBarSettings::Item item) {
    switch (item) {
    case MenuBarSettings::Item::logo:
        return "logo";
    case MenuBarSettings::Item::index:
        return "index";
    case MenuBarSettings::Item::name:
        return "name";
    case MenuBarSettings::Item::layout:
        return "layout";
    case MenuBarSettings::Item::windowCount:
        return "windowCount";
    case MenuBarSettings::Item::stacked:
        return "stacked";
    case MenuBarSettings::Item::profileIcon:
        return "profileIcon";
    case MenuBarSettings::Item::profileName:
        return "profileName";
    }
    return "";
}

constexpr std::string_view text(MenuBarSettings::IndexStyle style) {
    switch (style) {
    case MenuBarSettings::IndexStyle::stepper:
        return "stepper";
    case MenuBarSettings::IndexStyle::single:
        return "single";
    case MenuBarSettings::IndexStyle::displays:
        return "displays";
    }
    return "";
}

constexpr std::optional<MenuBarSettings::Item> parseMenuBarItem(std::string_view stored) {
    for (MenuBarSettings::Item item : allMenuBarItems)
        if (text(item) == stored)
            return item;
    return std::nullopt;
}

constexpr std::optional<MenuBarSettings::IndexStyle> parseIndexStyle(std::string_view stored) {
    for (MenuBarSettings::IndexStyle style : allIndexStyles)
        if (text(style) == stored)
            return style;
    return std::nullopt;
}

} // namespace quillmere
