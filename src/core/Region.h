#pragma once

#include "core/Direction.h"
#include "core/Geometry.h"

#include <array>
#include <optional>
#include <utility>
#include <variant>

namespace quillmere {

// A named screen region a window can be placed in.
struct Region {
    // The side of the area toward the direction, taking a share of its width (west, east) or height.
    struct Edge {
        Direction direction = Direction::west;
        std::optional<double> fraction;
        friend bool operator==(const Edge&, const Edge&) = default;
    };
    // A quarter: vertical is north or south, horizontal is west or east.
    struct Corner {
        Direction vertical = Direction::north;
        Direction horizontal = Direction::west;
        friend bool operator==(const Corner&, const Corner&) = default;
    };
    // One cell of three columns by two rows.
    struct Sixth {
        int column = 0;
        int row = 0;
        // Cells are numbered column by column, top then bottom: 2 × column + row. As in the words of the
        // text form, a column past the first two is the last one and a row past the first the bottom one.
        int cell() const;
        friend bool operator==(const Sixth&, const Sixth&) = default;
    };
    // A full-height band between two fractions of the width.
    struct Column {
        std::optional<std::pair<double, double>> span;
        // The span snapped to the area's sides when it comes within 0.02 of them; 0...1 when absent.
        std::pair<double, double> bounds() const;
        friend bool operator==(const Column&, const Column&) = default;
    };
    // The middle third of the width, full height.
    struct Center {
        friend bool operator==(const Center&, const Center&) = default;
    };

    std::variant<Edge, Corner, Sixth, Column, Center> value;

    // The shares through which repeated edge placements step.
    static constexpr std::array<double, 3> cycle{0.5, 2.0 / 3.0, 1.0 / 3.0};
    static constexpr double cycleTolerance = 0.02;

    // The region's rectangle in an area, with the gap between its parts; `fraction` is the share of an edge
    // that has none of its own.
    Rect rect(Rect in, double gap, double fraction) const;
    // The horizontal extent of a frame within an area, as fractions 0...1; none for an area without width.
    static std::optional<std::pair<double, double>> span(Rect of, Rect in);

    friend bool operator==(const Region&, const Region&) = default;
};

} // namespace quillmere
