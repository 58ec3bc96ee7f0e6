#pragma once

#include "core/Profile.h"
#include "platform/RunningApplications.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace quillmere {

// The running regular applications, in the order given, that loading the profile hides or quits: not among
// its launched applications, not this application, not the Finder, and not the application the user was
// working in when the load was asked for (the terminal that sent "load", say).
std::vector<RunningApplication> unlistedApps(const Profile& profile, const std::vector<RunningApplication>& running,
                                             std::int32_t ownPid, std::optional<std::int32_t> frontmost);

} // namespace quillmere
