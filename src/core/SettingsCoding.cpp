#include "core/Settings.h"

namespace quillmere {

namespace {

template <class T> void putOptional(nlohmann::json& json, const char* key, const std::optional<T>& value) {
    if (value)
        json[key] = *value;
}

std::vector<std::string> readStrings(const JsonReader& json) {
    std::vector<std::string> strings;
    for (const auto& element : json.elements())
        strings.push_back(element.string());
    return strings;
}

Settings::TitleRule readTitleRule(const JsonReader& json) {
    Settings::TitleRule rule;
    rule.app = json["app"].string();
    rule.title = json["title"].string();
    return rule;
}

Settings::SpaceSettings readSpaceSettings(const JsonReader& json) {
    Settings::SpaceSettings entry;
    entry.space = json["space"].integer<std::int64_t>();
    entry.label = json.optional("label", &JsonReader::string);
    if (const auto layout = json.optional("layout"))
        entry.layout = layout->text(parseLayoutMode, "LayoutMode");
    return entry;
}

std::optional<MenuBarSettings> readOptionalMenuBar(const JsonReader& json) {
    if (const auto menuBar = json.optional("menuBar"))
        return readMenuBarSettings(*menuBar);
    return std::nullopt;
}

} // namespace

void to_json(nlohmann::json& json, const Settings& settings) {
    json = nlohmann::json::object();
    json["keys"] = settings.keys;
    putOptional(json, "shortcuts", settings.shortcuts);
    json["focusFollowsMouse"] = settings.focusFollowsMouse;
    json["mouseFollowsFocus"] = settings.mouseFollowsFocus;
    putOptional(json, "followAfterSending", settings.followAfterSending);
    putOptional(json, "followRoutedWindows", settings.followRoutedWindows);
    putOptional(json, "windowPreviews", settings.windowPreviews);
    putOptional(json, "menuBar", settings.menuBar);
    json["floatApps"] = settings.floatApps;
    auto& titles = json["floatTitles"] = nlohmann::json::array();
    for (const auto& rule : settings.floatTitles)
        titles.push_back({{"app", rule.app}, {"title", rule.title}});
    auto& spaces = json["spaces"] = nlohmann::json::array();
    for (const auto& entry : settings.spaces) {
        nlohmann::json space{{"space", entry.space}};
        putOptional(space, "label", entry.label);
        if (entry.layout)
            space["layout"] = text(*entry.layout);
        spaces.push_back(std::move(space));
    }
    putOptional(json, "padding", settings.padding);
    putOptional(json, "gap", settings.gap);
    putOptional(json, "spacing", settings.spacing);
    putOptional(json, "activeBorder", settings.activeBorder);
    putOptional(json, "borderColor", settings.borderColor);
    putOptional(json, "borderOpacity", settings.borderOpacity);
    putOptional(json, "dimInactive", settings.dimInactive);
    putOptional(json, "dimOpacity", settings.dimOpacity);
    putOptional(json, "animateWindows", settings.animateWindows);
    putOptional(json, "ratio", settings.ratio);
    if (settings.tiling)
        json["tiling"] = text(*settings.tiling);
    if (settings.stacking)
        json["stacking"] = text(*settings.stacking);
    json["appSpaces"] = settings.appSpaces;
    putOptional(json, "fullScreenApps", settings.fullScreenApps);
    putOptional(json, "nativeTiling", settings.nativeTiling);
}

Settings readSettings(const JsonReader& json) {
    Settings settings;
    for (const auto& [chord, command] : json["keys"].members())
        settings.keys.emplace(chord, command.string());
    settings.shortcuts = json.optional("shortcuts", &JsonReader::boolean);
    settings.focusFollowsMouse = json["focusFollowsMouse"].boolean();
    settings.mouseFollowsFocus = json["mouseFollowsFocus"].boolean();
    settings.followAfterSending = json.optional("followAfterSending", &JsonReader::boolean);
    settings.followRoutedWindows = json.optional("followRoutedWindows", &JsonReader::boolean);
    settings.windowPreviews = json.optional("windowPreviews", &JsonReader::boolean);
    settings.menuBar = readOptionalMenuBar(json);
    settings.floatApps = readStrings(json["floatApps"]);
    for (const auto& rule : json["floatTitles"].elements())
        settings.floatTitles.push_back(readTitleRule(rule));
    for (const auto& entry : json["spaces"].elements())
        settings.spaces.push_back(readSpaceSettings(entry));
    settings.padding = json.optional("padding", &JsonReader::number);
    settings.gap = json.optional("gap", &JsonReader::number);
    settings.spacing = json.optional("spacing", &JsonReader::boolean);
    settings.activeBorder = json.optional("activeBorder", &JsonReader::boolean);
    settings.borderColor = json.optional("borderColor", &JsonReader::string);
    settings.borderOpacity = json.optional("borderOpacity", &JsonReader::number);
    settings.dimInactive = json.optional("dimInactive", &JsonReader::boolean);
    settings.dimOpacity = json.optional("dimOpacity", &JsonReader::number);
    settings.animateWindows = json.optional("animateWindows", &JsonReader::boolean);
    settings.ratio = json.optional("ratio", &JsonReader::number);
    if (const auto tiling = json.optional("tiling"))
        settings.tiling = tiling->text(parseTileAlgorithm, "TileAlgorithm");
    if (const auto stacking = json.optional("stacking"))
        settings.stacking = stacking->text(parseStackAlgorithm, "StackAlgorithm");
    for (const auto& [app, space] : json["appSpaces"].members())
        settings.appSpaces.emplace(app, space.integer<std::int64_t>());
    if (const auto apps = json.optional("fullScreenApps"))
        settings.fullScreenApps = readStrings(*apps);
    settings.nativeTiling = json.optional("nativeTiling", &JsonReader::boolean);
    return settings;
}

Decoded<Settings> decodeSettings(std::string_view bytes) {
    return decodeJson<Settings>(bytes, readSettings);
}

Result<std::string, JsonWriteError> encodeSettings(const Settings& settings) {
    return writeJson(nlohmann::json(settings), JsonStyle{.pretty = true, .escapeSlashes = false});
}

} // namespace quillmere
