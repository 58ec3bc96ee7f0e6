#include "core/Region.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

using enum Direction;

struct RectCase {
    const char* name;
    Region region;
    Rect area;
    double gap;
    double fraction;
    Rect expected;
};

class RegionRectTest : public testing::TestWithParam<RectCase> {};

TEST_P(RegionRectTest, SplitsTheArea) {
    const auto& c = GetParam();
    EXPECT_EQ(c.region.rect(c.area, c.gap, c.fraction), c.expected);
}

const Rect area(0, 0, 1200, 800);
const Rect offset(100, 50, 1200, 800);

Region edge(Direction d, std::optional<double> f = std::nullopt) {
    return {Region::Edge{d, f}};
}
Region corner(Direction v, Direction h) {
    return {Region::Corner{v, h}};
}
Region sixth(int column, int row) {
    return {Region::Sixth{column, row}};
}
Region column(std::optional<std::pair<double, double>> span) {
    return {Region::Column{span}};
}
const Region center{Region::Center{}};

INSTANTIATE_TEST_SUITE_P(
    Cases, RegionRectTest,
    testing::Values(
        RectCase{"CornerSouthEast", corner(south, east), area, 0, 0.5, Rect(600, 400, 600, 400)},
        RectCase{"SixthRightBottom", sixth(2, 1), area, 0, 0.5, Rect(800, 400, 400, 400)},
        RectCase{"SixthCenterBottom", sixth(1, 1), area, 0, 0.5, Rect(400, 400, 400, 400)},
        RectCase{"SixthOutsideTheGridIsTheLastCell", sixth(7, 3), area, 0, 0.5, Rect(800, 400, 400, 400)},
        RectCase{"Center", center, area, 0, 0.5, Rect(400, 0, 400, 800)},
        RectCase{"EdgeWithoutShareTakesTheFraction", edge(north), area, 0, 2.0 / 3.0, Rect(0, 0, 1200, 533)},
        RectCase{"EdgeShareBeatsTheFraction", edge(west, 0.5), area, 10, 0.25, Rect(0, 0, 595, 800)},
        RectCase{"EastTakesTheSecondPart", edge(east), area, 10, 1.0 / 3.0, Rect(803, 0, 397, 800)},
        RectCase{"SouthRoundsHalvesAway", edge(south, 0.25), area, 10, 0.5, Rect(0, 603, 1200, 197)},
        RectCase{"CornerWithGap", corner(north, west), area, 10, 0.5, Rect(0, 0, 595, 395)},
        RectCase{"SixthWithGap", sixth(0, 0), area, 10, 0.5, Rect(0, 0, 397, 395)},
        RectCase{"CenterWithGap", center, area, 10, 0.5, Rect(407, 0, 392, 800)},
        RectCase{"CornerInAnOffsetArea", corner(south, east), offset, 0, 0.5, Rect(700, 450, 600, 400)},
        RectCase{"ColumnIgnoresTheGap", column(std::pair(0.25, 0.75)), offset, 10, 0.5,
                 Rect(400, 50, 600, 800)},
        RectCase{"ColumnSnapsToTheSides", column(std::pair(0.01, 0.5)), area, 0, 0.5, Rect(0, 0, 600, 800)},
        RectCase{"ColumnWithoutSpanIsTheWholeWidth", column(std::nullopt), area, 0, 0.5, area}),
    [](const auto& info) { return std::string(info.param.name); });

struct SpanCase {
    const char* name;
    Rect frame;
    Rect area;
    std::optional<std::pair<double, double>> expected;
};

class RegionSpanTest : public testing::TestWithParam<SpanCase> {};

TEST_P(RegionSpanTest, MeasuresTheHorizontalExtent) {
    const auto& c = GetParam();
    EXPECT_EQ(Region::span(c.frame, c.area), c.expected);
}

const Rect wide(100, 0, 1000, 500);

INSTANTIATE_TEST_SUITE_P(
    Cases, RegionSpanTest,
    testing::Values(SpanCase{"Inside", Rect(350, 0, 500, 100), wide, std::pair(0.25, 0.75)},
                    SpanCase{"PastBothSides", Rect(0, 0, 2000, 10), wide, std::pair(0.0, 1.0)},
                    SpanCase{"WhollyRight", Rect(1200, 0, 100, 10), wide, std::pair(1.0, 1.0)},
                    SpanCase{"WhollyLeft", Rect(0, 0, 50, 10), wide, std::pair(0.0, 0.0)},
                    SpanCase{"AreaWithoutWidth", Rect(350, 0, 500, 100), Rect(100, 0, 0, 500), std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quillmere
