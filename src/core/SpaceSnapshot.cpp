#include "core/SpaceSnapshot.h"

namespace quillmere {

std::vector<WindowRef> SpaceSnapshot::windows() const {
    std::vector<WindowRef> refs;
    if (tree)
        refs = tree->windows();
    refs.insert(refs.end(), floating.begin(), floating.end());
    refs.insert(refs.end(), others.begin(), others.end());
    return refs;
}

void to_json(nlohmann::json& json, const SpaceSnapshot& snapshot) {
    json = {{"space", snapshot.space},
            {"mode", std::string(text(snapshot.mode))},
            {"floating", snapshot.floating},
            {"others", snapshot.others}};
    if (snapshot.tree)
        json["tree"] = *snapshot.tree;
    if (snapshot.display)
        json["display"] = *snapshot.display;
}

void to_json(nlohmann::json& json, const FullScreenSnapshot& snapshot) {
    json = {{"windows", snapshot.windows}};
}

SpaceSnapshot readSpaceSnapshot(const JsonReader& json) {
    SpaceSnapshot snapshot;
    snapshot.space = json["space"].integer<std::int64_t>();
    if (const auto mode = json.optional("mode"))
        snapshot.mode = mode->text(parseLayoutMode, "LayoutMode");
    if (const auto tree = json.optional("tree"))
        snapshot.tree = readLayoutSnapshot(*tree);
    if (const auto floating = json.optional("floating"))
        snapshot.floating = readWindowRefs(*floating);
    if (const auto others = json.optional("others"))
        snapshot.others = readWindowRefs(*others);
    snapshot.display = json.optional("display", &JsonReader::string);
    return snapshot;
}

FullScreenSnapshot readFullScreenSnapshot(const JsonReader& json) {
    return FullScreenSnapshot{readWindowRefs(json["windows"])};
}

} // namespace quillmere
