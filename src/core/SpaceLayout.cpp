#include "core/SpaceLayout.h"

#include <algorithm>
#include <limits>

namespace quillmere {

namespace {

bool inTree(const BSPTree& tree, WindowId id) { return tree.root && BSPTree::holds(*tree.root, id); }

// The ids of every tile but its front one, holes counted like windows.
std::size_t behindFront(const Node& node) {
    if (node.isTile())
        return node.ids().size() - 1;
    return behindFront(node.first()) + behindFront(node.second());
}

} // namespace

SpaceLayout::SpaceLayout(LayoutMode mode, TileAlgorithm tiling, StackAlgorithm stacking)
    : mode(mode), tiling(tiling), stacking(stacking) {}

bool SpaceLayout::contains(WindowId window) const {
    return tree.contains(window) || floating.contains(window);
}

FrameMap SpaceLayout::frames(Rect in, double gap) const {
    switch (mode) {
    case LayoutMode::bsp: {
        auto result = tree.frames(in, gap);
        if (zoomed)
            if (auto entry = result.find(*zoomed); entry != result.end())
                entry->second = in;
        return result;
    }
    case LayoutMode::stack: {
        if (stacking == StackAlgorithm::accordion)
            return accordionFrames(in);
        FrameMap result;
        for (WindowId window : tree.windows())
            result.emplace(window, in);
        return result;
    }
    case LayoutMode::float_:
        return {};
    }
    return {};
}

FrameMap SpaceLayout::accordionFrames(Rect in) const {
    const auto windows = tree.windows();
    FrameMap result;
    if (windows.size() == 1)
        result.emplace(windows.front(), in);
    if (windows.size() <= 1)
        return result;

    const double strip = std::min(in.width() * 0.125, accordionPadding);
    const std::size_t last = windows.size() - 1;
    const auto frontAt = front ? std::find(windows.begin(), windows.end(), *front) : windows.end();
    const std::size_t f = frontAt == windows.end() ? 0 : static_cast<std::size_t>(frontAt - windows.begin());
    for (std::size_t i = 0; i <= last; ++i) {
        double left = 0, right = 0;
        if (i < f) {
            right = 2 * strip;
        } else if (i == f) {
            left = f > 0 ? strip : 0;
            right = f < last ? strip : 0;
        } else {
            left = 2 * strip;
        }
        result.emplace(windows[i], Rect(in.minX() + left, in.minY(), in.width() - left - right, in.height()));
    }
    return result;
}

void SpaceLayout::add(WindowId window, const std::optional<std::string>& app, std::optional<WindowId> beside,
                      Rect in, double gap, bool floats, double ratio, const MinimumSizes& minimumSizes) {
    if (BSPTree::isHole(window) || contains(window))
        return;

    // A reserved hole that has since left the tree (balance, placement, normalisation) is forgotten, so the
    // window is placed as if it had never been waited for instead of getting lost.
    if (app) {
        for (auto entry = waiting.begin(); entry != waiting.end();) {
            if (entry->second != *app) {
                ++entry;
            } else if (!inTree(tree, entry->first)) {
                entry = waiting.erase(entry);
            } else {
                tree.replace(entry->first, window);
                waiting.erase(entry);
                return;
            }
        }
    }

    if (floats) {
        floating.insert(window);
        return;
    }

    zoomed.reset();

    if (preselection && tree.contains(preselection->window)) {
        tree.insert(window, preselection->window, in, gap, preselection->direction, ratio, minimumSizes, {});
        preselection.reset();
        return;
    }

    const auto holes = tree.holes();
    const auto freeHole =
        std::find_if(holes.begin(), holes.end(), [&](WindowId hole) { return !waiting.contains(hole); });
    if (freeHole != holes.end()) {
        tree.replace(*freeHole, window);
        return;
    }

    tile(window, beside, in, gap, ratio, minimumSizes);
}

void SpaceLayout::remove(WindowId window) {
    removeKeepingHoles(window);
    tree.removeHoles();
    waiting.clear();
}

void SpaceLayout::removeKeepingHoles(WindowId window) {
    if (preselection && preselection->window == window)
        preselection.reset();
    if (front == window)
        front.reset();
    if (popped && (popped->window == window || popped->displaced == window))
        popped.reset();

    if (tree.contains(window))
        takeOut(window);
    else
        tree.remove(window);

    floating.erase(window);
    if (zoomed == window)
        zoomed.reset();
}

WindowId SpaceLayout::makeHole() {
    constexpr WindowId lastHole = std::numeric_limits<WindowId>::max();
    const auto inUse = [&](WindowId hole) { return inTree(tree, hole) || waiting.contains(hole); };

    WindowId hole = nextHole;
    if (!BSPTree::isHole(hole) || inUse(hole)) {
        const auto used = tree.holes();
        const IdSet inTreeHoles(used.begin(), used.end());
        const auto taken = [&](WindowId id) { return inTreeHoles.contains(id) || waiting.contains(id); };
        // Counting round from `nextHole`, not from the lowest id: holes made earlier in the same operation
        // are not in the tree yet, and this way they come last.
        hole = BSPTree::isHole(nextHole) ? nextHole : BSPTree::firstHole;
        for (WindowId left = lastHole - BSPTree::firstHole; left > 0 && taken(hole); --left)
            hole = hole == lastHole ? BSPTree::firstHole : hole + 1;
    }
    nextHole = hole == lastHole ? BSPTree::firstHole : hole + 1;
    return hole;
}

void SpaceLayout::toggleFloat(WindowId window, std::optional<WindowId> beside, Rect in) {
    if (floating.contains(window)) {
        floating.erase(window);
        tile(window, beside, in, 0, 0.5, {});
        return;
    }
    if (!tree.contains(window))
        return;
    takeOut(window);
    floating.insert(window);
    if (zoomed == window)
        zoomed.reset();
    if (popped && (popped->window == window || popped->displaced == window))
        popped.reset();
}

void SpaceLayout::toggleZoom(WindowId window) {
    if (!tree.contains(window))
        return;
    if (zoomed == window)
        zoomed.reset();
    else
        zoomed = window;
}

void SpaceLayout::setTiling(TileAlgorithm algorithm, double share) {
    if (algorithm == tiling)
        return;
    tiling = algorithm;
    if (algorithm != TileAlgorithm::masterStack)
        return;
    zoomed.reset();
    tree.arrangeMain(tree.mainShape(share), std::nullopt);
}

void SpaceLayout::focus(WindowId window) {
    tree.bringToFront(window);
    front = window;
}

std::optional<WindowId> SpaceLayout::cycle(WindowId from, bool forward) const {
    const auto list = mode == LayoutMode::stack ? tree.windows() : tree.stack(from);
    const auto at = std::find(list.begin(), list.end(), from);
    if (at == list.end() || list.size() == 1)
        return std::nullopt;
    const std::size_t n = list.size();
    const auto i = static_cast<std::size_t>(at - list.begin());
    return list[forward ? (i + 1) % n : (i + n - 1) % n];
}

int SpaceLayout::stackedOutOfSight() const {
    switch (mode) {
    case LayoutMode::bsp:
        return tree.root ? static_cast<int>(behindFront(*tree.root)) : 0;
    case LayoutMode::stack: {
        const auto count = tree.windows().size();
        return count == 0 ? 0 : static_cast<int>(count - 1);
    }
    case LayoutMode::float_:
        return 0;
    }
    return 0;
}

void SpaceLayout::normalize(Rect in, double gap, const MinimumSizes& minimumSizes) {
    if (mode == LayoutMode::bsp && tree.root)
        tree.normalize(in, gap, minimumSizes);
}

void SpaceLayout::toggleSplit(WindowId of) {
    if (tiling == TileAlgorithm::i3)
        tree.toggleContainer(of);
    else
        tree.toggleSplit(of);
}

void SpaceLayout::balance() {
    tree.balance();
}

void SpaceLayout::mirror(Axis axis) {
    tree.mirror(axis);
}

void SpaceLayout::rotate(Rotation rotation) {
    tree.rotate(rotation);
}

void SpaceLayout::takeOut(WindowId window) {
    switch (tiling) {
    case TileAlgorithm::bsp:
        tree.remove(window);
        return;
    case TileAlgorithm::i3:
        tree.removeFromContainer(window);
        return;
    case TileAlgorithm::masterStack: {
        const auto shape = tree.mainShape(0.5);
        tree.remove(window);
        tree.arrangeMain(shape, std::nullopt);
        return;
    }
    }
}

void SpaceLayout::tile(WindowId window, std::optional<WindowId> beside, Rect in, double gap, double ratio,
                       const MinimumSizes& minimumSizes) {
    switch (tiling) {
    case TileAlgorithm::bsp:
        tree.insert(window, beside, in, gap, std::nullopt, ratio, minimumSizes, reservedHoles());
        return;
    case TileAlgorithm::i3:
        tree.insertJoining(window, beside, in);
        return;
    case TileAlgorithm::masterStack:
        tree.arrangeMain(tree.mainShape(ratio), window);
        return;
    }
}

IdSet SpaceLayout::reservedHoles() const {
    IdSet result;
    for (const auto& [hole, app] : waiting)
        result.insert(hole);
    return result;
}

} // namespace quillmere
