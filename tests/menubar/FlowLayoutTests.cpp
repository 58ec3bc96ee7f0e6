#include "menubar/FlowLayout.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

std::vector<Size> items(std::initializer_list<std::pair<int, Size>> groups) {
    std::vector<Size> sizes;
    for (const auto& [count, size] : groups)
        sizes.insert(sizes.end(), static_cast<std::size_t>(count), size);
    return sizes;
}

std::vector<double> lefts(const std::vector<Rect>& frames) {
    std::vector<double> xs;
    for (const Rect& frame : frames)
        xs.push_back(frame.minX());
    return xs;
}

struct FlowCase {
    const char* name;
    std::vector<Size> items;
    double width;
    std::vector<std::vector<std::size_t>> rows;
    std::vector<double> lefts;
};

class FlowLayoutPlacement : public testing::TestWithParam<FlowCase> {};

TEST_P(FlowLayoutPlacement, RowsAndLeftEdges) {
    const FlowCase& flow = GetParam();
    const FlowLayout layout{8, true};
    EXPECT_EQ(layout.arrange(flow.items, flow.width), flow.rows);
    EXPECT_EQ(lefts(layout.place(flow.items, Rect(0, 0, flow.width, 200))), flow.lefts);
}

INSTANTIATE_TEST_SUITE_P(
    Justified, FlowLayoutPlacement,
    testing::Values(
        FlowCase{"OneRowIsPackedLeft", items({{3, {50, 20}}}), 400, {{0, 1, 2}}, {0, 58, 116}},
        // Three and one: the first row spreads over 200, the lone item stays at the left edge.
        FlowCase{"ThreeAndOne", items({{4, {60, 20}}}), 200, {{0, 1, 2}, {3}}, {0, 70, 140, 0}},
        // Three and two of equal width: the short row keeps the columns of the row above.
        FlowCase{"ThreeAndTwoLineUp", items({{5, {60, 20}}}), 200, {{0, 1, 2}, {3, 4}}, {0, 70, 140, 0, 70}},
        FlowCase{"EqualRowsBothSpread", items({{4, {60, 20}}}), 150, {{0, 1}, {2, 3}}, {0, 90, 0, 90}},
        // Five narrow above four wide: the wide row would run 17 over the edge with the inherited gap, so it
        // keeps the plain spacing.
        FlowCase{"WiderShortRowKeepsSpacing", items({{5, {65, 20}}, {4, {91, 20}}}), 412,
                 {{0, 1, 2, 3, 4}, {5, 6, 7, 8}}, {0, 86.75, 173.5, 260.25, 347, 0, 99, 198, 297}},
        FlowCase{"TooWideItemGetsItsOwnRow", items({{1, {40, 20}}, {1, {300, 20}}, {1, {40, 20}}}), 200,
                 {{0}, {1}, {2}}, {0, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FlowLayout, WantedSize) {
    const FlowLayout justified{8, true};
    const FlowLayout packed{8, false};
    EXPECT_EQ(justified.sizeThatFits({}, 300), (Size{0, 0}));
    EXPECT_EQ(justified.arrange({}, 300).size(), 1u);
    const auto four = items({{4, {60, 20}}});
    EXPECT_EQ(justified.sizeThatFits(four, std::nullopt), (Size{264, 20}));
    EXPECT_EQ(justified.sizeThatFits(four, 400), (Size{264, 20})) << "one row is as wide as its items";
    EXPECT_EQ(justified.sizeThatFits(four, 200), (Size{200, 48})) << "justified rows span the proposal";
    EXPECT_EQ(packed.sizeThatFits(four, 200), (Size{196, 48})) << "the widest row";
    EXPECT_EQ(packed.sizeThatFits(items({{1, {300, 20}}}), 200).width, 200) << "never wider than proposed";
}

TEST(FlowLayout, CentresItemsOfARowVertically) {
    const auto frames = FlowLayout{8, false}.place({{40, 10}, {40, 30}}, Rect(5, 7, 200, 100));
    EXPECT_EQ(frames[0], Rect(5, 17, 40, 10));
    EXPECT_EQ(frames[1], Rect(53, 7, 40, 30));
}

} // namespace
} // namespace quillmere
