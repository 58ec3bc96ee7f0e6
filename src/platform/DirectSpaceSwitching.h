#pragma once

#include "core/WindowId.h"

namespace quillmere {

// A desktop that can show a Space directly, by its id, without the key events or swipes of the Mac's
// recipe; the Space switcher uses it where the desktop offers it.
class DirectSpaceSwitching {
  public:
    virtual ~DirectSpaceSwitching() = default;

    // Asks for the Space to be shown; false for a Space the desktop does not have. The switch completes
    // later, as the change of the current Space tells.
    virtual bool showSpace(SpaceId space) = 0;
};

} // namespace quillmere
