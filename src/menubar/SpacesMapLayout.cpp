#include "menubar/SpacesMapLayout.h"

#include "core/Arrangement.h"
#include "menubar/FlowLayout.h"
#include "menubar/MiniMapTexts.h"

#include <algorithm>

namespace quillmere {
namespace {

using Layout = SpacesMapLayout;

Rect scaled(const Rect& unit, Size card) {
    return Rect(card.width * unit.minX(), card.height * unit.minY(), card.width * unit.width(),
                card.height * unit.height());
}

std::vector<MapTile> desktopTiles(const MiniSpace& space, Size card) {
    std::vector<MapTile> tiles;
    for (const MiniWindow& window : space.windows)
        tiles.push_back({window.id, window.pid, tileFrame(window.rect, card), window.isFloating});
    return tiles;
}

// Side by side in the order of their left edges, sharing the card in proportion to their widths, centred.
std::vector<MapTile> fullScreenPanes(const MiniSpace& space, Size card) {
    std::vector<MiniWindow> windows = space.windows;
    std::ranges::stable_sort(windows, {}, [](const MiniWindow& window) { return window.rect.minX(); });
    std::vector<double> widths;
    for (const MiniWindow& window : windows)
        widths.push_back(windows.size() == 1
                             ? card.width
                             : card.width * std::max(window.rect.width(), Layout::minimumPaneShare));
    double total = 0;
    for (double width : widths)
        total += width;
    if (!widths.empty())
        total += Layout::paneSpacing * static_cast<double>(widths.size() - 1);
    double x = (card.width - total) / 2;
    std::vector<MapTile> panes;
    for (std::size_t index = 0; index < windows.size(); ++index) {
        panes.push_back({windows[index].id, windows[index].pid, Rect(x, 0, widths[index], card.height),
                         windows[index].isFloating});
        x += widths[index] + Layout::paneSpacing;
    }
    return panes;
}

MapCard card(const MiniDisplay& display, const MiniSpace& space, double cardHeight) {
    MapCard card;
    card.fullScreen = space.isFullScreen;
    card.current = space.isCurrent;
    if (space.isFullScreen) {
        const Size size{cardHeight * std::min(display.aspect, Layout::fullScreenAspectLimit) *
                            Layout::fullScreenScale,
                        cardHeight};
        card.picture = Rect({0, 0}, size);
        card.tiles = fullScreenPanes(space, size);
        return card;
    }
    const Size size{cardHeight * display.aspect, cardHeight};
    card.picture = Rect({0, 0}, size);
    card.veiled = space.windows.empty() && !space.isCurrent;
    for (const Rect& panel : display.panels)
        card.wallpapers.push_back(scaled(panel, size));
    card.tiles = desktopTiles(space, size);
    card.text = MiniMapTexts::desktopText(space);
    card.captionText = card.text;
    return card;
}

// The card's picture at the top of its place, centred across it, and the caption under the picture.
MapCard placed(MapCard card, const Rect& place) {
    card.picture = card.picture.offsetBy(place.minX() + (place.width() - card.picture.width()) / 2, place.minY());
    card.caption = card.caption.offsetBy(place.minX() + (place.width() - card.caption.width()) / 2,
                                         card.picture.maxY() + Layout::captionSpacing);
    return card;
}

} // namespace

Rect tileFrame(const Rect& unitRect, Size card) {
    Rect clipped = unitRect.intersection(Rect(0, 0, 1, 1));
    if (clipped.isNull())
        clipped = Rect();
    return Rect(card.width * clipped.minX(), card.height * clipped.minY(),
                std::max(card.width * clipped.width(), Layout::minimumTile),
                std::max(card.height * clipped.height(), Layout::minimumTile));
}

DropTarget dropTarget(const MiniDisplay& display, const MiniSpace& space, Point location, Size card) {
    const Point unit{location.x / card.width, location.y / card.height};
    for (std::size_t index = 0; index < display.panels.size(); ++index)
        if (display.panels[index].contains(unit)) {
            if (index < space.panelSpaces.size())
                return {space.panelSpaces[index], false};
            break;
        }
    return {space.id, true};
}

SpacesMapLayout SpacesMapLayout::make(const std::vector<MiniDisplay>& displays, double cardHeight, double width,
                                      double headerHeight, const CaptionMetrics& captions,
                                      RunningApplications& applications, bool wraps) {
    SpacesMapLayout layout;
    std::vector<Rect> frames;
    for (const MiniDisplay& display : displays)
        frames.push_back(display.frame);
    const FlowLayout flow{cardSpacing, true};
    double y = 0;
    bool first = true;
    for (const auto& row : Arrangement::rows(frames))
        for (std::size_t index : row) {
            const MiniDisplay& display = displays[index];
            if (!first)
                y += displaySpacing;
            first = false;
            if (displays.size() >= 2) {
                layout.headers.push_back({Rect(0, y, width, headerHeight), MiniMapTexts::displayHeader(display)});
                y += headerHeight + headerSpacing;
            }
            std::vector<MapCard> cards;
            std::vector<Size> items;
            for (std::size_t spaceIndex = 0; spaceIndex < display.spaces.size(); ++spaceIndex) {
                const MiniSpace& space = display.spaces[spaceIndex];
                MapCard made = card(display, space, cardHeight);
                made.display = index;
                made.space = spaceIndex;
                if (space.isFullScreen) {
                    made.text = MiniMapTexts::fullScreenText(space.appNames(applications));
                    made.captionText = MiniMapTexts::fullScreenCaption(space, made.text);
                }
                const double padding = made.current ? 2 * captionPadding : 0;
                const double captionWidth =
                    std::min(captions.width(made.captionText, made.current) + padding,
                             std::max(made.picture.width(), minimumCaptionWidth));
                made.caption = Rect(0, 0, captionWidth, captions.height + (made.current ? 2 : 0));
                items.push_back({std::max(made.picture.width(), captionWidth),
                                 made.picture.height() + captionSpacing + made.caption.height()});
                cards.push_back(std::move(made));
            }
            if (wraps) {
                const Size flowSize = flow.sizeThatFits(items, width);
                const auto places = flow.place(items, Rect(0, y, width, flowSize.height));
                for (std::size_t item = 0; item < cards.size(); ++item)
                    layout.cards.push_back(placed(std::move(cards[item]), places[item]));
                y += flowSize.height;
                continue;
            }
            double x = 0;
            double height = 0;
            for (std::size_t item = 0; item < cards.size(); ++item) {
                x += item == 0 ? 0 : rowCardSpacing;
                layout.cards.push_back(placed(std::move(cards[item]), Rect(x, y, items[item].width, items[item].height)));
                x += items[item].width;
                height = std::max(height, items[item].height);
            }
            layout.rows.push_back({index, Rect(0, y, width, height + rowScrollPadding), x});
            y += height + rowScrollPadding;
        }
    layout.size = {width, y};
    return layout;
}

void SpacesMapLayout::scroll(std::size_t display, double offset) {
    for (MapCard& card : cards)
        if (card.display == display) {
            card.picture = card.picture.offsetBy(-offset, 0);
            card.caption = card.caption.offsetBy(-offset, 0);
        }
}

const MapCard* SpacesMapLayout::cardAt(Point point) const {
    for (const MapCard& card : cards)
        if (card.picture.contains(point))
            return &card;
    return nullptr;
}

const MapTile* SpacesMapLayout::tileAt(const MapCard& card, Point point) {
    for (auto tile = card.tiles.rbegin(); tile != card.tiles.rend(); ++tile)
        if (tile->frame.contains(point))
            return &*tile;
    return nullptr;
}

} // namespace quillmere
