#include "platform/ManualKeyMonitors.h"

namespace quillmere {

KeyMonitorToken ManualKeyMonitors::addLocalMonitor(Handler handler) {
    const std::uint64_t token = next_++;
    monitors_.emplace(token, std::move(handler));
    return {token};
}

void ManualKeyMonitors::removeMonitor(KeyMonitorToken token) { monitors_.erase(token.value); }

bool ManualKeyMonitors::press(std::uint16_t keyCode, EventFlags flags) {
    return deliver({LocalKeyEvent::Type::keyDown, keyCode, flags});
}

bool ManualKeyMonitors::holdModifiers(EventFlags flags) {
    return deliver({LocalKeyEvent::Type::flagsChanged, 0, flags});
}

bool ManualKeyMonitors::deliver(const LocalKeyEvent& event) {
    if (monitors_.empty())
        return false;
    // A handler may remove monitors, its own too.
    const auto monitors = monitors_;
    for (const auto& [token, handler] : monitors)
        if (monitors_.contains(token))
            handler(event);
    return true;
}

} // namespace quillmere
