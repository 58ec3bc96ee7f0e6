#include "profiles/LaunchItems.h"

#include "settings/model/TextComparison.h"

#include <algorithm>

namespace quillmere {

namespace LaunchItems {

std::vector<App> apps(const Profile& profile, const std::function<std::string(const std::string&)>& name) {
    std::set<std::string> ids = profile.apps();
    if (profile.open) {
        for (const auto& entry : *profile.open)
            ids.insert(entry.first);
    }
    ids.erase(std::string(finder));
    std::vector<App> unsorted;
    std::vector<std::string> names;
    for (const auto& id : ids) {
        unsorted.push_back({id, name(id)});
        names.push_back(unsorted.back().name);
    }
    std::vector<App> sorted;
    for (const std::size_t index : localizedOrder(names))
        sorted.push_back(std::move(unsorted[index]));
    return sorted;
}

std::size_t count(const Profile& profile) {
    std::size_t total = 0;
    if (profile.open) {
        for (const auto& entry : *profile.open)
            total += entry.second.size();
    }
    return total;
}

std::optional<std::string> summary(const Profile& profile) {
    const std::size_t items = count(profile);
    if (items == 0)
        return std::nullopt;
    return "Opens " + std::to_string(items) + " item" + (items == 1 ? "" : "s") + " when launching apps";
}

std::vector<std::string> saved(const Profile& profile, const std::string& id) {
    if (!profile.open)
        return {};
    const auto entry = profile.open->find(id);
    return entry == profile.open->end() ? std::vector<std::string>{} : entry->second;
}

std::vector<std::string> lines(std::string_view text) {
    // Line feed, carriage return, and the line and paragraph separators U+2028 and U+2029 in UTF-8.
    std::vector<std::string> result(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || text[i] == '\r') {
            result.emplace_back();
            continue;
        }
        if (text.substr(i, 3) == "\u2028" || text.substr(i, 3) == "\u2029") {
            result.emplace_back();
            i += 2;
            continue;
        }
        result.back() += text[i];
    }
    return result;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += (i == 0 ? "" : "\n") + lines[i];
    return text;
}

std::vector<std::string> normalized(const std::vector<std::string>& lines) {
    Profile scratch;
    scratch.setItems(lines, "");
    return saved(scratch, "");
}

std::optional<Profile> saving(const std::vector<Profile>& profiles, const std::string& name, const std::string& id,
                              const std::vector<std::string>& lines) {
    const auto stored = std::find_if(profiles.begin(), profiles.end(),
                                     [&](const Profile& profile) { return profile.name == name; });
    if (stored == profiles.end())
        return std::nullopt;
    Profile copy = *stored;
    copy.setItems(lines, id);
    if (copy == *stored)
        return std::nullopt;
    return copy;
}

} // namespace LaunchItems

LaunchItemsText::LaunchItemsText(const std::vector<std::string>& saved) : text_(LaunchItems::joined(saved)) {}

void LaunchItemsText::type(std::string text) {
    text_ = std::move(text);
    typed_ = true;
}

void LaunchItemsText::setSaved(const std::vector<std::string>& saved) {
    if (!typed_)
        text_ = LaunchItems::joined(saved);
}

std::optional<std::vector<std::string>> LaunchItemsText::commit() {
    if (!typed_)
        return std::nullopt;
    typed_ = false;
    auto lines = LaunchItems::lines(text_);
    text_ = LaunchItems::joined(LaunchItems::normalized(lines));
    return lines;
}

} // namespace quillmere
