#pragma once

#include "wm/WindowManager.h"

namespace quillmere {

struct WindowManager::CommandTarget {
    AXWindow window;
    SpaceId space = 0;
    // The visible area inset by the padding.
    Rect area;
    double gap = 0;
    // Stored back only by the endings.
    SpaceLayout layout;
};

// How a command that changed the layout copy ends.
enum class WindowManager::Ending {
    // Nothing is stored or applied.
    none,
    // Stored and applied as a new arrangement: a later restore has nothing to go back to.
    clearingRestorePoint,
    // Stored and applied within a sizing run, which restore can still undo.
    keepingRestorePoint,
};

} // namespace quillmere
