#include "platform/ManualMainQueue.h"
#include "platform/qt/ScreensLayout.h"
#include "platform/sim/SimulatedScenario.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

ScreensPicture twoDisplays() {
    ScreensPicture picture;
    picture.displays = {{1, "Built-in", Rect(0, 0, 1512, 982), Rect(0, 0, 1512, 25), "Space 1 of 3", true},
                        {2, "Studio", Rect(1512, 0, 2560, 1440), Rect(1512, 0, 2560, 25), "Space 1 of 2", false}};
    picture.windows = {{100, "Start Page", "Safari", Rect(40, 60, 900, 700), false},
                       {103, "Inbox", "Mail", Rect(1700, 120, 1200, 800), false},
                       {104, "Groceries", "Notes", Rect(2500, 500, 700, 600), true}};
    return picture;
}

TEST(ScreensLayout, ShowsEveryDisplayToOneScaleCentredInTheView) {
    const ScreensPicture picture = twoDisplays();
    // 4072 × 1440 points into 1018 × 368 within the margins and under the labels: a quarter, limited by the
    // width.
    const ScreensLayout layout(picture, {1050, 424});
    EXPECT_EQ(layout.scale(), 0.25);
    EXPECT_EQ(layout.toView(picture.displays[0].bounds), Rect(16, 44, 378, 245.5));
    EXPECT_EQ(layout.toView(picture.displays[1].bounds), Rect(394, 44, 640, 360));
    EXPECT_EQ(layout.toView(picture.displays[1].menuBar), Rect(394, 44, 640, 6.25));
    EXPECT_EQ(layout.toView(picture.windows[1].frame), Rect(441, 74, 300, 200));
    EXPECT_EQ(layout.toGlobal({394, 44}), (Point{1512, 0}));
    EXPECT_EQ(layout.toGlobal({441, 74}), (Point{1700, 120}));
}

TEST(ScreensLayout, FindsTheFrontMostWindowUnderAPoint) {
    const ScreensPicture picture = twoDisplays();
    const ScreensLayout layout(picture, {1050, 424});
    // Inbox spans 441 to 741 across, Groceries (in front) 641 to 816 from 169 down.
    EXPECT_EQ(layout.windowAt({450, 84}), 103u);
    EXPECT_EQ(layout.windowAt({700, 184}), 104u);
    EXPECT_EQ(layout.windowAt({700, 124}), 103u);
    EXPECT_EQ(layout.windowAt({1040, 414}), std::nullopt);
}

TEST(ScreensPicture, ShowsTheShownSpacesWindowsBackToFrontWithTheFocusedOne) {
    ManualMainQueue queue;
    SimulatedDesktop desktop(queue);
    SimulatedScenario::builtIn().applyTo(desktop);
    desktop.focus(101);

    const ScreensPicture picture = ScreensPicture::of(desktop);
    ASSERT_EQ(picture.displays.size(), 2u);
    EXPECT_EQ(picture.displays[0].name, "Built-in Retina Display");
    EXPECT_EQ(picture.displays[0].menuBar, Rect(0, 0, 1512, 25));
    EXPECT_EQ(picture.displays[1].spaceLabel, "Space 1 of 2");
    EXPECT_TRUE(picture.displays[0].active);
    std::vector<std::string> windows;
    for (const auto& window : picture.windows)
        windows.push_back(window.title + (window.focused ? " (focused)" : ""));
    EXPECT_EQ(windows, (std::vector<std::string>{"Start Page", "zsh — 80×24", "Inbox", "Groceries",
                                                 "Release Notes (focused)"}));
    EXPECT_TRUE(picture.panels.empty());
}

} // namespace
} // namespace quillmere
