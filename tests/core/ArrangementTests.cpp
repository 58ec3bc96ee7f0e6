#include "core/Arrangement.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

using Rows = std::vector<std::vector<std::size_t>>;

struct RowsCase {
    const char* name;
    std::vector<Rect> frames;
    Rows rows;
};

class RowsTest : public testing::TestWithParam<RowsCase> {};

TEST_P(RowsTest, GroupsDisplaysThatOverlapVertically) {
    EXPECT_EQ(Arrangement::rows(GetParam().frames), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RowsTest,
    testing::Values(RowsCase{"sideBySide", {{0, 0, 100, 100}, {100, 50, 100, 100}}, {{0, 1}}},
                    RowsCase{"touchingEdgesAreTwoRows", {{0, 0, 100, 100}, {0, 100, 100, 100}}, {{0}, {1}}},
                    RowsCase{"topmostRowFirstEachLeftToRight",
                             {{200, 300, 100, 100}, {100, 300, 100, 100}, {0, 0, 100, 100}},
                             {{2}, {1, 0}}},
                    // The lower left display overlaps only the tall one, which already joined the first row.
                    RowsCase{"joinsThroughAnyMember",
                             {{0, 0, 100, 100}, {0, 150, 100, 100}, {200, 50, 100, 150}},
                             {{0, 1, 2}}},
                    RowsCase{"empty", {}, {}}),
    [](const auto& info) { return info.param.name; });

TEST(FitTest, ScalesToTouchOneAxisAndCentresOnTheOther) {
    EXPECT_EQ(Arrangement::fit({{0, 0, 400, 200}}, {100, 100}), (std::vector<Rect>{{0, 25, 100, 50}}));
    EXPECT_EQ(Arrangement::fit({{-100, 0, 100, 100}, {0, 50, 100, 100}}, {400, 300}),
              (std::vector<Rect>{{0, 0, 200, 200}, {200, 100, 200, 200}}));
}

TEST(FitTest, FramesWithoutExtentComeBackUnchanged) {
    const std::vector<Rect> flat{{0, 0, 100, 0}, {100, 0, 50, 0}};
    EXPECT_EQ(Arrangement::fit(flat, {100, 100}), flat);
    EXPECT_TRUE(Arrangement::fit({}, {100, 100}).empty());
}

} // namespace
} // namespace quillmere
