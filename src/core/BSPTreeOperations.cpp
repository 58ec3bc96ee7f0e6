#include "core/BSPTree.h"

#include <algorithm>
#include <cmath>

namespace quillmere {

namespace {

constexpr double dropAbove = 0.900000001;
constexpr double dropBelow = 0.099999999;

struct Adjusted {
    Node node;
    bool found;
    bool settled;
};

Adjusted adjustNearest(WindowId id, const Node& node, Rect rect, const IdSet& keeping,
                       const BSPTree::SplitFilter& where, const BSPTree::RatioAdjust& adjust) {
    if (node.isTile()) {
        const bool found = std::find(node.ids().begin(), node.ids().end(), id) != node.ids().end();
        return {node, found, false};
    }
    const auto [firstRect, secondRect] = rect.split(node.axis(), node.ratio(), 0);
    for (const bool inFirst : {true, false}) {
        const auto child = adjustNearest(id, inFirst ? node.first() : node.second(),
                                         inFirst ? firstRect : secondRect, keeping, where, adjust);
        if (!child.found)
            continue;
        if (child.settled)
            return {inFirst ? node.withChildren(child.node, node.second())
                            : node.withChildren(node.first(), child.node),
                    true, true};
        if (!where(node.axis(), inFirst))
            return {node, true, false};
        const auto ratio = adjust(node.ratio(), rect);
        if (!ratio || !std::isfinite(*ratio))
            return {node, true, true};
        if (*ratio > dropAbove && BSPTree::holdsOnlyFreeHoles(node.second(), keeping))
            return {node.first(), true, true};
        if (*ratio < dropBelow && BSPTree::holdsOnlyFreeHoles(node.first(), keeping))
            return {node.second(), true, true};
        return {Node::split(node.axis(), std::clamp(*ratio, BSPTree::ratioMin, BSPTree::ratioMax),
                            node.first(), node.second()),
                true, true};
    }
    return {node, false, false};
}

// A border moved by `points` along a split `length` long; a split of no length cannot be moved.
BSPTree::RatioAdjust shiftBy(double points, Axis along) {
    return [points, along](double ratio, Rect splitRect) -> std::optional<double> {
        const double length = splitRect.length(along);
        if (length == 0)
            return std::nullopt;
        return ratio + points / length;
    };
}

// The balanced node and its weight seen from a split on `runAxis`: a run of same-axis splits counts its
// members, anything else counts once. One walk bottom up, so a long run costs no more than its length.
struct Balanced {
    Node node;
    double weight;
};

Balanced balanced(const Node& node, std::optional<Axis> runAxis) {
    if (node.isTile())
        return {node, 1};
    Balanced first = balanced(node.first(), node.axis());
    Balanced second = balanced(node.second(), node.axis());
    const double weight = node.axis() == runAxis ? first.weight + second.weight : 1;
    return {Node::split(node.axis(), first.weight / (first.weight + second.weight), std::move(first.node),
                        std::move(second.node)),
            weight};
}

Node mirrored(const Node& node, Axis axis) {
    if (node.isTile())
        return node;
    if (node.axis() == axis)
        return Node::split(axis, 1.0 - node.ratio(), 1.0 - node.wanted(), mirrored(node.second(), axis),
                           mirrored(node.first(), axis));
    return node.withChildren(mirrored(node.first(), axis),
                       mirrored(node.second(), axis));
}

Node rotated(const Node& node, Rotation rotation) {
    if (node.isTile())
        return node;
    Node first = rotated(node.first(), rotation);
    Node second = rotated(node.second(), rotation);
    const double r = node.ratio();
    const double wanted = node.wanted();
    const bool horizontal = node.axis() == Axis::horizontal;
    const auto keep = [&](Axis axis) { return Node::split(axis, r, wanted, first, second); };
    const auto exchange = [&](Axis axis) { return Node::split(axis, 1.0 - r, 1.0 - wanted, second, first); };
    switch (rotation) {
    case Rotation::quarter:
        return horizontal ? keep(Axis::vertical) : exchange(Axis::horizontal);
    case Rotation::half:
        return exchange(node.axis());
    case Rotation::threeQuarter:
        return horizontal ? exchange(Axis::vertical) : keep(Axis::horizontal);
    }
    return node;
}

// The node with a and b exchanged in every tile, or none when no tile below it holds either: only the tiles
// that change and the splits above them are rebuilt.
std::optional<Node> exchanged(const Node& node, WindowId a, WindowId b) {
    if (node.isTile()) {
        const auto& ids = node.ids();
        if (std::none_of(ids.begin(), ids.end(), [&](WindowId id) { return id == a || id == b; }))
            return std::nullopt;
        auto result = ids;
        for (auto& id : result)
            id = id == a ? b : id == b ? a : id;
        return Node::tile(std::move(result));
    }
    auto first = exchanged(node.first(), a, b);
    auto second = exchanged(node.second(), a, b);
    if (!first && !second)
        return std::nullopt;
    return node.withChildren(first ? std::move(*first) : node.first(), second ? std::move(*second) : node.second());
}

} // namespace

Node BSPTree::adjustingNearestSplit(WindowId containing, const Node& in, Rect rect, const IdSet& keeping,
                                    const SplitFilter& where, const RatioAdjust& adjust) {
    return adjustNearest(containing, in, rect, keeping, where, adjust).node;
}

void BSPTree::swap(WindowId a, WindowId b) {
    // An id that is not in the tree would otherwise rename the other one or take it out.
    if (!root || a == b || stack(a).empty() || stack(b).empty())
        return;
    if (!isHole(b)) {
        if (auto result = exchanged(*root, a, b))
            root = std::move(*result);
        return;
    }
    remove(a);
    replace(b, a);
}

void BSPTree::bringToFront(WindowId id) {
    if (!root || isHole(id) || !contains(id))
        return;
    root = replacingTile(id, *root, [&](const std::vector<WindowId>& ids) {
        auto result = ids;
        std::rotate(result.begin(), std::find(result.begin(), result.end(), id), result.end());
        return Node::tile(std::move(result));
    });
}

void BSPTree::moveBorder(WindowId of, Axis along, double by, Rect area, const IdSet& keeping) {
    if (!root || root->isTile())
        return;
    root = adjustingNearestSplit(
        of, *root, area, keeping, [along](Axis axis, bool) { return axis == along; }, shiftBy(by, along));
}

void BSPTree::moveEdge(Direction edge, WindowId of, double by, Rect area, const IdSet& keeping) {
    if (!root || root->isTile())
        return;
    const Axis along = axisOf(edge);
    const bool edgeIsFirstChildsBorder = !isLeading(edge);
    root = adjustingNearestSplit(
        of, *root, area, keeping,
        [=](Axis axis, bool inFirst) { return axis == along && inFirst == edgeIsFirstChildsBorder; },
        shiftBy(by, along));
}

void BSPTree::toggleSplit(WindowId ofParentOf) {
    if (!root || root->isTile())
        return;
    const auto holds = [&](const Node& node) {
        return node.isTile() &&
               std::find(node.ids().begin(), node.ids().end(), ofParentOf) != node.ids().end();
    };
    const std::function<std::optional<Node>(const Node&)> flip =
        [&](const Node& node) -> std::optional<Node> {
        if (node.isTile())
            return std::nullopt;
        if (holds(node.first()) || holds(node.second()))
            return Node::split(flipped(node.axis()), node.ratio(), node.wanted(), node.first(), node.second());
        if (auto first = flip(node.first()))
            return node.withChildren(*first, node.second());
        if (auto second = flip(node.second()))
            return node.withChildren(node.first(), *second);
        return std::nullopt;
    };
    if (auto result = flip(*root))
        root = *result;
}

void BSPTree::balance() {
    removeHoles();
    if (root)
        root = balanced(*root, std::nullopt).node;
}

void BSPTree::mirror(Axis axis) {
    if (root)
        root = mirrored(*root, axis);
}

void BSPTree::rotate(Rotation rotation) {
    if (root)
        root = rotated(*root, rotation);
}

} // namespace quillmere
