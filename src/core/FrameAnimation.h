#pragma once

#include "core/Geometry.h"
#include "core/WindowId.h"

#include <map>

namespace quillmere {

// The pure part of gliding windows to new frames: which windows move, and where each is at a progress.
// The caller owns the clock and asks for frames at elapsed time / duration, in steps of `step`.
struct FrameAnimation {
    struct Move {
        Rect from;
        Rect to;
        friend bool operator==(const Move&, const Move&) = default;
    };

    static constexpr double duration = 0.15;
    static constexpr double step = 1.0 / 120;

    std::map<WindowId, Move> moves;

    // Only windows in both maps whose whole-point frames differ move; their frames are kept as given.
    FrameAnimation(const std::map<WindowId, Rect>& from, const std::map<WindowId, Rect>& to);

    bool isEmpty() const { return moves.empty(); }
    // Every moving window's frame at a progress, with whole-number edges.
    std::map<WindowId, Rect> frames(double at) const;
    // A cubic ease-out over a progress clamped to 0...1: fast start, soft landing.
    static double ease(double t);
};

} // namespace quillmere
