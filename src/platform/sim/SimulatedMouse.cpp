#include "platform/sim/SimulatedDesktop.h"

namespace quillmere {

// Posted pointer events move the pointer; a button released over the split-screen picker chooses there.
bool SimulatedDesktop::readMouse(const Event& event) {
    switch (event.type) {
    case EventType::mouseMoved:
    case EventType::leftMouseDown:
    case EventType::leftMouseUp:
        break;
    default:
        return false;
    }
    mouseEvents_.push_back({event.type, event.location});
    pointer_ = event.location;
    if (event.type == EventType::leftMouseUp && picker_)
        endTilePicker(event.location);
    return true;
}

} // namespace quillmere
