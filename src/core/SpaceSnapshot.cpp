#include "core/SpaceSnapshot.h"

namespace quillmere {

namespace {

using RefTest = std::function<bool(const WindowRef&)>;

std::vector<WindowRef> passing(const std::vector<WindowRef>& refs, const RefTest& test) {
    std::vector<WindowRef> kept;
    for (const WindowRef& ref : refs)
        if (test(ref))
            kept.push_back(ref);
    return kept;
}

std::optional<LayoutSnapshot> pruned(const LayoutSnapshot& node, const RefTest& test) {
    if (node.isTile()) {
        auto kept = passing(node.refs(), test);
        if (kept.empty())
            return std::nullopt;
        return LayoutSnapshot::tile(std::move(kept));
    }
    auto first = pruned(node.first(), test);
    auto second = pruned(node.second(), test);
    if (!first || !second)
        return first ? first : second;
    return LayoutSnapshot::split(node.axis(), node.ratio(), *std::move(first), *std::move(second));
}

} // namespace

std::vector<WindowRef> SpaceSnapshot::windows() const {
    std::vector<WindowRef> refs;
    if (tree)
        refs = tree->windows();
    refs.insert(refs.end(), floating.begin(), floating.end());
    refs.insert(refs.end(), others.begin(), others.end());
    return refs;
}

SpaceSnapshot SpaceSnapshot::keeping(const std::function<bool(const WindowRef&)>& test) const {
    SpaceSnapshot kept = *this;
    kept.tree = tree ? pruned(*tree, test) : std::nullopt;
    kept.floating = passing(floating, test);
    kept.others = passing(others, test);
    return kept;
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
