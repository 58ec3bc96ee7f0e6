#pragma once

#include "core/SpaceLayout.h"
#include "support/Trees.h"

#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>

namespace quillmere {

inline void PrintTo(const SpaceLayout& layout, std::ostream* out) {
    *out << "{" << text(layout.mode) << " " << text(layout.tiling) << " " << text(layout.stacking)
         << " tree ";
    *out << (layout.tree.root ? trees::describe(*layout.tree.root) : "empty");
    *out << " floating {";
    for (WindowId id : layout.floating)
        *out << " " << id;
    *out << " } waiting {";
    for (const auto& [hole, app] : layout.waiting)
        *out << " " << hole << ":" << app;
    *out << " } nextHole " << layout.nextHole;
    if (layout.zoomed)
        *out << " zoomed " << *layout.zoomed;
    if (layout.preselection)
        *out << " preselection " << layout.preselection->window << "/"
             << static_cast<int>(layout.preselection->direction);
    if (layout.front)
        *out << " front " << *layout.front;
    if (layout.popped)
        *out << " popped " << layout.popped->window << "<>" << layout.popped->displaced;
    if (layout.previousTree)
        *out << " previousTree "
             << (layout.previousTree->root ? trees::describe(*layout.previousTree->root) : "empty");
    *out << "}";
}

namespace layouts {

// Builds a layout field by field: Given().tiling(TileAlgorithm::i3).tree(...).waiting({...}).
struct Given {
    SpaceLayout value{LayoutMode::bsp, TileAlgorithm::bsp, StackAlgorithm::fill};

    Given& mode(LayoutMode mode) {
        value.mode = mode;
        return *this;
    }
    Given& tiling(TileAlgorithm tiling) {
        value.tiling = tiling;
        return *this;
    }
    Given& stacking(StackAlgorithm stacking) {
        value.stacking = stacking;
        return *this;
    }
    Given& tree(Node root) {
        value.tree.root = std::move(root);
        return *this;
    }
    Given& floating(std::set<WindowId> ids) {
        value.floating = std::move(ids);
        return *this;
    }
    Given& zoomed(WindowId id) {
        value.zoomed = id;
        return *this;
    }
    Given& preselection(WindowId window, Direction direction) {
        value.preselection = SpaceLayout::Preselection{window, direction};
        return *this;
    }
    Given& waiting(std::map<WindowId, std::string> entries) {
        value.waiting = std::move(entries);
        return *this;
    }
    Given& front(WindowId id) {
        value.front = id;
        return *this;
    }
    Given& popped(WindowId window, WindowId displaced) {
        value.popped = SpaceLayout::Pop{window, displaced};
        return *this;
    }
    Given& previousTree(std::optional<Node> root) {
        value.previousTree = BSPTree{std::move(root)};
        return *this;
    }
    Given& nextHole(WindowId id) {
        value.nextHole = id;
        return *this;
    }
    operator SpaceLayout() const { return value; }
};

} // namespace layouts
} // namespace quillmere
