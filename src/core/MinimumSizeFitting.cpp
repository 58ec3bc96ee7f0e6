#include "core/BSPTree.h"
#include "core/MinimumSizeFit.h"

#include <algorithm>

namespace quillmere {

namespace {

bool holdsAWindow(const std::vector<WindowId>& ids) {
    return std::any_of(ids.begin(), ids.end(), [](WindowId id) { return !BSPTree::isHole(id); });
}

double tileLength(const std::vector<WindowId>& ids, Axis along, const MinimumSizes& minimumSizes) {
    double longest = 0;
    for (WindowId id : ids)
        if (const auto entry = minimumSizes.find(id); entry != minimumSizes.end())
            longest =
                std::max(longest, along == Axis::horizontal ? entry->second.width : entry->second.height);
    return longest;
}

double splitLength(Axis splitAxis, Axis along, double gap, double first, double second) {
    return splitAxis == along ? gap + first + second : std::max(first, second);
}

// The minimum lengths of every subtree along both axes, measured once bottom up into one list in tree
// order (a split, its first subtree, then its second): they do not depend on ratios, and fitting asks for
// them at every split on its way down.
struct Needs {
    double horizontal = 0;
    double vertical = 0;
    // Entries of this subtree, itself included; the second child's entry follows the first child's subtree.
    std::size_t count = 1;

    double along(Axis axis) const { return axis == Axis::horizontal ? horizontal : vertical; }
};

void measure(const Node& node, double gap, const MinimumSizes& minimumSizes, std::vector<Needs>& into) {
    const std::size_t at = into.size();
    if (node.isTile()) {
        into.push_back({tileLength(node.ids(), Axis::horizontal, minimumSizes),
                        tileLength(node.ids(), Axis::vertical, minimumSizes)});
        return;
    }
    into.emplace_back();
    measure(node.first(), gap, minimumSizes, into);
    const Needs first = into[at + 1];
    measure(node.second(), gap, minimumSizes, into);
    const Needs second = into[at + 1 + first.count];
    into[at] = {splitLength(node.axis(), Axis::horizontal, gap, first.horizontal, second.horizontal),
                splitLength(node.axis(), Axis::vertical, gap, first.vertical, second.vertical),
                1 + first.count + second.count};
}

// The fitted node, the very node given when nothing in it moved.
Node fitted(const Node& node, const Needs* needs, Rect rect, double gap) {
    if (node.isTile())
        return node;
    const Axis axis = node.axis();
    const double available = rect.length(axis) - gap;
    const Needs* firstNeeds = needs + 1;
    const Needs* secondNeeds = firstNeeds + firstNeeds->count;
    const double first = firstNeeds->along(axis);
    const double second = secondNeeds->along(axis);
    // From the ratio the split was given, not the one an earlier fit moved it to, so that the border comes
    // back once the sizes allow it (after a rotation and its inverse, for one).
    double ratio = node.wanted();
    if (available > 0 && first + second <= available)
        ratio = std::min((available - second) / available, std::max(ratio, first / available));
    const auto [firstRect, secondRect] = rect.split(axis, ratio, gap);
    Node firstChild = fitted(node.first(), firstNeeds, firstRect, gap);
    Node secondChild = fitted(node.second(), secondNeeds, secondRect, gap);
    if (ratio == node.ratio() && firstChild.isSameAs(node.first()) && secondChild.isSameAs(node.second()))
        return node;
    return Node::split(axis, ratio, node.wanted(), std::move(firstChild), std::move(secondChild));
}

} // namespace

double BSPTree::minimumLength(const Node& node, Axis along, double gap, const MinimumSizes& minimumSizes) {
    if (node.isTile())
        return tileLength(node.ids(), along, minimumSizes);
    return splitLength(node.axis(), along, gap, minimumLength(node.first(), along, gap, minimumSizes),
                       minimumLength(node.second(), along, gap, minimumSizes));
}

std::optional<Node> BSPTree::unstackingOne(const Node& node, Rect rect, double gap,
                                           const MinimumSizes& minimumSizes) {
    if (node.isSplit()) {
        const auto [firstRect, secondRect] = rect.split(node.axis(), node.ratio(), gap);
        if (auto first = unstackingOne(node.first(), firstRect, gap, minimumSizes))
            return node.withChildren(std::move(*first), node.second());
        if (auto second = unstackingOne(node.second(), secondRect, gap, minimumSizes))
            return node.withChildren(node.first(), std::move(*second));
        return std::nullopt;
    }
    const auto& ids = node.ids();
    if (ids.size() < 2)
        return std::nullopt;
    const Axis axis = preferredAxis(rect);
    const auto [frontPart, backPart] = rect.split(axis, 0.5, gap);
    const std::vector<WindowId> front(ids.begin(), ids.end() - 1);
    const WindowId back = ids.back();
    const double tolerance = minimumSizeTolerance(gap);
    if (!allFitWithin(minimumSizes, front, frontPart, tolerance) ||
        !fitsWithin(minimumSizes, back, backPart, tolerance))
        return std::nullopt;
    return Node::split(axis, 0.5, Node::tile(front), Node::leaf(back));
}

Node BSPTree::fitting(const Node& node, Rect rect, double gap, const MinimumSizes& minimumSizes) {
    std::vector<Needs> needs;
    measure(node, gap, minimumSizes, needs);
    return fitted(node, needs.data(), rect, gap);
}

std::optional<Node> BSPTree::mergingOneOverflow(const Node& node, Rect rect, double gap,
                                                const MinimumSizes& minimumSizes) {
    if (node.isTile())
        return std::nullopt;
    const Axis axis = node.axis();
    const auto [firstRect, secondRect] = rect.split(axis, node.ratio(), gap);
    const double tolerance = minimumSizeTolerance(gap);
    const auto overflows = [&](const Node& child, Rect part) {
        return child.isTile() && !allFitWithin(minimumSizes, child.ids(), part, tolerance);
    };
    if (overflows(node.first(), firstRect))
        return appending(node.first().ids(), true, axis, node.second());
    if (overflows(node.second(), secondRect))
        return appending(node.second().ids(), false, axis, node.first());
    if (auto first = mergingOneOverflow(node.first(), firstRect, gap, minimumSizes))
        return Node::split(axis, node.ratio(), std::move(*first), node.second());
    if (auto second = mergingOneOverflow(node.second(), secondRect, gap, minimumSizes))
        return Node::split(axis, node.ratio(), node.first(), std::move(*second));
    return std::nullopt;
}

Node BSPTree::appending(const std::vector<WindowId>& ids, bool toTileNearest, Axis along, const Node& in) {
    if (in.isSplit()) {
        // Toward the sibling's end that touched the merged tile: its leading end when that tile lay before
        // it, its trailing end otherwise; across the axis both children touch and the first is taken.
        if (in.axis() != along || toTileNearest)
            return in.withChildren(appending(ids, toTileNearest, along, in.first()),
                               in.second());
        return in.withChildren(in.first(),
                           appending(ids, toTileNearest, along, in.second()));
    }
    if (!holdsAWindow(in.ids()))
        return Node::tile(ids);
    auto stacked = in.ids();
    stacked.insert(stacked.end(), ids.begin(), ids.end());
    return Node::tile(std::move(stacked));
}

void BSPTree::normalize(Rect in, double gap, const MinimumSizes& minimumSizes) {
    if (!root)
        return;
    while (auto unstacked = unstackingOne(*root, in, gap, minimumSizes))
        root = std::move(*unstacked);
    root = fitting(*root, in, gap, minimumSizes);
    while (auto merged = mergingOneOverflow(*root, in, gap, minimumSizes))
        root = std::move(*merged);
}

bool BSPTree::overflows(Rect in, double gap, const MinimumSizes& minimumSizes) const {
    // Without a minimum size every window fits every tile.
    return root && !minimumSizes.empty() && mergingOneOverflow(*root, in, gap, minimumSizes).has_value();
}

} // namespace quillmere
