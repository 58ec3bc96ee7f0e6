#include "core/FrameAnimation.h"

namespace quillmere {

FrameAnimation::FrameAnimation(const std::map<WindowId, Rect>& from, const std::map<WindowId, Rect>& to) {
    for (const auto& [id, after] : to) {
        const auto before = from.find(id);
        if (before != from.end() && before->second.integral() != after.integral())
            moves.emplace(id, Move{before->second, after});
    }
}

std::map<WindowId, Rect> FrameAnimation::frames(double at) const {
    const double e = ease(at);
    const auto between = [e](double from, double to) { return from + e * (to - from); };
    std::map<WindowId, Rect> result;
    for (const auto& [id, move] : moves) {
        const Rect& a = move.from;
        const Rect& b = move.to;
        result.emplace(id, Rect(between(a.minX(), b.minX()), between(a.minY(), b.minY()),
                                between(a.width(), b.width()), between(a.height(), b.height()))
                               .integral());
    }
    return result;
}

double FrameAnimation::ease(double t) {
    // Written so that a progress that is not a number counts as not started rather than spreading into frames.
    if (!(t > 0))
        return 0;
    if (t > 1)
        return 1;
    const double rest = 1 - t;
    return 1 - rest * rest * rest;
}

} // namespace quillmere
