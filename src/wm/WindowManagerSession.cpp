#include "wm/WindowManager.h"

namespace quillmere {

void WindowManager::saveSession() {
    const Desktops desktops = spaces_.desktops();
    std::vector<Session::Space> records;
    std::set<SpaceId> laidOut;
    for (const auto& [space, layout] : arrangement_.layouts) {
        laidOut.insert(space);
        if (auto record = sessionRecord(space, layout, desktops))
            records.push_back(*std::move(record));
    }
    session_.save(std::move(records), laidOut, desktops);
}

// References count per application within the Space, so the numbers start again from 0 in every Space.
std::optional<Session::Space> WindowManager::sessionRecord(SpaceId space, const SpaceLayout& layout,
                                                           const Desktops& desktops) const {
    std::vector<std::pair<WindowId, std::string>> named;
    for (WindowId window : layoutWindows(layout))
        if (const auto tracked = tracking_.windows.find(window); tracked != tracking_.windows.end())
            named.emplace_back(window, tracked->second.bundleID(services_.desktop.applications));
    if (named.empty())
        return std::nullopt;
    const std::map<WindowId, WindowRef> refs = WindowRef::assign(named);

    const auto number = desktops.number(space);
    Session::Space record;
    record.id = static_cast<std::int64_t>(space);
    record.layout = layout.snapshot(number.value_or(0), {}, [&](WindowId window) -> std::optional<WindowRef> {
        const auto found = refs.find(window);
        return found == refs.end() ? std::nullopt : std::optional(found->second);
    });
    for (const auto& [window, ref] : refs)
        record.windows.emplace(ref, window);
    record.configuredMode =
        config_.spaceRules.layout(number ? std::optional<std::int64_t>(*number) : std::nullopt);
    return record;
}

} // namespace quillmere
