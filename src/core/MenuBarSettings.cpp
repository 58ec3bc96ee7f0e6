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

void to_json(nlohmann::json& json, const MenuBarSettings& settings) {
    json = nlohmann::json::object();
    auto& items = json["items"] = nlohmann::json::array();
    for (const auto& entry : settings.items)
        items.push_back({{"item", text(entry.item)}, {"shown", entry.shown}});
    json["indexStyle"] = text(settings.indexStyle);
}

MenuBarSettings readMenuBarSettings(const JsonReader& json) {
    MenuBarSettings settings;
    for (const auto& entry : json["items"].elements())
        settings.items.push_back({entry["item"].text(parseMenuBarItem, "Item"), entry["shown"].boolean()});
    settings.indexStyle = json["indexStyle"].text(parseIndexStyle, "IndexStyle");
    return settings;
}

} // namespace quillmere
