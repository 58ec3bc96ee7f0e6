#include "core/SpaceLayout.h"

namespace quillmere {

namespace {

// The tile reached by always taking the second child gets the ids stacked behind its own.
Node appendingToLastTile(const Node& node, const std::vector<WindowId>& ids) {
    if (node.isSplit())
        return node.withChildren(node.first(), appendingToLastTile(node.second(), ids));
    auto stacked = node.ids();
    stacked.insert(stacked.end(), ids.begin(), ids.end());
    return Node::tile(std::move(stacked));
}

// The first adoption of a run remembers the tree from before it, so restore can go back there.
void rememberBefore(SpaceLayout& layout, const BSPTree& old) {
    if (old == layout.tree)
        return;
    if (!layout.previousTree)
        layout.previousTree = old;
}

void takeOver(SpaceLayout& layout, const BSPTree& arranged) {
    for (WindowId window : arranged.windows())
        layout.floating.erase(window);
    layout.zoomed.reset();
    layout.preselection.reset();
}

} // namespace

void SpaceLayout::adopt(const BSPTree& arranged) {
    if (mode != LayoutMode::bsp || !arranged.root)
        return;
    const BSPTree old = tree;
    std::vector<WindowId> rest;
    for (WindowId window : tree.windows())
        if (!arranged.contains(window))
            rest.push_back(window);
    takeOver(*this, arranged);
    tree = arranged;
    if (!rest.empty())
        tree.root = appendingToLastTile(*arranged.root, rest);
    waiting.clear();
    rememberBefore(*this, old);
}

void SpaceLayout::adopt(const BSPTree& arranged, Direction inHalf) {
    if (mode != LayoutMode::bsp || !arranged.root)
        return;
    const BSPTree old = tree;
    BSPTree rest = tree;
    rest.removeHoles();
    for (WindowId window : arranged.windows())
        rest.remove(window);
    takeOver(*this, arranged);
    const Node other = rest.root ? *rest.root : Node::leaf(makeHole());
    const Axis axis = axisOf(inHalf);
    tree.root = isLeading(inHalf) ? Node::split(axis, 0.5, *arranged.root, other)
                                  : Node::split(axis, 0.5, other, *arranged.root);
    waiting.clear();
    rememberBefore(*this, old);
}

void SpaceLayout::zoom(WindowId window) {
    if (tree.contains(window))
        zoomed = window;
}

} // namespace quillmere
