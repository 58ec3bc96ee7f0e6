#include "core/NativeTiling.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>
#include <utility>

namespace quillmere::NativeTiling {

namespace {

enum class Extent { whole, leadingHalf, trailingHalf };

std::optional<Extent> extent(double lo, double hi, double tolerance) {
    const auto near = [&](double value, double mark) { return std::abs(value - mark) <= tolerance; };
    if (near(lo, 0) && near(hi, 1))
        return Extent::whole;
    if (near(lo, 0) && near(hi, 0.5))
        return Extent::leadingHalf;
    if (near(lo, 0.5) && near(hi, 1))
        return Extent::trailingHalf;
    return std::nullopt;
}

NativeTile edge(Direction direction) {
    return {Region{Region::Edge{direction, 0.5}}};
}

using Framed = std::pair<WindowId, Rect>;
using FramedList = std::vector<Framed>;

double nearEdge(const Rect& rect, Axis along) {
    return along == Axis::horizontal ? rect.minX() : rect.minY();
}

double farEdge(const Rect& rect, Axis along) {
    return along == Axis::horizontal ? rect.maxX() : rect.maxY();
}

struct Cut {
    FramedList first;
    FramedList second;
    double position = 0;
};

// The first far edge that parts the frames into those before it and those after it, each within the
// tolerance; the cut lies midway across the gap between the two groups.
std::optional<Cut> split(const FramedList& list, Axis along, double tolerance) {
    std::vector<double> candidates;
    for (const auto& [id, frame] : list)
        candidates.push_back(farEdge(frame, along));
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());

    for (double c : candidates) {
        Cut cut;
        bool inBoth = false;
        for (const auto& framed : list) {
            const bool before = farEdge(framed.second, along) <= c + tolerance;
            const bool after = nearEdge(framed.second, along) >= c - tolerance;
            inBoth = inBoth || (before && after);
            if (before)
                cut.first.push_back(framed);
            if (after)
                cut.second.push_back(framed);
        }
        if (cut.first.empty() || cut.second.empty() || inBoth ||
            cut.first.size() + cut.second.size() != list.size())
            continue;
        double secondStart = nearEdge(cut.second.front().second, along);
        for (const auto& framed : cut.second)
            secondStart = std::min(secondStart, nearEdge(framed.second, along));
        cut.position = (c + std::max(c, secondStart)) / 2;
        return cut;
    }
    return std::nullopt;
}

// The system's tiling favours these shares; a cut this close to one was meant to be it.
double snapped(double ratio) {
    constexpr std::array<double, 5> favoured{0.5, 1.0 / 3.0, 2.0 / 3.0, 0.25, 0.75};
    for (double share : favoured) {
        if (std::abs(ratio - share) < 0.01) {
            ratio = share;
            break;
        }
    }
    return ratio <= BSPTree::ratioMin  ? BSPTree::ratioMin
           : ratio > BSPTree::ratioMax ? BSPTree::ratioMax
                                       : ratio;
}

bool matching(const Rect& a, const Rect& b, double tolerance) {
    return std::abs(a.minX() - b.minX()) <= tolerance && std::abs(a.minY() - b.minY()) <= tolerance &&
           std::abs(a.maxX() - b.maxX()) <= tolerance && std::abs(a.maxY() - b.maxY()) <= tolerance;
}

std::optional<Node> node(const FramedList& list, double tolerance) {
    if (list.size() == 1)
        return Node::leaf(list.front().first);

    Rect bounds = Rect::null();
    for (const auto& [id, frame] : list)
        bounds = bounds.united(frame);

    for (Axis along : {Axis::horizontal, Axis::vertical}) {
        const auto cut = split(list, along, tolerance);
        if (!cut)
            continue;
        auto first = node(cut->first, tolerance);
        auto second = node(cut->second, tolerance);
        if (!first || !second)
            continue;
        const double length = bounds.length(along);
        const double ratio = length > 0 ? (cut->position - nearEdge(bounds, along)) / length : 0.5;
        return Node::split(along, snapped(ratio), std::move(*first), std::move(*second));
    }

    // Windows the system put on top of each other share one tile.
    const Rect& reference = list.front().second;
    std::vector<WindowId> ids;
    for (const auto& [id, frame] : list) {
        if (!matching(frame, reference, tolerance))
            return std::nullopt;
        ids.push_back(id);
    }
    return Node::tile(std::move(ids));
}

} // namespace

std::optional<NativeTile> classify(Rect frame, Rect in, double tolerance) {
    if (in.width() <= 0 || in.height() <= 0)
        return std::nullopt;
    const auto x =
        extent((frame.minX() - in.minX()) / in.width(), (frame.maxX() - in.minX()) / in.width(), tolerance);
    const auto y =
        extent((frame.minY() - in.minY()) / in.height(), (frame.maxY() - in.minY()) / in.height(), tolerance);
    if (!x || !y)
        return std::nullopt;
    if (*x == Extent::whole && *y == Extent::whole)
        return NativeTile{NativeTile::Fill{}};
    if (*x == Extent::whole)
        return edge(*y == Extent::leadingHalf ? Direction::north : Direction::south);
    if (*y == Extent::whole)
        return edge(*x == Extent::leadingHalf ? Direction::west : Direction::east);
    return NativeTile{Region{Region::Corner{*y == Extent::leadingHalf ? Direction::north : Direction::south,
                                            *x == Extent::leadingHalf ? Direction::west : Direction::east}}};
}

std::optional<BSPTree> tree(const FrameMap& from, double tolerance) {
    if (from.empty())
        return std::nullopt;
    // Frames come from other applications; one that is not a number cannot be ordered, let alone cut.
    const auto finite = [](const Rect& r) {
        return std::isfinite(r.origin.x) && std::isfinite(r.origin.y) && std::isfinite(r.size.width) &&
               std::isfinite(r.size.height);
    };
    if (!std::all_of(from.begin(), from.end(), [&](const auto& entry) { return finite(entry.second); }))
        return std::nullopt;
    FramedList list(from.begin(), from.end());
    std::sort(list.begin(), list.end(), [](const Framed& a, const Framed& b) {
        return std::tuple(a.second.minY(), a.second.minX(), a.first) <
               std::tuple(b.second.minY(), b.second.minX(), b.first);
    });
    auto root = node(list, tolerance);
    if (!root)
        return std::nullopt;
    return BSPTree{std::move(root)};
}

bool covers(const std::vector<Rect>& frames, Rect area, double share) {
    if (area.width() <= 0 || area.height() <= 0)
        return false;
    double covered = 0;
    for (const Rect& frame : frames)
        covered += frame.intersection(area).area();
    return covered >= share * area.width() * area.height();
}

} // namespace quillmere::NativeTiling
