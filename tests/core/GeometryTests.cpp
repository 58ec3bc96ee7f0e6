#include "core/Geometry.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

struct SplitCase {
    Rect rect;
    Axis axis;
    double ratio;
    double gap;
    Rect first;
    Rect second;
};

class SplitTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitTest, FirstPartIsRoundedAwayFromZeroAndSecondTakesTheRest) {
    const auto& c = GetParam();
    const auto [first, second] = c.rect.split(c.axis, c.ratio, c.gap);
    EXPECT_EQ(first, c.first);
    EXPECT_EQ(second, c.second);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitTest,
    testing::Values(
        SplitCase{{0, 0, 1001, 600}, Axis::horizontal, 0.5, 10, {0, 0, 496, 600}, {506, 0, 495, 600}},
        SplitCase{{0, 0, 999, 600}, Axis::horizontal, 0.5, 10, {0, 0, 495, 600}, {505, 0, 494, 600}},
        SplitCase{{0, 0, 800, 601}, Axis::vertical, 0.5, 0, {0, 0, 800, 301}, {0, 301, 800, 300}},
        SplitCase{{0, 0, 800, 600}, Axis::horizontal, 1, 0, {0, 0, 800, 600}, {800, 0, 0, 600}},
        SplitCase{{100, 50, 1000, 600}, Axis::vertical, 0.3, 10, {100, 50, 1000, 177}, {100, 237, 1000, 413}},
        // A negative ratio gives a first part of negative length, read standardised.
        SplitCase{{0, 0, 100, 100}, Axis::horizontal, -0.5, 0, {-50, 0, 50, 100}, {0, 0, 100, 100}}));

TEST(RectTest, AccessorsReadTheStandardisedRectangle) {
    const Rect r(100, 100, -40, -20);
    EXPECT_EQ(r.width(), 40);
    EXPECT_EQ(r.height(), 20);
    EXPECT_EQ(r.minX(), 60);
    EXPECT_EQ(r.maxX(), 100);
    EXPECT_EQ(r.minY(), 80);
    EXPECT_EQ(r.maxY(), 100);
    EXPECT_EQ(r, Rect(60, 80, 40, 20));
}

TEST(RectTest, NullIsTheIdentityOfUnionAndTheAnswerOfAnEmptyIntersection) {
    const Rect a(0, 0, 10, 10);
    EXPECT_EQ(Rect::null().united(a), a);
    EXPECT_EQ(a.united(Rect::null()), a);
    EXPECT_TRUE(a.intersection(Rect(20, 20, 5, 5)).isNull());
    EXPECT_EQ(Rect::null().width(), 0);
    EXPECT_EQ(a.intersection(Rect(5, 5, 10, 10)), Rect(5, 5, 5, 5));
    // Touching edges meet in an empty rectangle, which is not null.
    EXPECT_FALSE(a.intersection(Rect(10, 0, 5, 5)).isNull());
    EXPECT_EQ(a.united(Rect(20, 30, 5, 5)), Rect(0, 0, 25, 35));
}

TEST(RectTest, IntegralTakesFloorOfMinEdgesAndCeilOfMaxEdges) {
    EXPECT_EQ(Rect(0.5, 1.2, 10.2, 3.3).integral(), Rect(0, 1, 11, 4));
    EXPECT_EQ(Rect(-0.5, -0.5, 1, 1).integral(), Rect(-1, -1, 2, 2));
    EXPECT_TRUE(Rect::null().integral().isNull());
}

TEST(RectTest, ContainsIsHalfOpen) {
    const Rect r(0, 0, 10, 10);
    EXPECT_TRUE(r.contains(Point{0, 0}));
    EXPECT_TRUE(r.contains(Point{9.99, 9.99}));
    EXPECT_FALSE(r.contains(Point{10, 5}));
    EXPECT_FALSE(r.contains(Point{5, 10}));
    EXPECT_FALSE(Rect::null().contains(Point{0, 0}));
}

TEST(DirectionTest, LeadingAxisAndFlip) {
    EXPECT_TRUE(isLeading(Direction::west));
    EXPECT_TRUE(isLeading(Direction::north));
    EXPECT_FALSE(isLeading(Direction::east));
    EXPECT_FALSE(isLeading(Direction::south));
    EXPECT_EQ(axisOf(Direction::east), Axis::horizontal);
    EXPECT_EQ(axisOf(Direction::south), Axis::vertical);
    EXPECT_EQ(flipped(Axis::horizontal), Axis::vertical);
}

TEST(DirectionTest, AxisTextsRoundTripAndNothingElseParses) {
    EXPECT_EQ(parseAxis(text(Axis::horizontal)), Axis::horizontal);
    EXPECT_EQ(parseAxis(text(Axis::vertical)), Axis::vertical);
    for (const char* other : {"Horizontal", "", "horizontal ", "h"})
        EXPECT_EQ(parseAxis(other), std::nullopt) << other;
}

} // namespace
} // namespace quillmere
