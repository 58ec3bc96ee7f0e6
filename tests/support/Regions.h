#pragma once

#include "core/Region.h"

#include <optional>
#include <utility>

// Short builders for regions in tests.
namespace quillmere::regions {

inline Region edge(Direction d, std::optional<double> fraction = std::nullopt) {
    return {Region::Edge{d, fraction}};
}
inline Region corner(Direction vertical, Direction horizontal) {
    return {Region::Corner{vertical, horizontal}};
}
inline Region sixth(int column, int row) {
    return {Region::Sixth{column, row}};
}
inline Region column(std::optional<std::pair<double, double>> span) {
    return {Region::Column{span}};
}
inline const Region center{Region::Center{}};

} // namespace quillmere::regions
