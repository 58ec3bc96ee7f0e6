#pragma once

#include "core/Direction.h"
#include "core/Geometry.h"
#include "core/JsonReader.h"
#include "core/WindowRef.h"

#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// Addresses a node from the root: at each split, false chooses the first child and true the second.
using LayoutPath = std::vector<bool>;

struct LayoutTemplate;
struct LayoutTile;
struct LayoutDivider;

// The stored form of a tiling tree: window references in place of window ids. Unlike a live tree it may
// hold empty tiles, as layout templates make them. Immutable; changed trees share the subtrees they keep.
class LayoutSnapshot {
  public:
    static LayoutSnapshot tile(std::vector<WindowRef> refs = {});
    static LayoutSnapshot split(Axis axis, double ratio, LayoutSnapshot first, LayoutSnapshot second);

    // The most splits a stored tree may nest, far beyond what the windows of one Space can build: trees
    // are read, rebuilt and laid out by recursion, so a deeper one in a file would exhaust the stack.
    static constexpr int maxDepth = 1000;

    bool isTile() const { return data_->isTile; }
    bool isSplit() const { return !data_->isTile; }

    // Tile access: the stack, front first.
    const std::vector<WindowRef>& refs() const { return data_->refs; }

    // Split access: `ratio` is the share of `first`, the left or top part.
    Axis axis() const { return data_->axis; }
    double ratio() const { return data_->ratio; }
    const LayoutSnapshot& first() const { return data_->children[0]; }
    const LayoutSnapshot& second() const { return data_->children[1]; }

    // Every reference in tree order: all of `first` before all of `second`, each tile's list in order.
    std::vector<WindowRef> windows() const;

    // Editing, for designing a profile without capturing one. Every edit returns a new tree; a path that
    // does not apply leaves the tree as it was.
    static const std::vector<LayoutTemplate>& templates();
    // Tiles depth first, first child before second.
    std::vector<LayoutTile> tiles(Rect in, double gap) const;
    // Each split before the dividers inside its children.
    std::vector<LayoutDivider> dividers(Rect in, double gap) const;
    std::optional<LayoutSnapshot> node(const LayoutPath& at) const;
    LayoutSnapshot replacing(const LayoutPath& at, const LayoutSnapshot& with) const;
    // The node becomes the first half of an even split whose second half is an empty tile.
    LayoutSnapshot splitting(const LayoutPath& at, Axis along) const;
    // The parent split gives way to the removed node's sibling; removing the root leaves one empty tile.
    LayoutSnapshot removing(const LayoutPath& at) const;
    // Clamped to the ratio range of border moves.
    LayoutSnapshot settingRatio(const LayoutPath& at, double to) const;
    // One reference into each empty tile in tile order; what is left over joins the last tile.
    LayoutSnapshot filled(const std::vector<WindowRef>& with) const;

    // Structural; ratios compare exactly.
    friend bool operator==(const LayoutSnapshot& a, const LayoutSnapshot& b);

  private:
    struct Data {
        bool isTile = true;
        std::vector<WindowRef> refs;
        Axis axis = Axis::horizontal;
        double ratio = 0.5;
        std::vector<LayoutSnapshot> children;
    };
    explicit LayoutSnapshot(std::shared_ptr<const Data> data) : data_(std::move(data)) {}
    std::shared_ptr<const Data> data_;
};

// A starting layout whose tiles are all empty.
struct LayoutTemplate {
    std::string name;
    LayoutSnapshot layout;
};

struct LayoutTile {
    LayoutPath path;
    std::vector<WindowRef> refs;
    Rect rect;
    friend bool operator==(const LayoutTile&, const LayoutTile&) = default;
};

struct LayoutDivider {
    LayoutPath path;
    Axis axis = Axis::horizontal;
    // The gap between the split's two parts, across the whole split.
    Rect strip;
    // The whole rectangle of the split.
    Rect bounds;
    friend bool operator==(const LayoutDivider&, const LayoutDivider&) = default;
};

// A tile is a bare array of reference strings; a split an object with "axis", "ratio", "first" and
// "second".
void to_json(nlohmann::json& json, const LayoutSnapshot& layout);
// An array reads as a tile, anything else as a split object. A ratio outside 0 to 1 (or not a number at
// all) fails: it would give negative tile sizes once the tree is live. So does a tree nested deeper than
// `maxDepth`.
LayoutSnapshot readLayoutSnapshot(const JsonReader& json);

} // namespace quillmere
