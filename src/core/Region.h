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
        friend bool operator==(const Sixth&, const Sixth&) = default;
    };
    // A full-height band between two fractions of the width.
    struct Column {
        std::optional<std::pair<double, double>> span;
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

    friend bool operator==(const Region&, const Region&) = default;
};

} // namespace quillmere
