#include "menubar/PanelPlacement.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

constexpr Rect screen{0, 0, 1280, 800};
// Without the top panel of 24.
constexpr Rect visible{0, 24, 1280, 776};
constexpr Size panel{440, 300};

struct PlacementCase {
    const char* name;
    Rect item;
    Rect screen;
    Rect visible;
    Size wanted;
    Rect frame;
};

class PanelPlacementCases : public testing::TestWithParam<PlacementCase> {};

TEST_P(PanelPlacementCases, Frame) {
    const PlacementCase& placement = GetParam();
    EXPECT_EQ(PanelPlacement::frame(placement.item, placement.screen, placement.visible, placement.wanted),
              placement.frame);
}

INSTANTIATE_TEST_SUITE_P(
    Placements, PanelPlacementCases,
    testing::Values(
        PlacementCase{"CentredUnderTheItem", {600, 0, 20, 24}, screen, visible, panel, {390, 30, 440, 300}},
        PlacementCase{"FarRightStaysEightInside", {1256, 0, 20, 24}, screen, visible, panel, {832, 30, 440, 300}},
        PlacementCase{"FarLeftStaysEightInside", {2, 0, 20, 24}, screen, visible, panel, {8, 30, 440, 300}},
        // The right bound wins: the panel's left part runs off the screen.
        PlacementCase{"NarrowScreen", {200, 0, 20, 24}, {0, 0, 400, 800}, {0, 0, 400, 800}, panel,
                      {-48, 30, 440, 300}},
        PlacementCase{"BottomTrayOpensAbove", {600, 776, 20, 24}, screen, {0, 0, 1280, 776}, panel,
                      {390, 470, 440, 300}},
        PlacementCase{"NoTrayTopRightCorner", Rect(), screen, visible, panel, {832, 30, 440, 300}},
        PlacementCase{"NullTrayTopRightCorner", Rect::null(), screen, visible, panel, {832, 30, 440, 300}},
        // Too tall for the screen: capped so that the footer stays on it.
        PlacementCase{"TallPanelIsCapped", {600, 0, 20, 24}, screen, visible, {440, 2000}, {390, 30, 440, 764}},
        // A tray that leaves the visible area whole: the cap counts from where the panel begins.
        PlacementCase{"TallPanelUnderATrayOverTheVisibleArea", {600, 0, 20, 24}, screen, screen, {440, 2000},
                      {390, 30, 440, 764}},
        PlacementCase{"TallPanelUnderALowTray", {600, 40, 20, 24}, screen, visible, {440, 2000},
                      {390, 70, 440, 724}},
        PlacementCase{"TallPanelOverABottomTrayOverTheVisibleArea", {600, 776, 20, 24}, screen, screen, {440, 2000},
                      {390, 6, 440, 764}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quillmere
