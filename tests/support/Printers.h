#pragma once

#include "core/BSPTree.h"
#include "core/Geometry.h"

#include <ostream>

namespace quillmere {

inline void PrintTo(const Rect& rect, std::ostream* out) {
    *out << "(" << rect.origin.x << ", " << rect.origin.y << ", " << rect.size.width << ", "
         << rect.size.height << ")";
}

// A tree as text: a tile is [ids], a split is h(ratio first second) or v(...).
inline void PrintTo(const Node& node, std::ostream* out) {
    if (node.isTile()) {
        *out << "[";
        for (std::size_t i = 0; i < node.ids().size(); ++i)
            *out << (i ? " " : "") << node.ids()[i];
        *out << "]";
        return;
    }
    *out << (node.axis() == Axis::horizontal ? "h(" : "v(") << node.ratio() << " ";
    PrintTo(node.first(), out);
    *out << " ";
    PrintTo(node.second(), out);
    *out << ")";
}

inline void PrintTo(const BSPTree& tree, std::ostream* out) {
    if (tree.root)
        PrintTo(*tree.root, out);
    else
        *out << "empty";
}

} // namespace quillmere
