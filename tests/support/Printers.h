#pragma once

#include "core/BSPTree.h"
#include "core/Command.h"
#include "core/Geometry.h"
#include "core/KeyChord.h"
#include "core/RegionText.h"
#include "support/Trees.h"

#include <ostream>

namespace quillmere {

inline void PrintTo(const Rect& rect, std::ostream* out) {
    *out << "(" << rect.origin.x << ", " << rect.origin.y << ", " << rect.size.width << ", "
         << rect.size.height << ")";
}

inline void PrintTo(const Node& node, std::ostream* out) { *out << trees::describe(node); }

inline void PrintTo(const BSPTree& tree, std::ostream* out) {
    if (tree.root)
        PrintTo(*tree.root, out);
    else
        *out << "empty";
}

inline void PrintTo(const Command& command, std::ostream* out) {
    *out << "Command #" << command.value.index() << " \"" << command.text() << "\"";
}

inline void PrintTo(const Region& region, std::ostream* out) { *out << "Region \"" << text(region) << "\""; }

inline void PrintTo(const KeyChord& chord, std::ostream* out) { *out << "KeyChord \"" << chord.text() << "\""; }

} // namespace quillmere
