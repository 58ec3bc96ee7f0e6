#include "platform/x11/ApplicationChanges.h"

#include <string>

namespace quillmere {

std::vector<WorkspaceNotification> applicationChanges(const ApplicationsSnapshot& before,
                                                      const ApplicationsSnapshot& after) {
    std::vector<WorkspaceNotification> changes;
    const auto tell = [&](std::string_view name, const RunningApplication& application) {
        changes.push_back({std::string(name), application});
    };
    for (const auto& [pid, entry] : after.applications)
        if (!before.applications.contains(pid))
            tell(didLaunchApplicationNotification, entry.application);
    for (const auto& [pid, entry] : after.applications) {
        const auto old = before.applications.find(pid);
        if (old != before.applications.end() && old->second.hidden != entry.hidden)
            tell(entry.hidden ? didHideApplicationNotification : didUnhideApplicationNotification,
                 entry.application);
    }
    if (after.frontmost && after.frontmost != before.frontmost)
        if (const auto front = after.applications.find(*after.frontmost); front != after.applications.end())
            tell(didActivateApplicationNotification, front->second.application);
    for (const auto& [pid, entry] : before.applications)
        if (!after.applications.contains(pid))
            tell(didTerminateApplicationNotification, entry.application);
    return changes;
}

} // namespace quillmere
