#pragma once

#include "core/Direction.h"
#include "core/WindowId.h"

#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace quillmere {

// One node of a tiling tree: a tile (a stack of window ids, front first, never empty) or a split of an
// area along an axis at a ratio. Nodes are immutable; changed trees share the subtrees they keep.
class Node {
  public:
    static Node tile(std::vector<WindowId> ids);
    static Node leaf(WindowId id) { return tile({id}); }
    static Node split(Axis axis, double ratio, Node first, Node second);
    // A split laid out at `ratio` that was given `wanted`: fitting to minimum sizes moves a border but keeps
    // the ratio asked for, so that the border goes back when the sizes allow it again.
    static Node split(Axis axis, double ratio, double wanted, Node first, Node second);

    bool isTile() const;
    bool isSplit() const { return !isTile(); }

    // Tile access.
    const std::vector<WindowId>& ids() const;

    // Split access.
    Axis axis() const;
    double ratio() const;
    double wanted() const;
    const Node& first() const;
    const Node& second() const;
    // The same split (axis, ratio and wanted ratio) over other children.
    Node withChildren(Node first, Node second) const;

    // Deep equality; ratios compare exactly, wanted ratios not at all.
    friend bool operator==(const Node& a, const Node& b);
    // The very same node, shared: a cheap test that a rebuild changed nothing.
    bool isSameAs(const Node& other) const { return data_ == other.data_; }

  private:
    struct Data;
    explicit Node(std::shared_ptr<const Data> data) : data_(std::move(data)) {}
    std::shared_ptr<const Data> data_;
};

struct Node::Data {
    bool isTile = true;
    std::vector<WindowId> ids;
    Axis axis = Axis::horizontal;
    double ratio = 0.5;
    double wanted = 0.5;
    // Held in the node's own allocation: a split costs one allocation.
    std::optional<std::pair<Node, Node>> children;
};

inline bool Node::isTile() const { return data_->isTile; }
inline const std::vector<WindowId>& Node::ids() const { return data_->ids; }
inline Axis Node::axis() const { return data_->axis; }
inline double Node::ratio() const { return data_->ratio; }
inline double Node::wanted() const { return data_->wanted; }
inline const Node& Node::first() const { return data_->children->first; }
inline const Node& Node::second() const { return data_->children->second; }

} // namespace quillmere
