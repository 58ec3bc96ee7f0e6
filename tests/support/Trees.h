#pragma once

#include "core/BSPTree.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

// Short builders and a readable form for tiling trees in tests.
namespace quillmere::trees {

inline Node tile(std::initializer_list<WindowId> ids) { return Node::tile(std::vector<WindowId>(ids)); }
inline Node h(double ratio, Node first, Node second) {
    return Node::split(Axis::horizontal, ratio, std::move(first), std::move(second));
}
inline Node v(double ratio, Node first, Node second) {
    return Node::split(Axis::vertical, ratio, std::move(first), std::move(second));
}

inline BSPTree treeOf(Node root) { return BSPTree{std::move(root)}; }

// h0.5([1],v0.25([2 3],[4])), ratios to 17 significant digits.
inline void describe(const Node& node, std::ostream& out) {
    if (node.isTile()) {
        out << "[";
        for (std::size_t i = 0; i < node.ids().size(); ++i)
            out << (i ? " " : "") << node.ids()[i];
        out << "]";
        return;
    }
    out << (node.axis() == Axis::horizontal ? "h" : "v") << node.ratio() << "(";
    describe(node.first(), out);
    out << ",";
    describe(node.second(), out);
    out << ")";
}

inline std::string describe(const Node& node) {
    std::ostringstream out;
    out.precision(17);
    describe(node, out);
    return out.str();
}

// Same shape and ids, ratios equal within a tolerance: for ratios that are derived, not given.
inline bool nearlyEqual(const Node& a, const Node& b, double tolerance = 1e-12) {
    if (a.isTile() || b.isTile())
        return a.isTile() && b.isTile() && a.ids() == b.ids();
    return a.axis() == b.axis() && std::abs(a.ratio() - b.ratio()) <= tolerance &&
           nearlyEqual(a.first(), b.first(), tolerance) && nearlyEqual(a.second(), b.second(), tolerance);
}

// For EXPECT_TRUE: the tree matches the expected one, ratios within the tolerance.
inline testing::AssertionResult matches(const Node& actual, const Node& expected, double tolerance = 1e-12) {
    if (nearlyEqual(actual, expected, tolerance))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << describe(actual) << " is not " << describe(expected);
}

inline testing::AssertionResult matches(const std::optional<Node>& actual, const Node& expected,
                                        double tolerance = 1e-12) {
    if (!actual)
        return testing::AssertionFailure() << "empty tree is not " << describe(expected);
    return matches(*actual, expected, tolerance);
}

} // namespace quillmere::trees
