#pragma once

#include "core/Direction.h"

#include <utility>

namespace quillmere {

struct Point {
    double x = 0;
    double y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    double width = 0;
    double height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// A rectangle in global screen points, origin top left, with the Core Graphics rules: every accessor reads
// the standardised rectangle (a negative width is a positive one with the origin moved), and the null
// rectangle (an infinite origin) is the identity of union and the answer of an empty intersection.
struct Rect {
    Point origin;
    Size size;

    constexpr Rect() = default;
    constexpr Rect(double x, double y, double width, double height) : origin{x, y}, size{width, height} {}
    constexpr Rect(Point origin, Size size) : origin(origin), size(size) {}

    static Rect null();
    bool isNull() const;

    double width() const;
    double height() const;
    double minX() const;
    double maxX() const;
    double midX() const;
    double minY() const;
    double maxY() const;
    double midY() const;
    double length(Axis axis) const { return axis == Axis::horizontal ? width() : height(); }
    double area() const { return width() * height(); }
    Point center() const { return {midX(), midY()}; }

    Rect standardized() const;
    // The smallest rectangle with whole-number edges that contains this one.
    Rect integral() const;
    Rect united(const Rect& other) const;
    Rect intersection(const Rect& other) const;
    // Half-open: the min edges belong to the rectangle, the max edges do not.
    bool contains(Point point) const;
    Rect insetBy(double dx, double dy) const;
    Rect offsetBy(double dx, double dy) const;

    // The one rule by which every tiled rectangle is computed: the first part gets
    // round(ratio × (length − gap)) points, halves away from zero, then the gap, and the second part the
    // rest.
    std::pair<Rect, Rect> split(Axis along, double ratio, double gap) const;

    // Core Graphics equality: standardised rectangles compared, every null rectangle equal to every other.
    friend bool operator==(const Rect& a, const Rect& b);
};

// The axis a tile is best split across: its longer side, horizontal when the sides are equal.
inline Axis preferredAxis(Rect rect) {
    return rect.width() >= rect.height() ? Axis::horizontal : Axis::vertical;
}

} // namespace quillmere
