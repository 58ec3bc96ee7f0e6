#include "platform/sim/SimulatedDesktop.h"

namespace quillmere {

void SimulatedDesktop::hide(std::int32_t pid) {
    sim::Application& hiding = appOrThrow(pid);
    if (hiding.hidden)
        return;
    hiding.hidden = true;
    post(didHideApplicationNotification, hiding.info);
}

void SimulatedDesktop::unhide(std::int32_t pid) {
    sim::Application& showing = appOrThrow(pid);
    if (!showing.hidden)
        return;
    showing.hidden = false;
    post(didUnhideApplicationNotification, showing.info);
}

bool SimulatedDesktop::isHidden(std::int32_t pid) const {
    const sim::Application* found = app(pid);
    return found && found->hidden;
}

} // namespace quillmere
