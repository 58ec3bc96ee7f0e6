#pragma once

namespace quillmere {

// The padding round a display's tiles, the gap between them and the share a split gives its first child.
struct Spacing {
    double padding = 0;
    double gap = 0;
    double ratio = 0.5;

    // The automatic spacing: roomier on displays wider than 1600 points.
    static Spacing forDisplay(double width);

    friend bool operator==(const Spacing&, const Spacing&) = default;
};

} // namespace quillmere
