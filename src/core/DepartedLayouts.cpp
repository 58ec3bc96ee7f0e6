#include "core/DepartedLayouts.h"

#include <set>

namespace quillmere {

namespace {

std::set<std::string> displayIds(const Desktops& desktops) {
    std::set<std::string> ids;
    for (const auto& display : desktops.displays())
        ids.insert(display.id);
    return ids;
}

bool holdsWindows(const SpaceLayout& layout) {
    return !layout.tree.windows().empty();
}

bool isOn(const Desktops& desktops, SpaceId space, const DisplaySpaces& display) {
    const DisplaySpaces* owner = desktops.display(space);
    return owner && owner->id == display.id;
}

} // namespace

SpaceLayouts DepartedLayouts::update(const Desktops& from, const Desktops& to, const SpaceLayouts& layouts) {
    const auto oldIds = displayIds(from);
    const auto newIds = displayIds(to);

    for (const auto& display : from.displays()) {
        if (newIds.contains(display.id))
            continue;
        SpaceLayouts parked;
        for (const auto& [space, layout] : layouts)
            if (isOn(from, space, display) && holdsWindows(layout))
                parked.emplace(space, layout);
        // An empty entry still replaces an older one: that display's old arrangement is gone.
        saved.insert_or_assign(display.identity.signature(), std::move(parked));
    }

    SpaceLayouts restored;
    for (const auto& display : to.displays()) {
        if (oldIds.contains(display.id))
            continue;
        const auto entry = saved.find(display.identity.signature());
        if (entry == saved.end())
            continue;
        const SpaceLayouts parked = std::move(entry->second);
        saved.erase(entry);
        for (const auto& [space, layout] : parked) {
            if (!isOn(to, space, display))
                continue;
            const auto current = layouts.find(space);
            if (current != layouts.end() && holdsWindows(current->second))
                continue;
            restored.insert_or_assign(space, layout);
        }
    }
    return restored;
}

} // namespace quillmere
