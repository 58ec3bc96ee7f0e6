#include "platform/sim/SimulatedDesktop.h"

#include <stdexcept>

namespace quillmere {

void SimulatedDesktop::moveWindowToSpace(WindowId number, SpaceId space) {
    sim::Window& moved = windowOrThrow(number);
    sim::SpaceList* list = listHolding(space);
    if (!list || list->find(space)->fullScreen)
        throw std::invalid_argument("no Desktop " + std::to_string(space));
    if (moved.onAllSpaces || moved.spaces.size() != 1 || fullScreenSpace(moved))
        throw std::invalid_argument("window " + std::to_string(number) + " is not on one Desktop");
    const sim::Display* from = displayHolding(moved.spaces.front());
    const sim::Display* to = displayHolding(space);
    moved.spaces = {space};
    changed();
    if (form_ == SpaceListForm::perDisplay && from && to && from != to)
        moved.frame = moved.frame.offsetBy(to->bounds.minX() - from->bounds.minX(),
                                           to->bounds.minY() - from->bounds.minY());
}

} // namespace quillmere
