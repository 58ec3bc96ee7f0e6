#include "settings/RuleEdits.h"

#include "core/Trimming.h"
#include "settings/model/TextComparison.h"

#include <algorithm>

namespace quillmere {

namespace {

std::string trimmed(std::string_view typed) {
    return std::string(trimmingSpacesAndTabs(typed));
}

void appendSorted(std::vector<std::string>& names, std::string_view typed) {
    names.push_back(trimmed(typed));
    sortPlain(names);
}

} // namespace

void addFloatApp(Settings& settings, std::string_view typed) {
    appendSorted(settings.floatApps, typed);
}

void removeFloatApp(Settings& settings, const std::string& name) {
    std::erase(settings.floatApps, name);
}

void addTitleRule(Settings& settings, std::string_view typedApp, std::string pattern) {
    settings.floatTitles.push_back({trimmed(typedApp), std::move(pattern)});
}

void removeTitleRule(Settings& settings, std::size_t index) {
    if (index < settings.floatTitles.size())
        settings.floatTitles.erase(settings.floatTitles.begin() + static_cast<std::ptrdiff_t>(index));
}

void addSpaceRule(Settings& settings, std::string_view typed, std::int64_t space) {
    settings.appSpaces[trimmed(typed)] = space;
}

void removeSpaceRule(Settings& settings, const std::string& name) {
    settings.appSpaces.erase(name);
}

void addFullScreenApp(Settings& settings, std::string_view typed) {
    std::vector<std::string> names = settings.fullScreenApps.value_or(std::vector<std::string>{});
    appendSorted(names, typed);
    settings.fullScreenApps = std::move(names);
}

void removeFullScreenApp(Settings& settings, const std::string& name) {
    if (settings.fullScreenApps)
        std::erase(*settings.fullScreenApps, name);
}

std::vector<std::pair<std::string, std::int64_t>> shownSpaceRules(const Settings& settings, int spaceCount) {
    std::vector<std::pair<std::string, std::int64_t>> shown;
    for (const auto& [name, space] : settings.appSpaces)
        if (space <= spaceCount)
            shown.emplace_back(name, space);
    std::stable_sort(shown.begin(), shown.end(),
                     [](const auto& a, const auto& b) { return plainLess(a.first, b.first); });
    return shown;
}

std::size_t hiddenSpaceRuleCount(const Settings& settings, int spaceCount) {
    return static_cast<std::size_t>(std::count_if(settings.appSpaces.begin(), settings.appSpaces.end(),
                                                  [spaceCount](const auto& rule) { return rule.second > spaceCount; }));
}

std::vector<std::string> spaceRuleNames(const Settings& settings) {
    std::vector<std::string> names;
    for (const auto& [name, space] : settings.appSpaces)
        names.push_back(name);
    return names;
}

std::vector<std::string> sortedFullScreenApps(const Settings& settings) {
    std::vector<std::string> names = settings.fullScreenApps.value_or(std::vector<std::string>{});
    sortPlain(names);
    return names;
}

std::int64_t clampedSpace(std::int64_t space, int spaceCount) {
    return std::clamp<std::int64_t>(space, 1, std::max(1, spaceCount));
}

} // namespace quillmere
