#include "core/Overloaded.h"
#include "core/SpaceLayout.h"

#include <array>
#include <cmath>
#include <span>

namespace quillmere {

namespace {

// The window's tile on the edge's side of the split, the rest on the other.
Node besideEdge(Direction edge, double share, Node window, Node rest) {
    const Axis axis = axisOf(edge);
    return isLeading(edge) ? Node::split(axis, share, std::move(window), std::move(rest))
                           : Node::split(axis, 1 - share, std::move(rest), std::move(window));
}

// A window alone on the edge's side of the root moves on to the next share of the cycle; anything else
// starts at a half.
double nextCycleShare(const BSPTree& tree, WindowId window, Direction edge) {
    const auto& root = tree.root;
    if (!root || root->isTile() || root->axis() != axisOf(edge))
        return Region::cycle.front();
    const Node& side = isLeading(edge) ? root->first() : root->second();
    if (!side.isTile() || side.ids() != std::vector{window})
        return Region::cycle.front();
    const double share = isLeading(edge) ? root->ratio() : 1 - root->ratio();
    for (std::size_t i = 0; i < Region::cycle.size(); ++i)
        if (std::abs(share - Region::cycle[i]) <= Region::cycleTolerance)
            return Region::cycle[(i + 1) % Region::cycle.size()];
    return Region::cycle.front();
}

// Equal heights, top to bottom in order; a new hole when there is nothing to hold.
Node columnOf(std::span<const WindowId> windows, SpaceLayout& layout) {
    if (windows.empty())
        return Node::leaf(layout.makeHole());
    if (windows.size() == 1)
        return Node::leaf(windows.front());
    return Node::split(Axis::vertical, 1.0 / static_cast<double>(windows.size()), Node::leaf(windows.front()),
                       columnOf(windows.subspan(1), layout));
}

} // namespace

void SpaceLayout::place(WindowId window, const Region& region, Rect bounds) {
    if (mode != LayoutMode::bsp || !tree.contains(window))
        return;
    const BSPTree before = tree;
    zoomed.reset();
    preselection.reset();

    BSPTree rest = tree;
    rest.removeHoles();
    rest.remove(window);
    const Node placed = Node::leaf(window);
    const auto restOrHole = [&] { return rest.root ? *rest.root : Node::leaf(makeHole()); };

    const auto root = std::visit(
        Overloaded{
            [&](const Region::Edge& edge) -> std::optional<Node> {
                const double share =
                    edge.fraction ? *edge.fraction : nextCycleShare(before, window, edge.direction);
                return besideEdge(edge.direction, share, placed, restOrHole());
            },
            [&](const Region::Corner& corner) -> std::optional<Node> {
                const bool north = corner.vertical == Direction::north;
                const auto partner = neighbor(window, north ? Direction::south : Direction::north, bounds);
                if (partner)
                    rest.remove(*partner);
                const Node other = Node::leaf(partner ? *partner : makeHole());
                const Node others = restOrHole();
                const Node column = north ? Node::split(Axis::vertical, 0.5, placed, other)
                                          : Node::split(Axis::vertical, 0.5, other, placed);
                return corner.horizontal == Direction::west
                           ? Node::split(Axis::horizontal, 0.5, column, others)
                           : Node::split(Axis::horizontal, 0.5, others, column);
            },
            [&](const Region::Sixth& sixth) -> std::optional<Node> {
                // The last of the five other cells takes every window past the first four.
                const int own = sixth.cell();
                const auto others = rest.windows();
                std::array<std::vector<WindowId>, 6> cells;
                cells[own] = {window};
                std::size_t next = 0;
                int filled = 0;
                for (int cell = 0; cell < 6; ++cell) {
                    if (cell == own || next == others.size())
                        continue;
                    const auto end = ++filled < 5 ? next + 1 : others.size();
                    cells[cell].assign(others.begin() + next, others.begin() + end);
                    next = end;
                }
                std::vector<Node> tiles;
                for (const auto& ids : cells)
                    tiles.push_back(ids.empty() ? Node::leaf(makeHole()) : Node::tile(ids));
                const auto column = [&](int i) {
                    return Node::split(Axis::vertical, 0.5, tiles[2 * i], tiles[2 * i + 1]);
                };
                return Node::split(Axis::horizontal, 1.0 / 3.0, column(0),
                                   Node::split(Axis::horizontal, 0.5, column(1), column(2)));
            },
            [&](const Region::Center&) -> std::optional<Node> {
                const auto others = rest.windows();
                const std::span<const WindowId> all(others);
                const std::size_t leftCount = (others.size() + 1) / 2;
                const Node left = columnOf(all.first(leftCount), *this);
                const Node right = columnOf(all.subspan(leftCount), *this);
                return Node::split(Axis::horizontal, 1.0 / 3.0, left,
                                   Node::split(Axis::horizontal, 0.5, placed, right));
            },
            [&](const Region::Column& column) -> std::optional<Node> {
                const auto [lower, upper] = column.bounds();
                if (upper - lower >= 0.98 || !(lower < upper))
                    return std::nullopt;
                if (lower == 0)
                    return Node::split(Axis::horizontal, upper, placed, restOrHole());
                if (upper == 1)
                    return Node::split(Axis::horizontal, lower, restOrHole(), placed);
                const double middle = bounds.minX() + (lower + upper) / 2 * bounds.width();
                const auto frames = before.frames(bounds, 0);
                std::vector<WindowId> left, right;
                for (WindowId other : rest.windows())
                    (frames.at(other).midX() < middle ? left : right).push_back(other);
                const Node leftColumn = columnOf(left, *this);
                const Node rightColumn = columnOf(right, *this);
                return Node::split(
                    Axis::horizontal, lower, leftColumn,
                    Node::split(Axis::horizontal, (upper - lower) / (1 - lower), placed, rightColumn));
            },
        },
        region.value);

    // A span over (almost) the whole width or none at all leaves the arrangement as it was.
    if (!root)
        return;
    tree.root = *root;
    if (!previousTree)
        previousTree = before;
}

void SpaceLayout::resize(WindowId window, bool grow, Rect in, double gap, const MinimumSizes& minimumSizes) {
    if (mode != LayoutMode::bsp || !tree.contains(window))
        return;
    const BSPTree before = tree;
    // Minimum sizes hold a step back only where the tree fitted them before; one that already overflows
    // takes the whole step.
    const bool overflowed = tree.overflows(in, gap, minimumSizes);
    const IdSet keeping = reservedHoles();
    for (Direction side : {Direction::west, Direction::east, Direction::north, Direction::south}) {
        const double tenth = in.length(axisOf(side)) / 10;
        const double step = isLeading(side) == grow ? -tenth : tenth;
        for (double factor : {1.0, 0.5, 0.25}) {
            BSPTree moved = tree;
            moved.moveEdge(side, window, step * factor, in, keeping);
            if (overflowed || !moved.overflows(in, gap, minimumSizes)) {
                tree = std::move(moved);
                break;
            }
        }
    }
    if (tree != before && !previousTree)
        previousTree = before;
}

void SpaceLayout::restore(Rect in) {
    if (!previousTree)
        return;
    BSPTree restored = *previousTree;
    const auto current = tree.windows();
    const IdSet present(current.begin(), current.end());
    for (WindowId window : restored.windows())
        if (!present.contains(window))
            restored.remove(window);
    for (WindowId window : current)
        if (!restored.contains(window))
            restored.insert(window, std::nullopt, in, 0, std::nullopt, 0.5, {}, {});
    tree = std::move(restored);
    previousTree.reset();
    zoomed.reset();
}

void SpaceLayout::endSizingRun() {
    previousTree.reset();
}

} // namespace quillmere
