#include "core/SettingsCoding.h"

#include "core/MenuBarSettingsCoding.h"
#include "core/SettingFields.h"

#include <cstdint>
#include <map>
#include <optional>
#include <type_traits>
#include <vector>

namespace quillmere {

namespace {

// A setting's value is coded by its type. Values without an overload here are written as the library
// converts them.
template <class T> nlohmann::json encoded(const T& value) {
    return value;
}

nlohmann::json encoded(TileAlgorithm tiling) {
    return text(tiling);
}

nlohmann::json encoded(StackAlgorithm stacking) {
    return text(stacking);
}

nlohmann::json encoded(const Settings::TitleRule& rule) {
    return {{"app", rule.app}, {"title", rule.title}};
}

nlohmann::json encoded(const Settings::SpaceSettings& entry) {
    nlohmann::json space{{"space", entry.space}};
    if (entry.label)
        space["label"] = *entry.label;
    if (entry.layout)
        space["layout"] = text(*entry.layout);
    return space;
}

template <class T> nlohmann::json encoded(const std::vector<T>& values) {
    auto list = nlohmann::json::array();
    for (const auto& value : values)
        list.push_back(encoded(value));
    return list;
}

bool decoded(std::type_identity<bool>, const JsonReader& json) {
    return json.boolean();
}

double decoded(std::type_identity<double>, const JsonReader& json) {
    return json.number();
}

std::int64_t decoded(std::type_identity<std::int64_t>, const JsonReader& json) {
    return json.integer<std::int64_t>();
}

std::string decoded(std::type_identity<std::string>, const JsonReader& json) {
    return json.string();
}

TileAlgorithm decoded(std::type_identity<TileAlgorithm>, const JsonReader& json) {
    return json.text(parseTileAlgorithm, "TileAlgorithm");
}

StackAlgorithm decoded(std::type_identity<StackAlgorithm>, const JsonReader& json) {
    return json.text(parseStackAlgorithm, "StackAlgorithm");
}

MenuBarSettings decoded(std::type_identity<MenuBarSettings>, const JsonReader& json) {
    return readMenuBarSettings(json);
}

Settings::TitleRule decoded(std::type_identity<Settings::TitleRule>, const JsonReader& json) {
    Settings::TitleRule rule;
    rule.app = json["app"].string();
    rule.title = json["title"].string();
    return rule;
}

Settings::SpaceSettings decoded(std::type_identity<Settings::SpaceSettings>, const JsonReader& json) {
    Settings::SpaceSettings entry;
    entry.space = json["space"].integer<std::int64_t>();
    entry.label = json.optional("label", &JsonReader::string);
    if (const auto layout = json.optional("layout"))
        entry.layout = layout->text(parseLayoutMode, "LayoutMode");
    return entry;
}

template <class T> std::vector<T> decoded(std::type_identity<std::vector<T>>, const JsonReader& json) {
    std::vector<T> values;
    for (const auto& element : json.elements())
        values.push_back(decoded(std::type_identity<T>{}, element));
    return values;
}

template <class T>
std::map<std::string, T> decoded(std::type_identity<std::map<std::string, T>>, const JsonReader& json) {
    std::map<std::string, T> values;
    for (const auto& [key, value] : json.members())
        values.emplace(key, decoded(std::type_identity<T>{}, value));
    return values;
}

// A required key is always written and must be there; an optional one is written when present and read as
// absent when missing or null.
template <class T> void write(nlohmann::json& json, std::string_view key, const T& value) {
    json[std::string(key)] = encoded(value);
}

template <class T> void write(nlohmann::json& json, std::string_view key, const std::optional<T>& value) {
    if (value)
        json[std::string(key)] = encoded(*value);
}

template <class T> void read(const JsonReader& json, std::string_view key, T& value) {
    value = decoded(std::type_identity<T>{}, json[key]);
}

template <class T> void read(const JsonReader& json, std::string_view key, std::optional<T>& value) {
    if (const auto member = json.optional(key))
        value = decoded(std::type_identity<T>{}, *member);
}

} // namespace

void to_json(nlohmann::json& json, const Settings& settings) {
    json = nlohmann::json::object();
    forEachSettingField([&](const auto& field) { write(json, field.key, settings.*field.member); });
}

Settings readSettings(const JsonReader& json) {
    Settings settings;
    forEachSettingField([&](const auto& field) { read(json, field.key, settings.*field.member); });
    return settings;
}

Decoded<Settings> decodeSettings(std::string_view bytes) {
    return decodeJson<Settings>(bytes, readSettings);
}

Result<std::string, JsonWriteError> encodeSettings(const Settings& settings) {
    return writeJson(nlohmann::json(settings), JsonStyle{.pretty = true, .escapeSlashes = false});
}

} // namespace quillmere
