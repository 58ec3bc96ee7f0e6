#include "core/FrameAnimation.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

#include <limits>

namespace quillmere {
namespace {

using Frames = std::map<WindowId, Rect>;

TEST(FrameAnimationTest, EaseIsACubicEaseOutOverAClampedProgress) {
    struct Case {
        double t;
        double eased;
    };
    for (const Case& c : {Case{0, 0}, Case{0.5, 0.875}, Case{1, 1}, Case{-1, 0}, Case{2, 1}, Case{0.25, 0.578125},
                          Case{std::numeric_limits<double>::quiet_NaN(), 0}})
        EXPECT_EQ(FrameAnimation::ease(c.t), c.eased) << c.t;
}

TEST(FrameAnimationTest, TimingConstants) {
    EXPECT_EQ(FrameAnimation::duration, 0.15);
    EXPECT_EQ(FrameAnimation::step, 1.0 / 120);
}

TEST(FrameAnimationTest, OnlyWindowsInBothMapsWhoseWholePointFramesDifferMove) {
    const Frames before{{1, {0, 0, 100.4, 100}}, {2, {0, 0, 100, 100}}, {3, {10, 10, 50, 50}}, {4, {0, 0, 10, 10}}};
    const Frames after{{1, {0, 0, 100.3, 100}}, {2, {100, 0, 100, 100}}, {3, {10, 10, 50, 50}}, {5, {0, 0, 10, 10}}};
    const FrameAnimation animation(before, after);
    const std::map<WindowId, FrameAnimation::Move> moves{{2, {{0, 0, 100, 100}, {100, 0, 100, 100}}}};
    EXPECT_EQ(animation.moves, moves);
    EXPECT_FALSE(animation.isEmpty());

    // Frames are kept as given, not made integral, until a frame is asked for.
    const FrameAnimation fractional(Frames{{7, {0.5, 0, 10, 10}}}, Frames{{7, {20.25, 0, 10, 10}}});
    EXPECT_EQ(fractional.moves.at(7).from, Rect(0.5, 0, 10, 10));
    EXPECT_EQ(fractional.moves.at(7).to, Rect(20.25, 0, 10, 10));
}

TEST(FrameAnimationTest, SubPointChangesAloneMakeAnEmptyAnimation) {
    const FrameAnimation animation(Frames{{1, {0, 0, 100.4, 100}}}, Frames{{1, {0, 0, 100.3, 100}}, {2, {0, 0, 5, 5}}});
    EXPECT_TRUE(animation.isEmpty());
    EXPECT_TRUE(animation.frames(0.5).empty());
}

TEST(FrameAnimationTest, FramesRunFromTheIntegralBeforeToTheIntegralAfterFrame) {
    const FrameAnimation animation(Frames{{1, {0, 0, 100, 100}}, {2, {0.5, 10, 300.2, -200}}},
                                   Frames{{1, {100, 0, 100, 100}}, {2, {50, 20.7, 400, 100}}});
    EXPECT_EQ(animation.frames(0), (Frames{{1, {0, 0, 100, 100}}, {2, Rect(0.5, -190, 300.2, 200).integral()}}));
    EXPECT_EQ(animation.frames(1), (Frames{{1, {100, 0, 100, 100}}, {2, {50, 20, 400, 101}}}));
    // Halfway in time is seven eighths of the way: x = 87.5, widened to whole points.
    EXPECT_EQ(animation.frames(0.5).at(1), Rect(87, 0, 101, 100));
    EXPECT_EQ(animation.frames(-3), animation.frames(0));
    EXPECT_EQ(animation.frames(7), animation.frames(1));
}

} // namespace
} // namespace quillmere
