#pragma once

#include "core/Geometry.h"

namespace quillmere {

// Where a panel under the status item goes, in global points with the origin at the top left. It is centred
// under the item and kept 8 inside the visible area's sides, the right side winning when the area is too
// narrow; its top lies 6 below the item, or, for an item in the lower half of its screen (a tray at the
// bottom), its bottom lies 6 above it. It ends at least 6 inside the visible area's far edge, so that its
// footer stays on the screen however far from that edge it begins: its content scrolls instead.
namespace PanelPlacement {

inline constexpr double sideInset = 8;
inline constexpr double itemGap = 6;
inline constexpr double farEdgeInset = 6;

// `item` is the status item's frame; a null or empty one, from a tray that does not tell, counts as the top
// right corner of the visible area.
Rect frame(const Rect& item, const Rect& screen, const Rect& visible, Size wanted);

} // namespace PanelPlacement

} // namespace quillmere
