#include "platform/sim/SimulatedDesktop.h"

namespace quillmere {

std::optional<Point> SimulatedDesktop::pointerLocation() {
    if (eventCreationFails_)
        return std::nullopt;
    return pointer_;
}

bool SimulatedDesktop::postMouseEvent(MouseEventType type, Point at) {
    if (eventCreationFails_)
        return false;
    mouseEvents_.push_back({type, at});
    pointer_ = at;
    if (type == MouseEventType::leftMouseUp && picker_)
        endTilePicker(at);
    return true;
}

void SimulatedDesktop::warpPointer(Point to) {
    pointer_ = to;
}

} // namespace quillmere
