#pragma once

#include "platform/RunningApplications.h"
#include "platform/WorkspaceNotifications.h"

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace quillmere {

// The running applications at one moment, as the X server shows them.
struct ApplicationsSnapshot {
    struct Entry {
        RunningApplication application;
        // Every one of its windows is minimized: X11 has no hiding of its own, so this is what hiding is.
        bool hidden = false;
        friend bool operator==(const Entry&, const Entry&) = default;
    };
    // By process id.
    std::map<std::int32_t, Entry> applications;
    // The owner of the active window.
    std::optional<std::int32_t> frontmost;
    friend bool operator==(const ApplicationsSnapshot&, const ApplicationsSnapshot&) = default;
};

// The workspace notifications that tell how `before` became `after`: launches, then hides and unhides,
// then the activation of a new frontmost application, then terminations, each kind by process id. A
// launched application is announced as it is; it is said to hide only when it hides after its launch.
std::vector<WorkspaceNotification> applicationChanges(const ApplicationsSnapshot& before,
                                                      const ApplicationsSnapshot& after);

} // namespace quillmere
