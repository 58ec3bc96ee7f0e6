#include "core/Overloaded.h"
#include "core/Region.h"

#include <algorithm>

namespace quillmere {

namespace {

Rect part(const std::pair<Rect, Rect>& parts, bool first) {
    return first ? parts.first : parts.second;
}

} // namespace

int Region::Sixth::cell() const {
    const int c = column == 0 || column == 1 ? column : 2;
    return 2 * c + (row == 0 ? 0 : 1);
}

std::pair<double, double> Region::Column::bounds() const {
    auto [lower, upper] = span.value_or(std::pair(0.0, 1.0));
    if (lower < 0.02)
        lower = 0;
    if (upper > 0.98)
        upper = 1;
    return {lower, upper};
}

Rect Region::rect(Rect in, double gap, double fraction) const {
    return std::visit(
        Overloaded{
            [&](const Edge& edge) {
                const double share = edge.fraction.value_or(fraction);
                const bool leading = isLeading(edge.direction);
                return part(in.split(axisOf(edge.direction), leading ? share : 1 - share, gap), leading);
            },
            [&](const Corner& corner) {
                const Rect column =
                    part(in.split(Axis::horizontal, 0.5, gap), corner.horizontal == Direction::west);
                return part(column.split(Axis::vertical, 0.5, gap), corner.vertical == Direction::north);
            },
            [&](const Sixth& sixth) {
                const auto [first, rest] = in.split(Axis::horizontal, 1.0 / 3.0, gap);
                const auto [second, third] = rest.split(Axis::horizontal, 0.5, gap);
                const int cell = sixth.cell();
                const Rect columns[] = {first, second, third};
                return part(columns[cell / 2].split(Axis::vertical, 0.5, gap), cell % 2 == 0);
            },
            [&](const Column& column) {
                const auto [lower, upper] = column.bounds();
                return Rect(in.minX() + lower * in.width(), in.minY(), (upper - lower) * in.width(),
                            in.height());
            },
            [&](const Center&) {
                const Rect rest = in.split(Axis::horizontal, 1.0 / 3.0, gap).second;
                return rest.split(Axis::horizontal, 0.5, gap).first;
            },
        },
        value);
}

std::optional<std::pair<double, double>> Region::span(Rect of, Rect in) {
    // The fractions of an area without width are not numbers.
    if (in.width() == 0)
        return std::nullopt;
    double lower = (of.minX() - in.minX()) / in.width();
    lower = lower <= 0 ? 0 : lower > 1 ? 1 : lower;
    const double upper = std::clamp((of.maxX() - in.minX()) / in.width(), lower, 1.0);
    return std::pair(lower, upper);
}

} // namespace quillmere
