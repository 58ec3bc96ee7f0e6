#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quillmere {

// How a split divides its area: side by side (the width) or one above the other (the height).
enum class Axis { horizontal, vertical };

constexpr Axis flipped(Axis axis) {
    return axis == Axis::horizontal ? Axis::vertical : Axis::horizontal;
}

// The stored text of an axis, as documents write it.
constexpr std::string_view text(Axis axis) {
    return axis == Axis::horizontal ? "horizontal" : "vertical";
}

constexpr std::optional<Axis> parseAxis(std::string_view text) {
    if (text == "horizontal")
        return Axis::horizontal;
    if (text == "vertical")
        return Axis::vertical;
    return std::nullopt;
}

// Screen directions; y grows downward, so north is toward smaller y.
enum class Direction { west, east, north, south };

constexpr std::array<Direction, 4> allDirections{Direction::west, Direction::east, Direction::north,
                                                 Direction::south};

// True for the directions toward smaller coordinates.
constexpr bool isLeading(Direction direction) {
    return direction == Direction::west || direction == Direction::north;
}

constexpr Axis axisOf(Direction direction) {
    return direction == Direction::west || direction == Direction::east ? Axis::horizontal : Axis::vertical;
}

} // namespace quillmere
