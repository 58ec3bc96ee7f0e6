#pragma once

#include "core/Desktops.h"
#include "core/SpaceSnapshot.h"
#include "core/WindowRef.h"
#include "wm/WindowInventory.h"

#include <map>
#include <vector>

namespace quillmere {

// One snapshot per full-screen Space, displays in display order and each Space once: its windows' references
// from left to right, at most two (one application, or the two halves of a split pair). A Space none of
// whose windows has a reference is left out.
std::vector<FullScreenSnapshot> fullScreenSnapshots(const Desktops& desktops,
                                                    const std::vector<InventoryWindow>& windows,
                                                    const std::map<WindowId, WindowRef>& refs);

} // namespace quillmere
