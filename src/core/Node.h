#pragma once

#include "core/Direction.h"
#include "core/WindowId.h"

#include <memory>
#include <vector>

namespace quillmere {

// One node of a tiling tree: a tile (a stack of window ids, front first, never empty) or a split of an
// area along an axis at a ratio. Nodes are immutable; changed trees share the subtrees they keep.
class Node {
  public:
    static Node tile(std::vector<WindowId> ids);
    static Node leaf(WindowId id) { return tile({id}); }
    static Node split(Axis axis, double ratio, Node first, Node second);

    bool isTile() const { return data_->isTile; }
    bool isSplit() const { return !data_->isTile; }

    // Tile access.
    const std::vector<WindowId>& ids() const { return data_->ids; }

    // Split access.
    Axis axis() const { return data_->axis; }
    double ratio() const { return data_->ratio; }
    const Node& first() const { return data_->children[0]; }
    const Node& second() const { return data_->children[1]; }

    // Deep equality; ratios compare exactly.
    friend bool operator==(const Node& a, const Node& b);

  private:
    struct Data {
        bool isTile = true;
        std::vector<WindowId> ids;
        Axis axis = Axis::horizontal;
        double ratio = 0.5;
        std::vector<Node> children;
    };
    explicit Node(std::shared_ptr<const Data> data) : data_(std::move(data)) {}
    std::shared_ptr<const Data> data_;
};

} // namespace quillmere
