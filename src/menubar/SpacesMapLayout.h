#pragma once

#include "core/Geometry.h"
#include "platform/RunningApplications.h"
#include "wm/MiniMap.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// One window on a card: a tile at its place on a Desktop card, or a pane of a full-screen card. Frames are
// relative to the card's picture.
struct MapTile {
    WindowId window = 0;
    std::int32_t pid = 0;
    Rect frame;
    bool floating = false;
    friend bool operator==(const MapTile&, const MapTile&) = default;
};

// One Space's card: its picture and caption in map coordinates, and what lies on the picture.
struct MapCard {
    std::size_t display = 0;
    std::size_t space = 0;
    bool fullScreen = false;
    // An empty Desktop that is not current is drawn under a veil.
    bool veiled = false;
    bool current = false;
    Rect picture;
    Rect caption;
    // A Desktop's number and label; a full-screen Space's applications.
    std::string text;
    std::string captionText;
    // Shared Spaces only: each physical display's piece of the desktop picture, relative to the picture.
    std::vector<Rect> wallpapers;
    // Back to front.
    std::vector<MapTile> tiles;
};

// A display's cards in one row that scrolls sideways: the band it takes in the map, under its header, and
// how wide its cards are together.
struct MapRow {
    std::size_t display = 0;
    Rect band;
    double contentWidth = 0;
};

struct MapHeader {
    Rect frame;
    std::string text;
};

// How captions measure, in the caption font: semibold for the current Space.
struct CaptionMetrics {
    double height = 12;
    std::function<double(const std::string& text, bool semibold)> width;
};

// Every display's Spaces as cards, in rows of displays as they are arranged (top row first, left to right),
// each display's cards wrapping in a justified flow as wide as the map, or else in one row of their own
// that may run wider than the map and scrolls sideways. A header names each display when there are several.
struct SpacesMapLayout {
    static constexpr double displaySpacing = 14;
    static constexpr double headerSpacing = 6;
    static constexpr double cardSpacing = 8;
    static constexpr double captionSpacing = 3;
    static constexpr double minimumCaptionWidth = 40;
    static constexpr double minimumTile = 8;
    static constexpr double paneSpacing = 1.5;
    static constexpr double minimumPaneShare = 0.1;
    static constexpr double fullScreenAspectLimit = 1.6;
    static constexpr double fullScreenScale = 0.8;
    // The current Space's caption sits on a capsule this much larger than its text.
    static constexpr double captionPadding = 6;
    // Cards in a row that does not wrap, and the room under it for its scroll bar.
    static constexpr double rowCardSpacing = 12;
    static constexpr double rowScrollPadding = 14;

    std::vector<MapHeader> headers;
    std::vector<MapCard> cards;
    // Only when the cards do not wrap.
    std::vector<MapRow> rows;
    Size size;

    static SpacesMapLayout make(const std::vector<MiniDisplay>& displays, double cardHeight, double width,
                                double headerHeight, const CaptionMetrics& captions,
                                RunningApplications& applications, bool wraps = true);

    // Moves the display's cards that far to the left, as its row scrolled.
    void scroll(std::size_t display, double offset);

    // The card whose picture holds the point; none between cards.
    const MapCard* cardAt(Point point) const;
    // The frontmost tile of the card under the point, which is relative to the card's picture.
    static const MapTile* tileAt(const MapCard& card, Point point);
};

// A window's tile on a card of that size: its frame clipped to the display, at least 8 by 8; a window wholly
// off its display gets the smallest tile at the card's top left corner.
Rect tileFrame(const Rect& unitRect, Size card);

// Where a drop on a Desktop card sends windows.
struct DropTarget {
    SpaceId space = 0;
    bool keepingDisplay = true;
    friend bool operator==(const DropTarget&, const DropTarget&) = default;
};

// On a card of displays that share their Spaces, the display under the point gives the Space and the window
// may change display; anywhere else the card's own Space, on the window's own display.
DropTarget dropTarget(const MiniDisplay& display, const MiniSpace& space, Point location, Size card);

} // namespace quillmere
