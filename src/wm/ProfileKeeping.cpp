#include "wm/ProfileKeeping.h"

#include "stores/ProfileSymbol.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace quillmere {

namespace {

constexpr std::string_view lastProfileKey = "lastProfile";

} // namespace

ProfileKeeping::ProfileKeeping(ProfileTarget& target, const ProfileServices& services)
    : target_(target), services_(services), current_{services.defaults.string(lastProfileKey), std::nullopt} {
}

void ProfileKeeping::setCurrent(std::optional<std::string> name) {
    current_.name = std::move(name);
    if (current_.name)
        services_.defaults.setString(lastProfileKey, *current_.name);
    else
        services_.defaults.remove(lastProfileKey);
}

void ProfileKeeping::checkCurrent() {
    current_.icon.reset();
    if (current_.name)
        for (const Profile& profile : services_.profiles.load().profiles)
            if (profile.name == *current_.name) {
                current_.icon = symbol(profile, services_.symbols);
                break;
            }
    if (!current_.icon)
        setCurrent(std::nullopt);
}

void ProfileKeeping::profilesChanged(const std::vector<Profile>& profiles,
                                     const std::optional<ProfileRename>& renamed) {
    if (!current_.name)
        return;
    const std::string oldName = *current_.name;
    if (renamed && renamed->from == oldName)
        setCurrent(renamed->to);
    std::optional<std::string> icon;
    const auto current = std::ranges::find(profiles, *current_.name, &Profile::name);
    if (current != profiles.end())
        icon = symbol(*current, services_.symbols);
    else
        setCurrent(std::nullopt);
    if (current_.name == oldName && icon == current_.icon)
        return;
    current_.icon = std::move(icon);
    target_.publishStatus();
}

std::optional<Profile> ProfileKeeping::automaticProfile(const Desktops& desktops) const {
    for (const Profile& profile : services_.profiles.load().profiles)
        if (profile.autoApply == true && desktops.matchesExactly(profile))
            return profile;
    return std::nullopt;
}

std::optional<SpaceId> ProfileKeeping::takeOwedSpace(const std::string& app) {
    const auto owed = owed_.find(app);
    if (owed == owed_.end() || owed->second.empty())
        return std::nullopt;
    const SpaceId space = owed->second.front();
    owed->second.erase(owed->second.begin());
    return space;
}

std::string ProfileKeeping::localizedName(std::int32_t pid) const {
    const auto app = services_.applications.application(pid);
    return app ? app->localizedName.value_or("") : "";
}

void ProfileKeeping::later(Duration delay, std::function<void()> work) {
    services_.queue.after(delay, lifetime_.guarded(std::move(work)));
}

} // namespace quillmere
