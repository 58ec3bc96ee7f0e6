#include "core/Profile.h"

#include "core/Trimming.h"

#include <algorithm>

namespace quillmere {

namespace {

template <class T, class Read>
std::optional<std::vector<T>> readList(const JsonReader& json, std::string_view key, Read read) {
    const auto member = json.optional(key);
    if (!member)
        return std::nullopt;
    std::vector<T> list;
    for (const auto& element : member->elements())
        list.push_back(read(element));
    return list;
}

std::map<std::string, std::vector<std::string>> readOpen(const JsonReader& json) {
    std::map<std::string, std::vector<std::string>> open;
    for (const auto& [app, texts] : json.members()) {
        auto& list = open[app];
        for (const auto& text : texts.elements())
            list.push_back(text.string());
    }
    return open;
}

} // namespace

std::vector<DisplayIdentity> Profile::recordedDisplays() const {
    std::vector<DisplayIdentity> identities;
    if (displays) {
        for (const ProfileDisplay& entry : *displays)
            identities.push_back(entry.identity);
        return identities;
    }
    std::set<std::string> texts;
    for (const SpaceSnapshot& snapshot : spaces)
        if (snapshot.display)
            texts.insert(*snapshot.display);
    for (const std::string& text : texts)
        identities.push_back(DisplayIdentity{text, 0, 0, 0, false});
    return identities;
}

std::set<std::string> Profile::apps() const {
    std::set<std::string> result;
    for (const SpaceSnapshot& snapshot : spaces)
        for (const WindowRef& ref : snapshot.windows())
            result.insert(ref.app);
    if (fullScreen)
        for (const FullScreenSnapshot& snapshot : *fullScreen)
            for (const WindowRef& ref : snapshot.windows)
                result.insert(ref.app);
    return result;
}

std::set<std::string> Profile::launchedApps() const {
    std::set<std::string> result = apps();
    if (open)
        for (const auto& [app, texts] : *open)
            if (!items(app).empty())
                result.insert(app);
    return result;
}

std::vector<LaunchItem> Profile::items(std::string_view opening) const {
    std::vector<LaunchItem> result;
    if (!open)
        return result;
    const auto found = open->find(std::string(opening));
    if (found == open->end())
        return result;
    for (const std::string& text : found->second)
        if (auto item = LaunchItem::parse(text))
            result.push_back(*std::move(item));
    return result;
}

void Profile::setItems(const std::vector<std::string>& texts, const std::string& opening) {
    std::vector<std::string> kept;
    for (const std::string& text : texts)
        if (const auto trimmed = trimmingSpacesAndTabs(text); !trimmed.empty())
            kept.emplace_back(trimmed);
    if (!kept.empty()) {
        if (!open)
            open.emplace();
        (*open)[opening] = std::move(kept);
        return;
    }
    if (!open)
        return;
    open->erase(opening);
    if (open->empty())
        open.reset();
}

void to_json(nlohmann::json& json, const Profile& profile) {
    json = nlohmann::json::object();
    json["name"] = profile.name;
    json["spaces"] = profile.spaces;
    const auto put = [&json](const char* key, const auto& field) {
        if (field)
            json[key] = *field;
    };
    put("display", profile.display);
    put("autoApply", profile.autoApply);
    put("spansDisplays", profile.spansDisplays);
    put("displays", profile.displays);
    put("show", profile.show);
    put("hideUnlisted", profile.hideUnlisted);
    put("quitUnlisted", profile.quitUnlisted);
    put("fullScreen", profile.fullScreen);
    put("icon", profile.icon);
    put("open", profile.open);
}

Profile readProfile(const JsonReader& json) {
    Profile profile;
    profile.name = json["name"].string();
    profile.display = json.optional("display", &JsonReader::string);
    profile.autoApply = json.optional("autoApply", &JsonReader::boolean);
    profile.spansDisplays = json.optional("spansDisplays", &JsonReader::boolean);
    profile.displays = readList<ProfileDisplay>(json, "displays", readProfileDisplay);
    for (const auto& element : json["spaces"].elements())
        profile.spaces.push_back(readSpaceSnapshot(element));
    if (const auto show = json.optional("show"))
        profile.show = show->integer<std::int64_t>();
    profile.hideUnlisted = json.optional("hideUnlisted", &JsonReader::boolean);
    profile.quitUnlisted = json.optional("quitUnlisted", &JsonReader::boolean);
    profile.fullScreen = readList<FullScreenSnapshot>(json, "fullScreen", readFullScreenSnapshot);
    profile.icon = json.optional("icon", &JsonReader::string);
    if (const auto open = json.optional("open"))
        profile.open = readOpen(*open);
    return profile;
}

Result<std::string, JsonWriteError> encodeProfile(const Profile& profile) {
    return writeJson(profile, JsonStyle{.pretty = true, .escapeSlashes = true});
}

Decoded<Profile> decodeProfile(std::string_view bytes) {
    return decodeJson<Profile>(bytes, readProfile);
}

} // namespace quillmere
