#pragma once

#include "wm/WindowManagerStatus.h"

#include <string>

namespace quillmere {

// What the status item reads out: "Quillmere", then whichever of these apply, joined with ", ": the lost
// permission, the pause, the Space number, its label, the profile and a configuration error.
std::string statusLabel(const WindowManagerStatus& status, bool accessibilityLost, bool configError);

// What the status item shows when it has no picture, so that it never vanishes: the Space number, or a
// middle dot without one.
std::string statusTitle(const WindowManagerStatus& status);

} // namespace quillmere
