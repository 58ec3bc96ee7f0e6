#include "profiles/ProfileTexts.h"

#include <set>

namespace quillmere {
namespace {

constexpr std::string_view separator = " · ";

std::int64_t windowCount(const std::vector<SpaceSnapshot>& spaces) {
    std::int64_t count = 0;
    for (const SpaceSnapshot& space : spaces)
        count += static_cast<std::int64_t>(space.windows().size());
    return count;
}

std::string withFullScreen(std::string text, const Profile& profile) {
    const std::size_t fullScreen = profile.fullScreen ? profile.fullScreen->size() : 0;
    if (fullScreen > 0)
        text += std::string(separator) + std::to_string(fullScreen) + " full screen";
    return text;
}

std::string fileName(const ProfileStore::Problem& problem) { return problem.file.filename().string(); }

} // namespace

std::string counted(std::int64_t count, const std::string& noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

std::string profileListSummary(const Profile& profile) {
    std::set<std::int64_t> desktops;
    for (const SpaceSnapshot& space : profile.spaces)
        desktops.insert(space.space);
    return withFullScreen(counted(static_cast<std::int64_t>(desktops.size()), "Desktop") + std::string(separator) +
                              counted(windowCount(profile.spaces), "window"),
                          profile);
}

std::string profileDetailSummary(const Profile& profile) {
    std::string text = profileListSummary(profile);
    if (profile.displays && !profile.displays->empty()) {
        std::string names;
        for (const ProfileDisplay& display : *profile.displays)
            names += (names.empty() ? "" : " + ") + display.identity.name;
        text += std::string(separator) + names;
    }
    return text;
}

std::string problemTitle(const ProfileStore::Problem& problem) { return fileName(problem) + " didn't load"; }

std::string problemTooltip(const ProfileStore::Problem& problem) {
    return "Open " + fileName(problem) + " to fix it: " + problem.message;
}

std::string renameTitle(const std::string& name) { return "Rename “" + name + "”"; }

} // namespace quillmere
