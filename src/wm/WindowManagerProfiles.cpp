#include "stores/ProfileSymbol.h"
#include "wm/WindowManager.h"

#include <algorithm>

namespace quillmere {

void WindowManager::profilesChanged(const std::vector<Profile>& profiles,
                                    const std::optional<ProfileRename>& renamed) {
    if (!profile_.name)
        return;
    const std::string oldName = *profile_.name;
    if (renamed && renamed->from == oldName)
        setLastProfile(renamed->to);
    std::optional<std::string> icon;
    const auto current = std::ranges::find(profiles, *profile_.name, &Profile::name);
    if (current != profiles.end())
        icon = symbol(*current, services_.symbols);
    else
        setLastProfile(std::nullopt);
    if (profile_.name == oldName && icon == profile_.icon)
        return;
    profile_.icon = std::move(icon);
    publishStatus();
}

std::map<WindowRef, WindowId> WindowManager::liveRefs(const std::vector<WindowPlace>& windows) {
    std::vector<std::pair<WindowId, std::string>> pairs;
    for (const WindowPlace& window : windows)
        pairs.emplace_back(window.id, window.app);
    std::map<WindowRef, WindowId> live;
    for (const auto& [id, ref] : WindowRef::assign(pairs))
        live.try_emplace(ref, id);
    return live;
}

} // namespace quillmere
