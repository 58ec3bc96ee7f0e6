#include "core/SpaceLayout.h"

#include <algorithm>
#include <cmath>

namespace quillmere {

namespace {

bool holds(const std::vector<WindowId>& ids, WindowId id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

// Joining puts the window on the other axis, at the trailing end for a move toward a leading direction.
Direction joinSide(Direction toward) {
    switch (toward) {
    case Direction::west:
        return Direction::south;
    case Direction::east:
        return Direction::north;
    case Direction::north:
        return Direction::east;
    case Direction::south:
        return Direction::west;
    }
    return toward;
}

Rect half(Rect rect, Direction side, double gap) {
    const auto [first, second] = rect.split(axisOf(side), 0.5, gap);
    return isLeading(side) ? first : second;
}

// Outside the centre zone: the side nearest to the point, earlier sides winning ties.
Direction nearestSide(double x, double y) {
    const std::pair<double, Direction> distances[] = {
        {x, Direction::west}, {1 - x, Direction::east}, {y, Direction::north}, {1 - y, Direction::south}};
    auto best = distances[0];
    for (const auto& candidate : distances)
        if (candidate.first < best.first)
            best = candidate;
    return best.second;
}

struct Reach {
    double gap;
    double offset;
    bool overlaps;
};

Reach reach(Rect source, Rect candidate, Direction toward) {
    switch (toward) {
    case Direction::north:
    case Direction::south:
        return {toward == Direction::north ? source.minY() - candidate.maxY()
                                           : candidate.minY() - source.maxY(),
                std::abs(candidate.midX() - source.midX()),
                candidate.minX() < source.maxX() && source.minX() < candidate.maxX()};
    case Direction::west:
    case Direction::east:
        return {toward == Direction::west ? source.minX() - candidate.maxX()
                                          : candidate.minX() - source.maxX(),
                std::abs(candidate.midY() - source.midY()),
                candidate.minY() < source.maxY() && source.minY() < candidate.maxY()};
    }
    return {0, 0, false};
}

// The front window of every tile (holes left out) with its tile's rectangle without gaps, and the front of
// the first tile that holds a given window.
struct Fronts {
    WindowId of;
    FrameMap frames;
    std::optional<WindowId> source;

    void collect(const Node& node, Rect rect) {
        if (node.isTile()) {
            const auto& ids = node.ids();
            if (!source && holds(ids, of))
                source = ids.front();
            if (!BSPTree::isHole(ids.front()))
                frames.emplace(ids.front(), rect);
            return;
        }
        const auto [first, second] = rect.split(node.axis(), node.ratio(), 0);
        collect(node.first(), first);
        collect(node.second(), second);
    }
};

} // namespace

std::optional<WindowId> SpaceLayout::neighbor(WindowId of, Direction toward, Rect in) const {
    switch (mode) {
    case LayoutMode::bsp: {
        if (!tree.root)
            return std::nullopt;
        Fronts fronts{of};
        fronts.collect(*tree.root, in);
        if (!fronts.source)
            return std::nullopt;
        return nearest(*fronts.source, toward, fronts.frames);
    }
    case LayoutMode::stack:
        return cycle(of, !isLeading(toward));
    case LayoutMode::float_:
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<WindowId> SpaceLayout::nearest(WindowId to, Direction toward, const FrameMap& in) {
    const auto source = in.find(to);
    if (source == in.end())
        return std::nullopt;

    struct Best {
        WindowId id;
        Reach reach;
        Rect rect;
    };
    const auto better = [](const Best& a, const Best& b) {
        if (a.reach.gap != b.reach.gap)
            return a.reach.gap < b.reach.gap;
        if (a.reach.offset != b.reach.offset)
            return a.reach.offset < b.reach.offset;
        if (a.rect.minY() != b.rect.minY())
            return a.rect.minY() < b.rect.minY();
        return a.rect.minX() < b.rect.minX();
    };

    std::optional<Best> best;
    for (const auto& [id, rect] : in) {
        if (id == to)
            continue;
        // Down to one point of overlap still counts: tiles rounded apart can overlap by that much.
        const Best candidate{id, reach(source->second, rect, toward), rect};
        if (candidate.reach.gap < -1 || !candidate.reach.overlaps)
            continue;
        if (!best || better(candidate, *best))
            best = candidate;
    }
    if (!best)
        return std::nullopt;
    return best->id;
}

void SpaceLayout::swap(WindowId window, Direction toward, Rect in) {
    if (const auto other = neighbor(window, toward, in))
        tree.swap(window, *other);
}

void SpaceLayout::join(WindowId window, Direction toward, Rect in, double gap) {
    const auto other = neighbor(window, toward, in);
    if (!other)
        return;
    zoomed.reset();
    takeOut(window);
    tree.insert(window, *other, in, gap, joinSide(toward), 0.5, {}, {});
}

void SpaceLayout::preselect(Direction direction, WindowId beside) {
    if (!tree.contains(beside))
        return;
    const Preselection wanted{beside, direction};
    if (preselection == wanted)
        preselection.reset();
    else
        preselection = wanted;
}

std::optional<Rect> SpaceLayout::preselectionRect(Rect in, double gap) const {
    if (!preselection)
        return std::nullopt;
    const auto frames = tree.frames(in, gap);
    const auto frame = frames.find(preselection->window);
    if (frame == frames.end())
        return std::nullopt;
    return half(frame->second, preselection->direction, gap);
}

std::optional<DropOutcome> SpaceLayout::drop(WindowId window, Point at, Rect in, double gap) const {
    if (mode != LayoutMode::bsp || !tree.contains(window))
        return std::nullopt;
    const auto tiles = tree.tiles(in, gap);
    const auto target = std::find_if(tiles.begin(), tiles.end(),
                                     [&](const TileRect& tile) { return tile.rect.contains(at); });
    if (target == tiles.end())
        return std::nullopt;
    const auto& ids = target->windows;
    const auto other = std::find_if(ids.begin(), ids.end(), [&](WindowId id) { return id != window; });
    if (other == ids.end())
        return std::nullopt;

    const Rect rect = target->rect;
    if (BSPTree::isHole(*other))
        return DropOutcome{{DropAction::Swap{*other}}, rect};

    const double x = (at.x - rect.minX()) / rect.width();
    const double y = (at.y - rect.minY()) / rect.height();
    if (x >= 0.25 && x <= 0.75 && y >= 0.25 && y <= 0.75) {
        if (holds(ids, window))
            return std::nullopt;
        return DropOutcome{{DropAction::Swap{*other}}, rect};
    }
    const Direction side = nearestSide(x, y);
    return DropOutcome{{DropAction::Insert{*other, side}}, half(rect, side, gap)};
}

void SpaceLayout::perform(const DropAction& action, WindowId dragging, Rect in, double gap) {
    // Only what `drop` can answer is carried out: a swap with a window or hole of the tree, or an insertion
    // beside another tiled window. Anything else would rename or duplicate ids in the tree.
    if (!tree.contains(dragging))
        return;
    if (const auto* insert = std::get_if<DropAction::Insert>(&action.value)) {
        if (insert->beside == dragging || !tree.contains(insert->beside))
            return;
        zoomed.reset();
        takeOut(dragging);
        tree.insert(dragging, insert->beside, in, gap, insert->side, 0.5, {}, {});
        return;
    }
    const WindowId target = std::get<DropAction::Swap>(action.value).with;
    if (target == dragging || tree.stack(target).empty())
        return;
    zoomed.reset();
    tree.swap(dragging, target);
    waiting.erase(target);
}

} // namespace quillmere
