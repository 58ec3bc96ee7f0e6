#include "core/Geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quillmere {

Rect Rect::null() {
    constexpr double infinity = std::numeric_limits<double>::infinity();
    return Rect(infinity, infinity, 0, 0);
}

bool Rect::isNull() const {
    return std::isinf(origin.x) || std::isinf(origin.y);
}

Rect Rect::standardized() const {
    if (isNull())
        return null();
    Rect result = *this;
    if (result.size.width < 0) {
        result.origin.x += result.size.width;
        result.size.width = -result.size.width;
    }
    if (result.size.height < 0) {
        result.origin.y += result.size.height;
        result.size.height = -result.size.height;
    }
    return result;
}

double Rect::width() const {
    return std::abs(size.width);
}
double Rect::height() const {
    return std::abs(size.height);
}
double Rect::minX() const {
    return std::min(origin.x, origin.x + size.width);
}
double Rect::maxX() const {
    return std::max(origin.x, origin.x + size.width);
}
double Rect::midX() const {
    return origin.x + size.width / 2;
}
double Rect::minY() const {
    return std::min(origin.y, origin.y + size.height);
}
double Rect::maxY() const {
    return std::max(origin.y, origin.y + size.height);
}
double Rect::midY() const {
    return origin.y + size.height / 2;
}

Rect Rect::integral() const {
    if (isNull())
        return null();
    const double x = std::floor(minX());
    const double y = std::floor(minY());
    return Rect(x, y, std::ceil(maxX()) - x, std::ceil(maxY()) - y);
}

Rect Rect::united(const Rect& other) const {
    if (isNull())
        return other.standardized();
    if (other.isNull())
        return standardized();
    const double x = std::min(minX(), other.minX());
    const double y = std::min(minY(), other.minY());
    return Rect(x, y, std::max(maxX(), other.maxX()) - x, std::max(maxY(), other.maxY()) - y);
}

Rect Rect::intersection(const Rect& other) const {
    if (isNull() || other.isNull())
        return null();
    const double x = std::max(minX(), other.minX());
    const double y = std::max(minY(), other.minY());
    const double right = std::min(maxX(), other.maxX());
    const double bottom = std::min(maxY(), other.maxY());
    if (right < x || bottom < y)
        return null();
    return Rect(x, y, right - x, bottom - y);
}

bool Rect::contains(Point point) const {
    if (isNull())
        return false;
    return point.x >= minX() && point.x < maxX() && point.y >= minY() && point.y < maxY();
}

Rect Rect::insetBy(double dx, double dy) const {
    if (isNull())
        return null();
    const Rect s = standardized();
    const Rect result(s.origin.x + dx, s.origin.y + dy, s.size.width - 2 * dx, s.size.height - 2 * dy);
    if (result.size.width < 0 || result.size.height < 0)
        return null();
    return result;
}

Rect Rect::offsetBy(double dx, double dy) const {
    if (isNull())
        return null();
    return Rect(origin.x + dx, origin.y + dy, size.width, size.height);
}

std::pair<Rect, Rect> Rect::split(Axis along, double ratio, double gap) const {
    const double first = std::round(ratio * (length(along) - gap));
    if (along == Axis::horizontal) {
        const Rect a(minX(), minY(), first, height());
        const double start = a.maxX() + gap;
        return {a, Rect(start, minY(), maxX() - a.maxX() - gap, height())};
    }
    const Rect a(minX(), minY(), width(), first);
    const double start = a.maxY() + gap;
    return {a, Rect(minX(), start, width(), maxY() - a.maxY() - gap)};
}

bool operator==(const Rect& a, const Rect& b) {
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    const Rect s = a.standardized();
    const Rect t = b.standardized();
    return s.origin == t.origin && s.size == t.size;
}

} // namespace quillmere
