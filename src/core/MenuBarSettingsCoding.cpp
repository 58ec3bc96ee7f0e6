#include "core/MenuBarSettingsCoding.h"

namespace quillmere {

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
