#pragma once

#include "core/DisplaySpaces.h"
#include "core/FullScreenTiles.h"
#include "core/PropertyList.h"

#include <algorithm>
#include <cstdint>

namespace quillmere::fuzz {

// The window server's form of what its readers read, to write back what they read.

inline PropertyList rectEntry(const Rect& rect) {
    return PropertyList::Dictionary{
        {"X", rect.minX()}, {"Y", rect.minY()}, {"Width", rect.width()}, {"Height", rect.height()}};
}

// Ids travel as the signed integers the window server answers.
inline PropertyList idEntry(std::uint64_t id) {
    return static_cast<std::int64_t>(id);
}

// One Space entry of a split view, without its id and type.
inline PropertyList::Dictionary splitViewEntry(const FullScreenTiles& tiles) {
    PropertyList::Array spaces;
    for (const FullScreenTiles::Tile& tile : tiles.tiles())
        spaces.push_back(PropertyList::Dictionary{{"TileWindowID", idEntry(tile.window)},
                                                  {"TileRect", rectEntry(tile.rect)}});
    return {{"TileLayoutManager", PropertyList::Dictionary{{"TileSpaces", std::move(spaces)},
                                                           {"Layout Rect", rectEntry(tiles.area())}}}};
}

// One display entry of the Space list; Desktops have type 0 and full-screen Spaces 4.
inline PropertyList displayEntry(const DisplaySpaces& display) {
    PropertyList::Array spaces;
    for (SpaceId id : display.order) {
        const auto found = display.fullScreen.find(id);
        PropertyList::Dictionary space =
            found == display.fullScreen.end() ? PropertyList::Dictionary{} : splitViewEntry(found->second);
        space.emplace("ManagedSpaceID", idEntry(id));
        space.emplace("type", std::ranges::count(display.spaces, id) ? 0 : 4);
        spaces.push_back(std::move(space));
    }
    return PropertyList::Dictionary{
        {"Display Identifier", display.id},
        {"Spaces", std::move(spaces)},
        {"Current Space", PropertyList::Dictionary{{"ManagedSpaceID", idEntry(display.current)}}}};
}

} // namespace quillmere::fuzz
