#pragma once

#include "core/Geometry.h"
#include "core/LayoutSnapshot.h"

#include <optional>
#include <variant>

namespace quillmere {

// What a layout canvas does with the pointer, apart from drawing: a click on a tile opens its menu, and a
// drag of the gap between two tiles changes that split's ratio, drawn as it moves and handed over once at
// the end. Tiles and dividers come from the shown layout in the area; dividers lie above tiles.
class CanvasEditing {
  public:
    // Around the gap, so that a gap of 0 still gives a handle.
    static constexpr double handleWidening = 6;
    // A divider drag starts once the pointer has moved this far.
    static constexpr double dragThreshold = 1;
    // Between the canvas's edge and its tiles.
    static constexpr double areaInset = 8;

    CanvasEditing(LayoutSnapshot tree, double gap) : tree_(std::move(tree)), gap_(gap) {}

    // The layout as stored; a new one replaces the drawing, not a drag in progress.
    const LayoutSnapshot& tree() const { return tree_; }
    void setTree(LayoutSnapshot tree) { tree_ = std::move(tree); }
    // The layout of a divider drag while one runs, else the stored one.
    const LayoutSnapshot& shown() const { return dragging_ ? *dragging_ : tree_; }
    const std::optional<LayoutSnapshot>& dragging() const { return dragging_; }
    // The tile whose menu is open.
    const std::optional<LayoutPath>& editing() const { return editing_; }
    void setEditing(std::optional<LayoutPath> path) { editing_ = std::move(path); }

    static Rect area(Rect canvas) { return canvas.insetBy(areaInset, areaInset); }
    std::vector<LayoutTile> tiles(Rect canvas) const { return shown().tiles(area(canvas), gap_); }
    std::vector<LayoutDivider> dividers(Rect canvas) const { return shown().dividers(area(canvas), gap_); }
    static Rect handle(const LayoutDivider& divider);
    // The share of the split's first child at the pointer, measured over the whole split, gap included; none
    // when the split has no length to measure along.
    static std::optional<double> ratio(const LayoutDivider& divider, Point location);

    std::optional<LayoutDivider> dividerAt(Rect canvas, Point point) const;
    std::optional<LayoutTile> tileAt(Rect canvas, Point point) const;

    // A press on a divider holds it; true when one was hit.
    bool press(Rect canvas, Point point);
    // True when the drawing changed.
    bool move(Point point);
    // The layout to hand over, once, when a drag ran.
    std::optional<LayoutSnapshot> release();

  private:
    LayoutSnapshot tree_;
    double gap_;
    std::optional<LayoutPath> editing_;
    std::optional<LayoutSnapshot> dragging_;
    struct Held {
        LayoutDivider divider;
        Point start;
        bool started = false;
    };
    std::optional<Held> held_;
};

} // namespace quillmere
