#pragma once

#include "core/Geometry.h"

#include <cstddef>

namespace quillmere {

// How big the Spaces overview is: one row of cards per display, each row 216 high with 14 between rows and
// 40 for the padding, or 232 for a single display, whose row has no header; never taller than the visible
// area less 12. Its cards shrink to fit, but never below 60. Sized this way, the cards are 160 high.
namespace SpacesWindowLayout {

inline constexpr double sideInset = 8;
inline constexpr double topGap = 6;
inline constexpr double heightMargin = 12;
inline constexpr double padding = 20;
inline constexpr double minimumCardHeight = 60;

double panelHeight(std::size_t displays, double visibleHeight);
// The panel across the top of the visible area, in global points with the origin at the top left.
Rect frame(const Rect& visible, std::size_t displays);
// The card height for a view `height` high.
double cardHeight(double height, std::size_t displays);

} // namespace SpacesWindowLayout

} // namespace quillmere
