#include "core/FullScreenTiles.h"

#include <algorithm>
#include <utility>

namespace quillmere {

FullScreenTiles::FullScreenTiles(std::vector<Tile> tiles, Rect area) : tiles_(std::move(tiles)), area_(area) {
    std::ranges::stable_sort(tiles_, {}, [](const Tile& tile) { return tile.rect.minX(); });
}

namespace {

// Width and height are required numbers; a missing or non-number x or y is 0.
std::optional<Rect> readRect(const PropertyList* value) {
    if (!value)
        return std::nullopt;
    const auto number = [value](const char* key) -> std::optional<double> {
        const PropertyList* entry = value->find(key);
        return entry ? entry->number() : std::nullopt;
    };
    const auto width = number("Width");
    const auto height = number("Height");
    if (!width || !height)
        return std::nullopt;
    return Rect(number("X").value_or(0), number("Y").value_or(0), *width, *height);
}

std::optional<WindowId> readWindow(const PropertyList* value) {
    const auto number = value ? value->integer() : std::nullopt;
    if (!number || !std::in_range<WindowId>(*number))
        return std::nullopt;
    return static_cast<WindowId>(*number);
}

} // namespace

std::optional<FullScreenTiles> FullScreenTiles::fromEntry(const PropertyList& entry) {
    const PropertyList* manager = entry.find("TileLayoutManager");
    if (!manager || !manager->dictionary())
        return std::nullopt;
    const PropertyList* spaces = manager->find("TileSpaces");
    if (!spaces || !spaces->array())
        return std::nullopt;
    std::vector<Tile> tiles;
    for (const PropertyList& space : *spaces->array()) {
        if (!space.dictionary())
            return std::nullopt;
        const auto window = readWindow(space.find("TileWindowID"));
        const auto rect = readRect(space.find("TileRect"));
        if (window && rect)
            tiles.push_back({*window, *rect});
    }
    if (tiles.empty())
        return std::nullopt;
    const auto area = readRect(manager->find("Layout Rect"));
    if (area)
        return FullScreenTiles(std::move(tiles), *area);
    Rect united = Rect::null();
    for (const Tile& tile : tiles)
        united = united.united(tile.rect);
    return FullScreenTiles(std::move(tiles), united);
}

std::vector<WindowId> FullScreenTiles::windows() const {
    std::vector<WindowId> result;
    result.reserve(tiles_.size());
    for (const Tile& tile : tiles_)
        result.push_back(tile.window);
    return result;
}

std::optional<double> FullScreenTiles::ratio() const {
    if (tiles_.size() != 2 || !(area_.width() > 0))
        return std::nullopt;
    return tiles_.front().rect.width() / area_.width();
}

} // namespace quillmere
