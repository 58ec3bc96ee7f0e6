#pragma once

#include "platform/Events.h"

#include <cstdint>
#include <functional>

namespace quillmere {

// One key event of the application's own windows, as a local monitor sees it.
struct LocalKeyEvent {
    enum class Type : std::uint32_t { keyDown = 10, flagsChanged = 12 };

    Type type = Type::keyDown;
    // The Mac's virtual key code; 0 for a change of modifiers alone.
    std::uint16_t keyCode = 0;
    // Modifier flags as Core Graphics events carry them: 0x40000 control, 0x80000 option, 0x20000 shift,
    // 0x100000 command. A flags-changed event carries the modifiers held after the change.
    EventFlags flags = 0;
    friend bool operator==(const LocalKeyEvent&, const LocalKeyEvent&) = default;
};

struct KeyMonitorToken {
    std::uint64_t value = 0;
    friend bool operator==(const KeyMonitorToken&, const KeyMonitorToken&) = default;
};

// Hands the application's key downs and modifier changes to a handler before any window sees them; while a
// monitor is installed the application swallows them, so that no window and no shortcut acts on them.
// Handlers run on the main thread and may remove monitors, their own too.
class LocalKeyMonitors {
  public:
    using Handler = std::function<void(const LocalKeyEvent&)>;

    virtual ~LocalKeyMonitors() = default;

    virtual KeyMonitorToken addLocalMonitor(Handler handler) = 0;
    // Unknown and removed tokens are ignored.
    virtual void removeMonitor(KeyMonitorToken token) = 0;
};

} // namespace quillmere
