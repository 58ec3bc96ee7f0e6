#include "wm/UnlistedApps.h"

#include <string_view>

namespace quillmere {

namespace {

// Quitting or hiding it would take the desktop away from the user.
constexpr std::string_view finder = "com.apple.finder";

} // namespace

std::vector<RunningApplication> unlistedApps(const Profile& profile, const std::vector<RunningApplication>& running,
                                             std::int32_t ownPid, std::optional<std::int32_t> frontmost) {
    const std::set<std::string> listed = profile.launchedApps();
    std::vector<RunningApplication> unlisted;
    for (const RunningApplication& app : running) {
        const std::string bundleIdentifier = app.bundleIdentifier.value_or("");
        if (app.activationPolicy == ActivationPolicy::regular && !listed.contains(bundleIdentifier) &&
            app.processIdentifier != ownPid && bundleIdentifier != finder && app.processIdentifier != frontmost)
            unlisted.push_back(app);
    }
    return unlisted;
}

} // namespace quillmere
