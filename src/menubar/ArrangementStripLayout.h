#pragma once

#include "core/Geometry.h"

#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// One display of an arrangement strip.
struct ArrangementItem {
    // The display's identifier, also the key of its desktop picture.
    std::string id;
    // Shown, and read out.
    std::string name;
    // In global coordinates; only the displays' places relative to each other count, but a frame at the
    // origin marks the display with the menu bar.
    Rect frame;
    // Marked, and read out as active.
    bool highlighted = false;
    friend bool operator==(const ArrangementItem&, const ArrangementItem&) = default;
};

// Where and how an arrangement strip draws each display.
struct ArrangementThumbnail {
    // Inside the strip, 2 inside the display's fitted place, so that neighbours keep a gap.
    Rect rect;
    // Highlighted or selected: drawn with the accent border.
    bool marked = false;
    // The menu bar across the top of the display at the origin; none for the others.
    std::optional<Rect> menuBar;
    std::string accessibleName;
    friend bool operator==(const ArrangementThumbnail&, const ArrangementThumbnail&) = default;
};

namespace ArrangementStripLayout {

inline constexpr double inset = 2;
inline constexpr double menuBarShare = 0.07;
inline constexpr double minimumMenuBar = 3;
// A name too long for its thumbnail shrinks this far before it is cut.
inline constexpr double minimumNameScale = 0.6;

// The displays scaled together to fit the strip's size and centred in it, in the items' order.
std::vector<ArrangementThumbnail> thumbnails(const std::vector<ArrangementItem>& items,
                                             const std::optional<std::string>& selected, Size size);
// How much a name `width` wide at full size shrinks to fit `available`: at most to the minimum scale.
double nameScale(double width, double available);

} // namespace ArrangementStripLayout

} // namespace quillmere
