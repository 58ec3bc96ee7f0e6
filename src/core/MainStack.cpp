#include "core/BSPTree.h"

namespace quillmere {

namespace {

void collectTiles(const Node& node, std::vector<Node>& into) {
    if (node.isTile()) {
        into.push_back(node);
        return;
    }
    collectTiles(node.first(), into);
    collectTiles(node.second(), into);
}

} // namespace

BSPTree::MainShape BSPTree::mainShape(double defaultShare) const {
    if (!root || root->isTile())
        return {Axis::horizontal, true, defaultShare};
    const Axis axis = root->axis();
    const double ratio = root->ratio();
    if (root->first().isTile())
        return {axis, true, ratio};
    if (root->second().isTile())
        return {axis, false, 1 - ratio};
    return {axis, true, ratio};
}

void BSPTree::arrangeMain(const MainShape& shape, std::optional<WindowId> adding) {
    std::vector<Node> stack;
    if (root)
        collectTiles(*root, stack);
    if (stack.empty()) {
        if (adding)
            root = Node::leaf(*adding);
        return;
    }
    const auto mainAt = shape.mainFirst ? stack.begin() : stack.end() - 1;
    const Node main = *mainAt;
    stack.erase(mainAt);
    if (adding && !contains(*adding))
        stack.push_back(Node::leaf(*adding));
    if (stack.empty()) {
        root = main;
        return;
    }
    Members members;
    for (const Node& tile : stack)
        members.push_back({tile, 1});
    const Node column = container(members, flipped(shape.axis));
    root = shape.mainFirst ? Node::split(shape.axis, shape.share, main, column)
                           : Node::split(shape.axis, 1 - shape.share, column, main);
}

} // namespace quillmere
