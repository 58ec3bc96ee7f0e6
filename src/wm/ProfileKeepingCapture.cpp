#include "core/ProfileEditing.h"
#include "platform/Log.h"
#include "stores/ProfileSymbol.h"
#include "wm/FullScreenSnapshots.h"
#include "wm/ProfileKeeping.h"

namespace quillmere {

void ProfileKeeping::capture(const std::string& name, bool makeCurrent) {
    const std::vector<Profile> stored = services_.profiles.load().profiles;
    for (const Profile& profile : stored)
        if (profile.name == name) {
            recapture(profile, makeCurrent);
            return;
        }
    std::set<std::string> taken;
    for (const Profile& profile : stored)
        taken.insert(profile.name);
    if (const auto problem = profileNameProblem(name, std::nullopt, taken)) {
        log(LogLevel::error, "capture %{public}s: %{public}s", name, *problem);
        target_.flashNotice("Can't save profile: " + *problem);
        return;
    }
    const Profile profile = snapshotProfile(name);
    if (save(profile) && makeCurrent)
        this->makeCurrent(profile);
}

void ProfileKeeping::recapture(const Profile& profile, bool makeCurrent) {
    const Profile snapshot = snapshotProfile(profile.name);
    Profile recaptured = profile;
    recaptured.spansDisplays = snapshot.spansDisplays;
    recaptured.displays = snapshot.displays;
    recaptured.spaces = snapshot.spaces;
    recaptured.fullScreen = snapshot.fullScreen;
    if (save(recaptured) && makeCurrent)
        this->makeCurrent(recaptured);
}

void ProfileKeeping::makeCurrent(const Profile& profile) {
    setCurrent(profile.name);
    current_.icon = symbol(profile, services_.symbols);
    target_.publishStatus();
}

Profile ProfileKeeping::snapshotProfile(const std::string& name) {
    const std::vector<InventoryWindow> inventory = target_.windowsWithBounds();
    std::vector<std::pair<WindowId, std::string>> pairs;
    for (const InventoryWindow& window : inventory)
        pairs.emplace_back(window.id, window.app);
    const std::map<WindowId, WindowRef> refs = WindowRef::assign(pairs);
    const auto ref = [&refs](WindowId window) -> std::optional<WindowRef> {
        const auto found = refs.find(window);
        return found == refs.end() ? std::nullopt : std::optional(found->second);
    };
    const Desktops desktops = services_.spaces.desktops();

    Profile profile{.name = name};
    for (const DisplaySpaces& display : desktops.displays()) {
        for (std::size_t k = 0; k < display.spaces.size(); ++k) {
            const SpaceId space = display.spaces[k];
            std::vector<WindowId> onSpace;
            for (const InventoryWindow& window : inventory)
                if (window.space == space)
                    onSpace.push_back(window.id);
            if (onSpace.empty())
                continue;
            const SpaceLayout laidOut = target_.layout(space);
            std::vector<WindowRef> others;
            for (WindowId window : onSpace)
                if (const auto found = ref(window); found && !laidOut.contains(window))
                    others.push_back(*found);
            SpaceSnapshot snapshot = laidOut.snapshot(static_cast<std::int64_t>(k) + 1, others, ref);
            snapshot.display = display.identity.signature();
            profile.spaces.push_back(std::move(snapshot));
        }
    }
    recordDisplays(profile, desktops);
    if (auto fullScreen = fullScreenSnapshots(desktops, inventory, refs); !fullScreen.empty())
        profile.fullScreen = std::move(fullScreen);
    return profile;
}

bool ProfileKeeping::save(const Profile& profile) {
    if (const auto failure = services_.profiles.save(profile)) {
        log(LogLevel::error, "saving profile %{public}s failed: %{public}s", profile.name,
            failure->description);
        target_.flashNotice("Couldn't save profile \u201C" + profile.name + "\u201D");
        return false;
    }
    log(LogLevel::default_, "saved profile %{public}s: %ld Spaces", profile.name,
        static_cast<std::int64_t>(profile.spaces.size()));
    return true;
}

} // namespace quillmere
