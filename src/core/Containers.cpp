#include "core/BSPTree.h"

#include <algorithm>
#include <numeric>

namespace quillmere {

namespace {

Node rewriting(WindowId id, const Node& node, Axis axis, const BSPTree::ContainerTransform& transform);

// Walks down a container's chain toward the id, keeping every split it passes, until it reaches the member
// that holds the id; that member is a split the other way and starts the next container.
Node descending(WindowId id, const Node& node, Axis axis, const BSPTree::ContainerTransform& transform) {
    if (node.isTile())
        return node;
    if (node.axis() != axis)
        return rewriting(id, node, node.axis(), transform);
    if (BSPTree::holds(node.first(), id))
        return Node::split(axis, node.ratio(), descending(id, node.first(), axis, transform), node.second());
    if (BSPTree::holds(node.second(), id))
        return Node::split(axis, node.ratio(), node.first(), descending(id, node.second(), axis, transform));
    return node;
}

Node rewriting(WindowId id, const Node& node, Axis axis, const BSPTree::ContainerTransform& transform) {
    const auto members = BSPTree::members(node, axis);
    const auto direct = std::find_if(members.begin(), members.end(), [&](const BSPTree::Member& member) {
        return member.node.isTile() && BSPTree::holds(member.node, id);
    });
    if (direct != members.end())
        return transform(axis, members, static_cast<std::size_t>(direct - members.begin()));
    return descending(id, node, axis, transform);
}

void collectMembers(const Node& node, Axis along, double share, BSPTree::Members& into) {
    if (node.isTile() || node.axis() != along) {
        into.push_back({node, share});
        return;
    }
    collectMembers(node.first(), along, share * node.ratio(), into);
    collectMembers(node.second(), along, share * (1 - node.ratio()), into);
}

} // namespace

BSPTree::Members BSPTree::members(const Node& node, Axis along) {
    Members result;
    collectMembers(node, along, 1.0, result);
    return result;
}

Node BSPTree::container(const Members& members, Axis along) {
    // Built from the far end so that no member list is copied; each split still divides its own first
    // member's share by the sum of its remaining list, summed from the front.
    Node result = members.back().node;
    for (std::size_t i = members.size() - 1; i-- > 0;) {
        const auto rest = members.begin() + static_cast<std::ptrdiff_t>(i);
        const double sum = std::accumulate(rest, members.end(), 0.0, [](double total, const Member& member) {
            return total + member.share;
        });
        // Members squeezed to nothing (a side fitted down to zero) would make a ratio of 0 / 0: share evenly.
        const double ratio = sum > 0 ? members[i].share / sum : 1.0 / static_cast<double>(members.size() - i);
        result = Node::split(along, ratio, members[i].node, result);
    }
    return result;
}

Node BSPTree::rewritingContainer(WindowId of, const Node& in, const ContainerTransform& transform) {
    // A lone tile is no container.
    if (in.isTile() || !BSPTree::holds(in, of))
        return in;
    return rewriting(of, in, in.axis(), transform);
}

void BSPTree::insertJoining(WindowId id, std::optional<WindowId> beside, Rect in) {
    if (!root) {
        root = Node::leaf(id);
        return;
    }
    const auto present = windows();
    if (std::find(present.begin(), present.end(), id) != present.end())
        return;
    if (present.empty()) {
        insert(id, std::nullopt, in, 0, std::nullopt, 0.5, {}, {});
        return;
    }
    const WindowId target = beside && std::find(present.begin(), present.end(), *beside) != present.end()
                                ? *beside
                                : present.back();
    if (root->isTile()) {
        root = Node::split(preferredAxis(in), 0.5, *root, Node::leaf(id));
        return;
    }
    root = rewritingContainer(target, *root, [&](Axis axis, const Members& members, std::size_t index) {
        auto joined = members;
        const double share = 1.0 / static_cast<double>(members.size());
        joined.insert(joined.begin() + static_cast<std::ptrdiff_t>(index) + 1, Member{Node::leaf(id), share});
        return container(joined, axis);
    });
}

void BSPTree::removeFromContainer(WindowId id) {
    if (!root)
        return;
    if (contains(id) && root->isSplit() && stack(id).size() == 1) {
        root = rewritingContainer(id, *root, [](Axis axis, const Members& members, std::size_t index) {
            auto rest = members;
            rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(index));
            return container(rest, axis);
        });
        return;
    }
    remove(id);
}

void BSPTree::toggleContainer(WindowId of) {
    if (!root || root->isTile() || !BSPTree::holds(*root, of))
        return;
    root = rewritingContainer(of, *root, [](Axis axis, const Members& members, std::size_t) {
        return container(members, flipped(axis));
    });
}

} // namespace quillmere
