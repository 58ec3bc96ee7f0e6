#include "core/SpaceLayout.h"

#include <algorithm>
#include <cmath>

namespace quillmere {

namespace {

bool holds(const TileRect& tile, WindowId id) {
    return std::find(tile.windows.begin(), tile.windows.end(), id) != tile.windows.end();
}

// The main tile as the main-and-stack shape reads it: last when the stack container comes first.
bool mainTileIsLast(const BSPTree& tree) {
    return tree.root && tree.root->isSplit() && tree.root->first().isSplit() && tree.root->second().isTile();
}

} // namespace

std::optional<TileRect> SpaceLayout::popTarget(Rect in) const {
    const auto tiles = tree.tiles(in, 0);
    if (tiles.empty())
        return std::nullopt;
    if (tiling == TileAlgorithm::masterStack) {
        const TileRect& main = mainTileIsLast(tree) ? tiles.back() : tiles.front();
        if (BSPTree::isHole(main.windows.front()))
            return std::nullopt;
        return main;
    }
    const TileRect* best = nullptr;
    for (const auto& tile : tiles) {
        if (BSPTree::isHole(tile.windows.front()))
            continue;
        if (!best) {
            best = &tile;
            continue;
        }
        const double area = std::round(tile.rect.area());
        const double bestArea = std::round(best->rect.area());
        const bool better = area != bestArea                        ? area > bestArea
                            : tile.rect.minY() != best->rect.minY() ? tile.rect.minY() < best->rect.minY()
                                                                    : tile.rect.minX() < best->rect.minX();
        if (better)
            best = &tile;
    }
    if (!best)
        return std::nullopt;
    return *best;
}

void SpaceLayout::popOut(WindowId window, Rect in) {
    // Popping the popped window back in is allowed in every mode, so a pop is never stranded by a mode
    // change.
    if (popped && popped->window == window) {
        swapBack();
        return;
    }
    if (mode != LayoutMode::bsp || !tree.contains(window))
        return;
    const auto target = popTarget(in);
    if (!target || holds(*target, window))
        return;
    const WindowId displaced = target->windows.front();
    zoomed.reset();
    tree.swap(window, displaced);
    popped = Pop{window, displaced};
}

void SpaceLayout::popIn() {
    if (mode == LayoutMode::bsp && popped)
        swapBack();
}

void SpaceLayout::swapBack() {
    if (!tree.contains(popped->window) || !tree.contains(popped->displaced))
        return;
    zoomed.reset();
    tree.swap(popped->window, popped->displaced);
    popped.reset();
}

std::optional<SpaceLayout::Slot> SpaceLayout::slot(WindowId of) const {
    if (floating.contains(of))
        return Slot{Slot::Floating{}};
    if (const auto tiled = tree.slot(of))
        return Slot{Slot::Tiled{*tiled}};
    return std::nullopt;
}

bool SpaceLayout::reinsert(WindowId window, const Slot& at) {
    if (BSPTree::isHole(window) || contains(window))
        return false;
    if (std::holds_alternative<Slot::Floating>(at.value)) {
        floating.insert(window);
        return true;
    }
    if (!tree.reinsert(window, std::get<Slot::Tiled>(at.value).slot))
        return false;
    zoomed.reset();
    return true;
}

void SpaceLayout::replace(WindowId old, WindowId with) {
    if (old == with || BSPTree::isHole(with) || !contains(old))
        return;
    tree.remove(with);
    floating.erase(with);
    tree.replace(old, with);
    if (floating.erase(old))
        floating.insert(with);

    if (zoomed == old)
        zoomed = with;
    if (preselection && preselection->window == old)
        preselection.reset();
    if (popped) {
        if (popped->window == old)
            popped->window = with;
        if (popped->displaced == old)
            popped->displaced = with;
    }
    // A new id that took a floating window's place may have been zoomed or popped where it stood before.
    if (floating.contains(with)) {
        if (zoomed == with)
            zoomed.reset();
        if (popped && (popped->window == with || popped->displaced == with))
            popped.reset();
    }
}

void SpaceLayout::moveEdge(Direction edge, WindowId of, double by, Rect in) {
    tree.moveEdge(edge, of, by, in, reservedHoles());
}

void SpaceLayout::moveBorder(WindowId of, Axis along, double by, Rect in) {
    tree.moveBorder(of, along, by, in, reservedHoles());
}

} // namespace quillmere
