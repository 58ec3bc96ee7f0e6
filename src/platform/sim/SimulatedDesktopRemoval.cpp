#include "platform/sim/SimulatedDesktop.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

namespace quillmere {

void SimulatedDesktop::removeDesktop(SpaceId space) {
    sim::SpaceList* list = listHolding(space);
    if (!list || list->find(space)->fullScreen)
        throw std::invalid_argument("no desktop " + std::to_string(space));
    const std::vector<SpaceId> desktops = list->desktops();
    if (desktops.size() < 2)
        throw std::invalid_argument("desktop " + std::to_string(space) + " is its display's last");
    const auto at = std::ranges::find(desktops, space);
    const SpaceId receiving = at == desktops.begin() ? *std::next(at) : *std::prev(at);

    for (auto& [number, window] : windows_) {
        if (std::erase(window.spaces, space) == 0)
            continue;
        if (std::ranges::find(window.spaces, receiving) == window.spaces.end())
            window.spaces.push_back(receiving);
    }
    const bool shown = list->current == space;
    if (shown)
        list->current = receiving;
    list->remove(space);
    if (shown)
        spaceChanged();
}

} // namespace quillmere
