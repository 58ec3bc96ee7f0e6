#include "core/BSPTree.h"

#include "core/MinimumSizeFit.h"

#include <algorithm>

namespace quillmere {

namespace {

void collectLeaves(const Node& node, std::vector<WindowId>& into) {
    if (node.isTile()) {
        into.insert(into.end(), node.ids().begin(), node.ids().end());
        return;
    }
    collectLeaves(node.first(), into);
    collectLeaves(node.second(), into);
}

const Node* tileHolding(const Node& node, WindowId id) {
    if (node.isTile())
        return std::find(node.ids().begin(), node.ids().end(), id) != node.ids().end() ? &node : nullptr;
    if (const Node* found = tileHolding(node.first(), id))
        return found;
    return tileHolding(node.second(), id);
}

void collectTiles(const Node& node, Rect rect, double gap, std::vector<TileRect>& into) {
    if (node.isTile()) {
        into.push_back({node.ids(), rect});
        return;
    }
    const auto [first, second] = rect.split(node.axis(), node.ratio(), gap);
    collectTiles(node.first(), first, gap, into);
    collectTiles(node.second(), second, gap, into);
}

void collectFrames(const Node& node, Rect rect, double gap, FrameMap& into) {
    if (node.isTile()) {
        for (WindowId id : node.ids())
            into.emplace(id, rect);
        return;
    }
    const auto [first, second] = rect.split(node.axis(), node.ratio(), gap);
    collectFrames(node.first(), first, gap, into);
    collectFrames(node.second(), second, gap, into);
}

// A tile and its rectangle, without copying its ids.
struct TileSpot {
    const Node* tile;
    Rect rect;
};

void collectSpots(const Node& node, Rect rect, double gap, std::vector<TileSpot>& into) {
    if (node.isTile()) {
        into.push_back({&node, rect});
        return;
    }
    const auto [first, second] = rect.split(node.axis(), node.ratio(), gap);
    collectSpots(node.first(), first, gap, into);
    collectSpots(node.second(), second, gap, into);
}

// The last window in tree order, holes passed over.
std::optional<WindowId> lastWindow(const Node& node) {
    if (node.isTile()) {
        const auto& ids = node.ids();
        const auto found =
            std::find_if(ids.rbegin(), ids.rend(), [](WindowId id) { return !BSPTree::isHole(id); });
        return found == ids.rend() ? std::nullopt : std::optional(*found);
    }
    if (auto found = lastWindow(node.second()))
        return found;
    return lastWindow(node.first());
}

} // namespace

std::vector<WindowId> BSPTree::leaves(const Node& node) {
    std::vector<WindowId> result;
    collectLeaves(node, result);
    return result;
}

std::vector<WindowId> BSPTree::leaves() const {
    return root ? leaves(*root) : std::vector<WindowId>{};
}

std::vector<WindowId> BSPTree::windows() const {
    auto result = leaves();
    std::erase_if(result, isHole);
    return result;
}

std::vector<WindowId> BSPTree::holes() const {
    auto result = leaves();
    std::erase_if(result, [](WindowId id) { return !isHole(id); });
    return result;
}

bool BSPTree::contains(WindowId id) const {
    return !isHole(id) && root && tileHolding(*root, id);
}

std::vector<WindowId> BSPTree::stack(WindowId containing) const {
    if (!root)
        return {};
    const Node* tile = tileHolding(*root, containing);
    return tile ? tile->ids() : std::vector<WindowId>{};
}

std::vector<TileRect> BSPTree::tiles(Rect area, double gap) const {
    std::vector<TileRect> result;
    if (root)
        collectTiles(*root, area, gap, result);
    return result;
}

FrameMap BSPTree::frames(Rect area, double gap) const {
    FrameMap result;
    if (root)
        collectFrames(*root, area, gap, result);
    return result;
}

void BSPTree::insert(WindowId id, std::optional<WindowId> beside, Rect area, double gap,
                     std::optional<Direction> preselect, double ratio, const MinimumSizes& minimumSizes,
                     const IdSet& keeping) {
    if (!root) {
        root = Node::leaf(id);
        return;
    }
    if (tileHolding(*root, id))
        return;

    std::optional<WindowId> target;
    if (beside && !isHole(*beside) && tileHolding(*root, *beside))
        target = *beside;
    else
        target = lastWindow(*root);
    if (!target) {
        const auto allHoles = holes();
        const auto freeHole = std::find_if(allHoles.begin(), allHoles.end(),
                                           [&](WindowId hole) { return !keeping.contains(hole); });
        if (freeHole != allHoles.end()) {
            replace(*freeHole, id);
            return;
        }
        target = allHoles.back();
    }

    std::vector<TileSpot> spots;
    collectSpots(*root, area, gap, spots);
    const auto targetSpot = std::find_if(spots.begin(), spots.end(), [&](const TileSpot& spot) {
        const auto& ids = spot.tile->ids();
        return std::find(ids.begin(), ids.end(), *target) != ids.end();
    });

    const bool newFirst = preselect && isLeading(*preselect);
    const double splitRatio = newFirst ? 1.0 - ratio : ratio;
    const double tolerance = minimumSizeTolerance(gap);

    // Splits the spot's tile when both parts fit their windows' minimum sizes.
    const auto triedSplit = [&](const TileSpot& spot, Axis axis) {
        const auto [first, second] = spot.rect.split(axis, splitRatio, gap);
        const Rect newPart = newFirst ? first : second;
        const Rect keptPart = newFirst ? second : first;
        if (!fitsWithin(minimumSizes, id, newPart, tolerance) ||
            !allFitWithin(minimumSizes, spot.tile->ids(), keptPart, tolerance))
            return false;
        root = replacingTile(spot.tile->ids().front(), *root, [&](const std::vector<WindowId>& ids) {
            Node newTile = Node::leaf(id);
            Node oldTile = Node::tile(ids);
            return newFirst ? Node::split(axis, splitRatio, newTile, oldTile)
                            : Node::split(axis, splitRatio, oldTile, newTile);
        });
        return true;
    };
    const auto triedBothAxes = [&](const TileSpot& spot) {
        const Axis preferred = preferredAxis(spot.rect);
        return triedSplit(spot, preferred) || triedSplit(spot, flipped(preferred));
    };

    if (preselect ? triedSplit(*targetSpot, axisOf(*preselect)) : triedBothAxes(*targetSpot))
        return;
    if (!preselect) {
        // Only when the target's tile cannot take the window: the other tiles with a window, largest first.
        std::vector<const TileSpot*> others;
        for (const auto& spot : spots)
            if (&spot != &*targetSpot && std::any_of(spot.tile->ids().begin(), spot.tile->ids().end(),
                                                     [](WindowId leaf) { return !isHole(leaf); }))
                others.push_back(&spot);
        std::stable_sort(others.begin(), others.end(), [](const TileSpot* a, const TileSpot* b) {
            return a->rect.area() > b->rect.area();
        });
        for (const TileSpot* spot : others)
            if (triedBothAxes(*spot))
                return;
    }

    root = replacingTile(*target, *root, [&](const std::vector<WindowId>& ids) {
        std::vector<WindowId> stacked{id};
        stacked.insert(stacked.end(), ids.begin(), ids.end());
        return Node::tile(std::move(stacked));
    });
}

std::optional<Node> BSPTree::removing(WindowId id, const Node& from) {
    if (from.isTile()) {
        const auto& ids = from.ids();
        if (std::find(ids.begin(), ids.end(), id) == ids.end())
            return from;
        std::vector<WindowId> rest;
        std::copy_if(ids.begin(), ids.end(), std::back_inserter(rest),
                     [&](WindowId other) { return other != id; });
        if (rest.empty())
            return std::nullopt;
        return Node::tile(std::move(rest));
    }
    auto first = removing(id, from.first());
    auto second = removing(id, from.second());
    if (!first)
        return second;
    if (!second)
        return first;
    if (*first == from.first() && *second == from.second())
        return from;
    return from.withChildren(std::move(*first), std::move(*second));
}

void BSPTree::remove(WindowId id) {
    if (root)
        root = removing(id, *root);
}

namespace {

// Every hole out in one walk, which gives what taking them out one by one gives; a subtree without holes
// is kept as it is.
struct HolesOut {
    std::optional<Node> node;
    bool changed;
};

HolesOut withoutHoles(const Node& from) {
    if (from.isTile()) {
        const auto& ids = from.ids();
        if (std::none_of(ids.begin(), ids.end(), BSPTree::isHole))
            return {from, false};
        std::vector<WindowId> rest;
        std::copy_if(ids.begin(), ids.end(), std::back_inserter(rest),
                     [](WindowId id) { return !BSPTree::isHole(id); });
        if (rest.empty())
            return {std::nullopt, true};
        return {Node::tile(std::move(rest)), true};
    }
    HolesOut first = withoutHoles(from.first());
    HolesOut second = withoutHoles(from.second());
    if (!first.changed && !second.changed)
        return {from, false};
    if (!first.node)
        return {std::move(second.node), true};
    if (!second.node)
        return {std::move(first.node), true};
    return {from.withChildren(std::move(*first.node), std::move(*second.node)), true};
}

} // namespace

void BSPTree::removeHoles() {
    if (root)
        root = withoutHoles(*root).node;
}

void BSPTree::replace(WindowId id, WindowId with) {
    if (!root)
        return;
    root = mapTiles(*root, [&](const std::vector<WindowId>& ids) {
        auto result = ids;
        std::replace(result.begin(), result.end(), id, with);
        return result;
    });
}

namespace {

// One pass: the rebuilt node, or none when the id is in no tile below it.
std::optional<Node> replacedTile(WindowId containing, const Node& in,
                                 const std::function<Node(const std::vector<WindowId>&)>& with) {
    if (in.isTile()) {
        const auto& ids = in.ids();
        if (std::find(ids.begin(), ids.end(), containing) == ids.end())
            return std::nullopt;
        return with(ids);
    }
    if (auto first = replacedTile(containing, in.first(), with))
        return in.withChildren(std::move(*first), in.second());
    if (auto second = replacedTile(containing, in.second(), with))
        return in.withChildren(in.first(), std::move(*second));
    return std::nullopt;
}

} // namespace

Node BSPTree::replacingTile(WindowId containing, const Node& in,
                            const std::function<Node(const std::vector<WindowId>&)>& with) {
    return replacedTile(containing, in, with).value_or(in);
}

Node BSPTree::mapTiles(const Node& node,
                       const std::function<std::vector<WindowId>(const std::vector<WindowId>&)>& f) {
    if (node.isTile())
        return Node::tile(f(node.ids()));
    return node.withChildren(mapTiles(node.first(), f), mapTiles(node.second(), f));
}

std::optional<BSPTree::Slot> BSPTree::slot(WindowId of) const {
    if (!root)
        return std::nullopt;
    const auto isAloneTile = [&](const Node& node) { return node.isTile() && node.ids() == std::vector{of}; };
    const std::function<std::optional<Slot>(const Node&)> find =
        [&](const Node& node) -> std::optional<Slot> {
        if (node.isTile()) {
            const auto& ids = node.ids();
            const auto at = std::find(ids.begin(), ids.end(), of);
            if (at == ids.end())
                return std::nullopt;
            if (ids.size() == 1)
                return Slot{Slot::Alone{}};
            std::vector<WindowId> others(ids.begin(), at);
            others.insert(others.end(), at + 1, ids.end());
            return Slot{Slot::Stacked{std::move(others), static_cast<int>(at - ids.begin())}};
        }
        if (isAloneTile(node.first()))
            return Slot{Slot::Split{node.axis(), node.ratio(), true, leaves(node.second())}};
        if (isAloneTile(node.second()))
            return Slot{Slot::Split{node.axis(), node.ratio(), false, leaves(node.first())}};
        if (auto found = find(node.first()))
            return found;
        return find(node.second());
    };
    return find(*root);
}

bool BSPTree::reinsert(WindowId id, const Slot& at) {
    if (!root || contains(id))
        return false;
    const auto present = leaves();
    const IdSet presentSet(present.begin(), present.end());

    if (const auto* stacked = std::get_if<Slot::Stacked>(&at.value)) {
        const auto anchor = std::find_if(stacked->others.begin(), stacked->others.end(),
                                         [&](WindowId other) { return presentSet.contains(other); });
        if (anchor == stacked->others.end())
            return false;
        root = replacingTile(*anchor, *root, [&](const std::vector<WindowId>& ids) {
            auto result = ids;
            const auto position = std::clamp<std::size_t>(std::max(stacked->index, 0), 0, result.size());
            result.insert(result.begin() + static_cast<std::ptrdiff_t>(position), id);
            return Node::tile(std::move(result));
        });
        return true;
    }
    if (const auto* split = std::get_if<Slot::Split>(&at.value)) {
        IdSet survivors;
        for (WindowId sibling : split->siblings)
            if (presentSet.contains(sibling))
                survivors.insert(sibling);
        if (survivors.empty())
            return false;
        root = wrapping(*root, survivors, [&](const Node& node) {
            return split->isFirst ? Node::split(split->axis, split->ratio, Node::leaf(id), node)
                                  : Node::split(split->axis, split->ratio, node, Node::leaf(id));
        });
        return true;
    }
    return false;
}

Node BSPTree::wrapping(const Node& node, const IdSet& covering,
                       const std::function<Node(const Node&)>& with) {
    if (node.isSplit()) {
        const auto coversAll = [&](const Node& child) {
            const auto childLeaves = leaves(child);
            const IdSet leafSet(childLeaves.begin(), childLeaves.end());
            return std::all_of(covering.begin(), covering.end(),
                               [&](WindowId id) { return leafSet.contains(id); });
        };
        if (coversAll(node.first()))
            return node.withChildren(wrapping(node.first(), covering, with),
                               node.second());
        if (coversAll(node.second()))
            return node.withChildren(node.first(),
                               wrapping(node.second(), covering, with));
    }
    return with(node);
}

bool BSPTree::holds(const Node& node, WindowId id) {
    return tileHolding(node, id) != nullptr;
}

bool BSPTree::holdsOnlyFreeHoles(const Node& node, const IdSet& keeping) {
    const auto all = leaves(node);
    return std::all_of(all.begin(), all.end(),
                       [&](WindowId id) { return isHole(id) && !keeping.contains(id); });
}

} // namespace quillmere
