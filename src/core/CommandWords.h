#pragma once

#include "core/Direction.h"
#include "core/Rotation.h"

#include <array>
#include <optional>
#include <string_view>
#include <utility>

namespace quillmere::commandWords {

// The word tables of the command language, shared by its parser and printer.

constexpr std::array<std::pair<std::string_view, Direction>, 4> directions{{
    {"west", Direction::west},
    {"east", Direction::east},
    {"north", Direction::north},
    {"south", Direction::south},
}};

constexpr std::array<std::pair<std::string_view, Rotation>, 3> rotations{{
    {"90", Rotation::quarter},
    {"180", Rotation::half},
    {"270", Rotation::threeQuarter},
}};

// The edge words of a region ("place left"), read and written through this one table.
constexpr std::array<std::pair<std::string_view, Direction>, 4> edges{{
    {"left", Direction::west},
    {"right", Direction::east},
    {"top", Direction::north},
    {"bottom", Direction::south},
}};

constexpr std::array<std::pair<std::string_view, bool>, 2> steps{{
    {"next", true},
    {"prev", false},
}};

template <typename Value, std::size_t count>
constexpr std::optional<Value> read(const std::array<std::pair<std::string_view, Value>, count>& table,
                                    std::string_view word) {
    for (const auto& [tableWord, value] : table)
        if (tableWord == word)
            return value;
    return std::nullopt;
}

template <typename Value, std::size_t count>
constexpr std::string_view write(const std::array<std::pair<std::string_view, Value>, count>& table,
                                 Value value) {
    for (const auto& [word, tableValue] : table)
        if (tableValue == value)
            return word;
    return "";
}

} // namespace quillmere::commandWords
