#include "core/MenuBarSettings.h"

#include <algorithm>

namespace quillmere {

const MenuBarSettings& MenuBarSettings::default_() {
    using enum Item;
    static const MenuBarSettings settings{
        {{profileIcon, false},
         {profileName, false},
         {logo, false},
         {index, true},
         {name, true},
         {layout, false},
         {windowCount, false},
         {stacked, true}},
        IndexStyle::single,
    };
    return settings;
}

std::vector<MenuBarSettings::Entry> MenuBarSettings::orderedItems() const {
    std::vector<Entry> ordered = items;
    for (Item item : allMenuBarItems) {
        const bool stored =
            std::ranges::any_of(items, [item](const Entry& entry) { return entry.item == item; });
        if (!stored)
            ordered.push_back({item, false});
    }
    return ordered;
}

} // namespace quillmere
