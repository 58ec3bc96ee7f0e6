#include "profiles/MenuPlacement.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

struct PlacementCase {
    std::string name;
    QRect anchor;
    QRect expected;
};

class MenuPlacementTest : public testing::TestWithParam<PlacementCase> {};

// A window of 800 × 600 at (100, 50) and a menu of 240 × 200.
TEST_P(MenuPlacementTest, staysInsideTheWindow) {
    const QRect window(100, 50, 800, 600);
    const QRect placed = menuPlacement(QSize(240, 200), GetParam().anchor, window);
    EXPECT_EQ(placed, GetParam().expected);
    EXPECT_TRUE(window.contains(placed));
}

INSTANTIATE_TEST_SUITE_P(
    MenuPlacement, MenuPlacementTest,
    testing::Values(PlacementCase{"underTheTileWhenThereIsRoom", QRect(300, 100, 200, 100), QRect(279, 204, 240, 200)},
                    PlacementCase{"overTheTileNearTheBottom", QRect(300, 400, 200, 200), QRect(279, 196, 240, 200)},
                    PlacementCase{"insideATileAsTallAsTheWindow", QRect(300, 50, 200, 600), QRect(279, 50, 240, 200)},
                    PlacementCase{"awayFromTheLeftEdge", QRect(100, 100, 100, 100), QRect(100, 204, 240, 200)},
                    PlacementCase{"awayFromTheRightEdge", QRect(850, 100, 50, 50), QRect(660, 154, 240, 200)}),
    [](const testing::TestParamInfo<PlacementCase>& info) { return info.param.name; });

} // namespace
} // namespace quillmere
