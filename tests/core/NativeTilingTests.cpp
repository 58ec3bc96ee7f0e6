#include "core/NativeTiling.h"
#include "support/Printers.h"
#include "support/Trees.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quillmere {
namespace {

using namespace trees;
using enum Direction;

// ---- classify ----

struct ClassifyCase {
    const char* name;
    Rect frame;
    Rect area;
    double tolerance;
    std::optional<NativeTile> expected;
};

class NativeTilingClassifyTest : public testing::TestWithParam<ClassifyCase> {};

TEST_P(NativeTilingClassifyTest, RecognisesHalvesQuartersAndFill) {
    const auto& c = GetParam();
    EXPECT_EQ(NativeTiling::classify(c.frame, c.area, c.tolerance), c.expected);
}

const Rect visible(0, 25, 1440, 875);
constexpr double standard = NativeTiling::tolerance;

NativeTile half(Direction d) {
    return {Region{Region::Edge{d, 0.5}}};
}
NativeTile quarter(Direction v, Direction h) {
    return {Region{Region::Corner{v, h}}};
}
const NativeTile fill{NativeTile::Fill{}};

INSTANTIATE_TEST_SUITE_P(
    Cases, NativeTilingClassifyTest,
    testing::Values(
        ClassifyCase{"West", Rect(0, 25, 720, 875), visible, standard, half(west)},
        ClassifyCase{"East", Rect(720, 25, 720, 875), visible, standard, half(east)},
        ClassifyCase{"North", Rect(0, 25, 1440, 437), visible, standard, half(north)},
        ClassifyCase{"South", Rect(0, 462, 1440, 438), visible, standard, half(south)},
        ClassifyCase{"NorthWest", Rect(0, 25, 720, 437), visible, standard, quarter(north, west)},
        ClassifyCase{"NorthEast", Rect(720, 25, 720, 437), visible, standard, quarter(north, east)},
        ClassifyCase{"SouthWest", Rect(0, 462, 720, 438), visible, standard, quarter(south, west)},
        ClassifyCase{"SouthEastWithinTolerance", Rect(725, 460, 715, 440), visible, standard,
                     quarter(south, east)},
        ClassifyCase{"Fill", visible, visible, standard, fill},
        ClassifyCase{"NeitherHalfNorWhole", Rect(100, 25, 700, 875), visible, standard, std::nullopt},
        ClassifyCase{"WiderToleranceAccepts", Rect(100, 25, 1340, 875), visible, 0.1, fill},
        ClassifyCase{"AreaWithoutWidth", Rect(0, 25, 0, 875), Rect(0, 25, 0, 875), standard, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- tree(from:) ----

struct TreeCase {
    const char* name;
    FrameMap frames;
    double tolerance;
    std::optional<Node> expected;
};

class NativeTilingTreeTest : public testing::TestWithParam<TreeCase> {};

TEST_P(NativeTilingTreeTest, RebuildsTheTreeFromFrames) {
    const auto& c = GetParam();
    const auto tree = NativeTiling::tree(c.frames, c.tolerance);
    if (!c.expected) {
        EXPECT_EQ(tree, std::nullopt);
        return;
    }
    ASSERT_TRUE(tree);
    EXPECT_TRUE(matches(tree->root, *c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NativeTilingTreeTest,
    testing::Values(
        TreeCase{"CutMidwayAcrossTheGap",
                 {{1, Rect(0, 0, 495, 600)}, {2, Rect(505, 0, 495, 600)}},
                 12,
                 h(0.5, tile({1}), tile({2}))},
        TreeCase{"CutInTheMiddleOfTheGap",
                 {{1, Rect(0, 0, 380, 600)}, {2, Rect(400, 0, 600, 600)}},
                 25,
                 h(0.39, tile({1}), tile({2}))},
        TreeCase{"HalfAndTwoQuarters",
                 {{1, Rect(0, 0, 500, 600)}, {2, Rect(500, 300, 500, 300)}, {3, Rect(500, 0, 500, 300)}},
                 12,
                 h(0.5, tile({1}), v(0.5, tile({3}), tile({2})))},
        TreeCase{"RowAboveAWideFrame",
                 {{1, Rect(0, 0, 500, 500)}, {2, Rect(500, 0, 500, 500)}, {3, Rect(0, 500, 1000, 500)}},
                 0,
                 v(0.5, h(0.5, tile({1}), tile({2})), tile({3}))},
        TreeCase{"HorizontalCutSnapsToThreeQuarters",
                 {{1, Rect(0, 0, 1000, 745)}, {2, Rect(0, 755, 1000, 245)}},
                 12,
                 v(0.75, tile({1}), tile({2}))},
        TreeCase{"SnapsToOneThird",
                 {{1, Rect(0, 0, 340, 600)}, {2, Rect(340, 0, 660, 600)}},
                 0,
                 h(1.0 / 3.0, tile({1}), tile({2}))},
        TreeCase{"FarFromAShareStays",
                 {{1, Rect(0, 0, 360, 600)}, {2, Rect(360, 0, 640, 600)}},
                 0,
                 h(0.36, tile({1}), tile({2}))},
        TreeCase{"ClampedUp",
                 {{1, Rect(0, 0, 50, 600)}, {2, Rect(50, 0, 950, 600)}},
                 0,
                 h(0.1, tile({1}), tile({2}))},
        TreeCase{"ClampedDown",
                 {{1, Rect(0, 0, 950, 600)}, {2, Rect(950, 0, 50, 600)}},
                 0,
                 h(0.9, tile({1}), tile({2}))},
        TreeCase{"IdenticalFramesStackLowerIdFirst",
                 {{5, Rect(0, 0, 100, 100)}, {3, Rect(0, 0, 100, 100)}},
                 0,
                 tile({3, 5})},
        TreeCase{"NearlyIdenticalFramesStackTopFirst",
                 {{1, Rect(48, 3, 100, 100)}, {2, Rect(50, 0, 100, 100)}},
                 5,
                 tile({2, 1})},
        TreeCase{"AFrameInBothGroupsIsNoCut",
                 {{1, Rect(0, 0, 500, 100)},
                  {2, Rect(510, 0, 490, 100)},
                  {3, Rect(495, 200, 10, 100)},
                  {4, Rect(0, 300, 1000, 100)}},
                 20,
                 v(0.375, h(0.5, tile({1}), tile({2})), v(0.5, tile({3}), tile({4})))},
        TreeCase{"OverlappingFramesGiveNone",
                 {{1, Rect(0, 0, 600, 600)}, {2, Rect(400, 0, 600, 600)}},
                 12,
                 std::nullopt},
        TreeCase{"OneFrame", {{7, Rect(10, 10, 100, 100)}}, 12, tile({7})},
        TreeCase{"AFrameThatIsNoNumberGivesNone",
                 {{1, Rect(0, 0, 500, 600)}, {2, Rect(std::nan(""), 0, 500, 600)}},
                 12,
                 std::nullopt},
        TreeCase{"NoFrames", {}, 12, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- covers ----

TEST(NativeTilingCovers, AddsTheFramesPartsInsideTheArea) {
    const Rect area(0, 0, 1000, 1000);
    const Rect left(0, 0, 500, 1000), right(500, 0, 500, 1000);
    const struct {
        std::vector<Rect> frames;
        Rect area;
        bool expected;
    } cases[] = {
        {{left, right}, area, true},
        {{left}, area, false},
        {{left, left}, area, true},
        {{left, Rect(500, 0, 350, 1000)}, area, true},
        {{Rect(-1000, 0, 1500, 1000)}, area, false},
        {{left, Rect(2000, 2000, 900, 900)}, area, false},
        {{left, right}, Rect(0, 0, 0, 1000), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NativeTiling::covers(c.frames, c.area, 0.85), c.expected) << c.frames.size();
}

} // namespace
} // namespace quillmere
