#pragma once

#include "core/Geometry.h"
#include "core/SpaceSnapshot.h"

#include <optional>
#include <string>

namespace quillmere {

// One display's share of the Desktop being edited.
struct DesktopPart {
    // None when the profile records no display.
    std::optional<std::string> display;
    // The recorded display's name; none when there is none.
    std::optional<std::string> name;
    // Only its size and its place beside the other parts are drawn.
    Rect frame;
    // The profile's snapshot of this Desktop on this display, else a fresh one for it.
    SpaceSnapshot snapshot;
    // Whether `snapshot` is stored in the profile.
    bool configured = false;
};

} // namespace quillmere
