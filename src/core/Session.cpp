#include "core/Session.h"

#include <algorithm>

namespace quillmere {

namespace {

std::map<WindowRef, WindowId> readWindows(const JsonReader& json) {
    const auto elements = json.elements();
    if (elements.size() % 2 != 0)
        json.fail(DecodingError::Kind::dataCorrupted,
                  "Expected collection of key-value pairs; encountered odd-length array instead.");
    std::map<WindowRef, WindowId> windows;
    for (std::size_t at = 0; at < elements.size(); at += 2) {
        // Key before value, so that the first fault in the array is the one reported.
        WindowRef ref = readWindowRef(elements[at]);
        windows.insert_or_assign(std::move(ref), elements[at + 1].integer<WindowId>("UInt32"));
    }
    return windows;
}

Session::Space readSpace(const JsonReader& json) {
    Session::Space space;
    space.id = json["id"].integer<std::int64_t>("Int64");
    space.layout = readSpaceSnapshot(json["layout"]);
    space.windows = readWindows(json["windows"]);
    if (const auto mode = json.optional("configuredMode"))
        space.configuredMode = mode->text(parseLayoutMode, "LayoutMode");
    return space;
}

} // namespace

std::optional<Session::Space::Restorable>
Session::Space::restorable(LayoutMode mode, const std::function<bool(WindowId, const std::string&)>& isHere,
                           const std::function<bool(WindowId)>& floats) const {
    std::map<WindowRef, WindowId> present;
    for (const auto& [ref, window] : windows)
        if (isHere(window, ref.app))
            present.emplace(ref, window);
    if (present.empty())
        return std::nullopt;

    std::vector<WindowRef> newlyFloating;
    for (const auto& [ref, window] : present)
        if (floats(window))
            newlyFloating.push_back(ref);
    const auto isKept = [&](const WindowRef& ref) {
        return present.contains(ref) && std::ranges::find(newlyFloating, ref) == newlyFloating.end();
    };

    SpaceSnapshot restored = layout.keeping(isKept);
    restored.floating.insert(restored.floating.end(), newlyFloating.begin(), newlyFloating.end());
    std::ranges::stable_sort(restored.floating);
    restored.mode = configuredMode == mode ? layout.mode : mode;
    return Restorable{std::move(restored), std::move(present)};
}

void to_json(nlohmann::json& json, const Session::Space& space) {
    auto windows = nlohmann::json::array();
    for (const auto& [ref, window] : space.windows) {
        windows.push_back(ref.text());
        windows.push_back(window);
    }
    json = {{"id", space.id}, {"layout", space.layout}, {"windows", std::move(windows)}};
    if (space.configuredMode)
        json["configuredMode"] = std::string(text(*space.configuredMode));
}

void to_json(nlohmann::json& json, const Session& session) {
    json = {{"boot", session.boot}, {"windowServer", session.windowServer}, {"spaces", session.spaces}};
}

Session readSession(const JsonReader& json) {
    Session session;
    session.boot = json["boot"].integer<std::int64_t>("Int64");
    session.windowServer = json["windowServer"].integer<std::int32_t>("Int32");
    for (const auto& element : json["spaces"].elements())
        session.spaces.push_back(readSpace(element));
    return session;
}

Result<std::string, JsonWriteError> encodeSession(const Session& session) {
    return writeJson(session, JsonStyle{.pretty = false, .escapeSlashes = true});
}

Decoded<Session> decodeSession(std::string_view bytes) {
    return decodeJson<Session>(bytes, readSession);
}

} // namespace quillmere
