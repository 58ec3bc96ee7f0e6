#include "platform/sim/SimulatedDesktop.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace quillmere {

sim::SpaceList SimulatedDesktop::returningSpaces(const std::string& uuid, const DisplaySetup& setup) {
    const auto remembered = unpluggedSpaces_.find(uuid);
    if (remembered != unpluggedSpaces_.end()) {
        sim::SpaceList spaces = std::move(remembered->second);
        unpluggedSpaces_.erase(remembered);
        if (!setup.newSpaceIds)
            return spaces;
    }
    sim::SpaceList spaces;
    for (int i = 0; i < setup.desktops; ++i) {
        if (static_cast<std::size_t>(i) >= setup.spaceIds.size()) {
            spaces.spaces.push_back({newSpaceId()});
            continue;
        }
        const SpaceId id = setup.spaceIds[i];
        if (listHolding(id) || spaces.find(id) || std::ranges::any_of(unpluggedSpaces_, [id](const auto& kept) {
                return kept.second.find(id);
            }))
            throw std::invalid_argument("space " + std::to_string(id) + " is in use");
        nextSpace_ = std::max(nextSpace_, id + 1);
        spaces.spaces.push_back({id});
    }
    spaces.current = spaces.spaces.front().id;
    return spaces;
}

// Full-screen Spaces end with the display: their windows leave full screen as they are gathered.
void SimulatedDesktop::rememberSpaces(const sim::Display& unplugged) {
    if (form_ == SpaceListForm::shared)
        return;
    sim::SpaceList kept = unplugged.spaces;
    kept.current = kept.homeDesktop();
    std::erase_if(kept.spaces, [](const sim::Space& space) { return space.fullScreen; });
    unpluggedSpaces_.insert_or_assign(unplugged.uuid, std::move(kept));
}

void SimulatedDesktop::moveDisplay(DisplayId number, Point origin) {
    sim::Display& moved = displayOrThrow(number);
    if (moved.bounds.origin == Point{0, 0})
        throw std::invalid_argument("the display at the origin stays there");
    std::vector<WindowId> carried;
    for (const auto& [id, window] : windows_)
        if (const sim::Display* shownOn = displayShowing(window); shownOn && shownOn->number == number)
            carried.push_back(id);
    const Point from = moved.bounds.origin;
    moved.bounds = {origin, moved.bounds.size};
    changed();
    for (WindowId id : carried) {
        sim::Window& window = windows_.at(id);
        setFrame(window, window.frame.offsetBy(origin.x - from.x, origin.y - from.y));
    }
    pointer_ = confined(pointer_);
    post(applicationDidChangeScreenParametersNotification);
}

} // namespace quillmere
