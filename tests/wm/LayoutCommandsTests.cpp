#include "support/CommandedDesktop.h"
#include "support/Layouts.h"
#include "support/Printers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillmere {
namespace {

using testing::UnorderedElementsAre;

// Three editor windows tiled on the only Desktop of a 1440 x 900 display, the first one focused.
struct ThreeEditors : CommandedDesktop {
    ThreeEditors() {
        start();
        click(first);
    }
    const SpaceLayout& layout() { return *probe().layout(space); }
    std::map<WindowId, Rect> frames() {
        std::map<WindowId, Rect> result;
        for (WindowId window : {first, second, third})
            if (const auto frame = desktop.frame(window))
                result.emplace(window, *frame);
        return result;
    }
    // The area windows are laid out in: the visible frame inset by the padding, 5 points under 1600 wide.
    Rect area() { return manager().visibleArea(space)->insetBy(5, 5); }

    const DisplayId main = desktop.addDisplay({.name = "Main", .bounds = {0, 0, 1440, 900}});
    const SpaceId space = desktop.currentSpace(main);
    const std::int32_t editor = launch("Editor");
    const WindowId first = open(editor, {.frame = {100, 100, 500, 400}});
    const WindowId second = open(editor, {.frame = {200, 100, 500, 400}});
    const WindowId third = open(editor, {.frame = {300, 100, 500, 400}, .closeButton = false});
};

class LayoutCommandsTest : public testing::Test, public ThreeEditors {};

TEST_F(LayoutCommandsTest, RestoreUndoesARunOfResizesUntilAnotherChangeEndsIt) {
    struct Case {
        std::vector<std::string> commands;
        // The step whose tree and frames restore gives back; 0 is the start.
        std::size_t restoresTo;
    };
    const std::vector<Case> cases{
        {{"grow", "grow"}, 0},
        {{"shrink"}, 0},
        {{"grow", "swap west"}, 2},
        {{"grow", "balance"}, 2},
    };
    for (const Case& c : cases) {
        ThreeEditors world;
        SCOPED_TRACE(testing::PrintToString(c.commands));
        std::vector<BSPTree> trees{world.layout().tree};
        std::vector<std::map<WindowId, Rect>> frames{world.frames()};
        for (const std::string& command : c.commands) {
            world.run(command);
            trees.push_back(world.layout().tree);
            frames.push_back(world.frames());
            EXPECT_NE(trees.back(), trees[trees.size() - 2]) << command << " changed nothing";
        }

        world.run("restore");

        EXPECT_EQ(world.layout().tree, trees[c.restoresTo]);
        EXPECT_EQ(world.frames(), frames[c.restoresTo]);
    }
}

TEST_F(LayoutCommandsTest, PlacingAFloatingWindowOnAnEdgeStepsThroughTheSharesAndBack) {
    run("float");
    ASSERT_TRUE(layout().floating.contains(first));
    const Region west{Region::Edge{Direction::west, std::nullopt}};

    for (double share : {1.0 / 2, 2.0 / 3, 1.0 / 3, 1.0 / 2}) {
        run("place left");
        EXPECT_EQ(desktop.frame(first)->integral(), west.rect(area(), 5, share).integral()) << share;
    }
    EXPECT_TRUE(layout().floating.contains(first)) << "placing a floating window leaves the layout alone";
}

TEST_F(LayoutCommandsTest, PlacingATiledWindowIsASizingRunThatRestoreUndoes) {
    const BSPTree before = layout().tree;
    run("place left 2/3");
    EXPECT_EQ(desktop.frame(first)->minX(), area().minX());
    EXPECT_GT(desktop.frame(first)->width(), area().width() / 2);
    run("restore");
    EXPECT_EQ(layout().tree, before);
}

TEST_F(LayoutCommandsTest, CloseAsksTheWindowsOwnButton) {
    run("close");
    EXPECT_FALSE(desktop.frame(first)) << "the window with a button closed";
    EXPECT_THAT(layout().tree.windows(), UnorderedElementsAre(second, third));

    click(third);
    run("close");
    EXPECT_TRUE(desktop.frame(third)) << "a window without a close button stays";
    EXPECT_THAT(layout().tree.windows(), UnorderedElementsAre(second, third));
}

TEST_F(LayoutCommandsTest, WhilePausedOnlyThePauseCommandRuns) {
    const auto westOfFirst = layout().neighbor(first, Direction::west, area());
    ASSERT_TRUE(westOfFirst);

    run("pause");
    ASSERT_TRUE(manager().pausedByHand());
    const BSPTree paused = layout().tree;
    for (const char* command : {"focus west", "swap west", "balance", "send display next"}) {
        run(command);
        EXPECT_TRUE(managed.logged(std::string(command) + ": paused")) << command;
    }
    EXPECT_EQ(keyWindowOf(editor), first);
    EXPECT_EQ(layout().tree, paused);

    run("pause");
    EXPECT_FALSE(manager().pausedByHand());
    run("focus west");
    EXPECT_EQ(keyWindowOf(editor), *westOfFirst);
}

TEST_F(LayoutCommandsTest, ACommandForAWindowOnNoSpaceChangesNoLayout) {
    desktop.removeDisplay(main);
    run("grow");
    EXPECT_TRUE(managed.logged("grow: the focused window is on no Space"));
    EXPECT_EQ(probe().layout(0), nullptr);
}

TEST_F(LayoutCommandsTest, ACommandWithoutATrackedFocusedWindowIsRefused) {
    const WindowId palette = open(editor, {.subrole = "AXFloatingWindow"});
    click(palette);
    run("swap west");
    EXPECT_TRUE(managed.logged("swap west: no tracked window has focus"));
    EXPECT_THAT(notices(), testing::ElementsAre("swap west: no window has focus"));
}

} // namespace
} // namespace quillmere
