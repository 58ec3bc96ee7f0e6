#pragma once

#include "core/Profile.h"
#include "platform/Alerts.h"
#include "platform/RunningApplications.h"
#include "platform/UserDefaults.h"

#include <string>
#include <vector>

namespace quillmere {

// Asks before a profile quits the applications it does not list, unless the user said not to ask again for
// that profile.
namespace QuitConfirmation {

// Holds true once the user ticked the box and chose to quit.
std::string key(const std::string& profileName);
// The applications' names (nameless ones left out) sorted, with "Quit Apps" first and "Skip".
Alert alert(const std::vector<RunningApplication>& apps, const std::string& profileName);
// True for "Quit Apps"; the box is kept only with that answer.
bool confirm(const std::vector<RunningApplication>& apps, const Profile& profile, UserDefaults& defaults,
             Alerts& alerts);

} // namespace QuitConfirmation

} // namespace quillmere
