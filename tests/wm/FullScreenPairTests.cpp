#include "support/CommandedDesktop.h"
#include "support/Printers.h"
#include "support/Trees.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

namespace quillmere {
namespace {

using namespace std::chrono_literals;
using namespace trees;
using Menu = SimulatedDesktop::MenuSetup;

Menu windowMenu(sim::MenuEffect left, sim::MenuEffect right) {
    return {.role = "AXMenuBarItem",
            .title = "Window",
            .children = {{.role = "AXMenu",
                          .children = {{.identifier = "_tileLeft:", .effect = left},
                                       {.identifier = "_tileRight:", .effect = right}}}}};
}

// Four editor windows on the only Desktop of a 1440 x 900 display, arranged as each test says.
struct FourEditors : CommandedDesktop {
    FourEditors() {
        desktop.setMenuBar(editor, {windowMenu(sim::MenuEffect::tileLeft, sim::MenuEffect::tileRight)});
        start();
    }
    void arrange(Node root, WindowId focused) {
        probe().editLayout(space).tree = treeOf(std::move(root));
        manager().apply(space);
        click(focused);
        managed.advance(1s);
    }
    std::string id(WindowId window) { return std::to_string(window); }
    // The overlay panels on screen now, with what they say.
    std::vector<const sim::Panel*> notices() {
        std::vector<const sim::Panel*> shown;
        for (const sim::Panel* panel : desktop.panels())
            if (dynamic_cast<const OverlayView*>(panel->content.get()) && panel->visible && panel->alpha > 0)
                shown.push_back(panel);
        return shown;
    }
    static const Overlay::Kind& kind(const sim::Panel* panel) {
        return dynamic_cast<const OverlayView*>(panel->content.get())->kind;
    }

    const DisplayId main = desktop.addDisplay({.name = "Main", .bounds = {0, 0, 1440, 900}});
    const SpaceId space = desktop.currentSpace(main);
    const std::int32_t editor = launch("Editor");
    const WindowId a = open(editor, {.frame = {100, 100, 500, 400}});
    const WindowId b = open(editor, {.frame = {150, 100, 500, 400}});
    const WindowId c = open(editor, {.frame = {200, 100, 500, 400}});
    const WindowId d = open(editor, {.frame = {250, 100, 500, 400}});
};

TEST(FullScreenPairTest, PairsTheFocusedTileWithItsPartnerOnTheSideItsTileLies) {
    struct Case {
        const char* name;
        std::function<Node(const FourEditors&)> tree;
        // The partner, and whether the focused window a goes left.
        std::function<WindowId(const FourEditors&)> partner;
        bool left;
    };
    const std::vector<Case> cases{
        {"a one-window sibling before a window to the east; equal centres go left",
         [](const FourEditors& w) { return h(0.5, v(0.5, tile({w.a}), tile({w.b})), v(0.5, tile({w.c}), tile({w.d}))); },
         [](const FourEditors& w) { return w.b; }, true},
        {"a sibling side of two windows: east before west",
         [](const FourEditors& w) {
             return h(0.3, tile({w.d}), h(0.4, tile({w.a}), v(0.5, tile({w.b}), tile({w.c}))));
         },
         [](const FourEditors& w) { return w.b; }, true},
        {"nothing to the east: west, and the focused window goes right",
         [](const FourEditors& w) {
             return h(0.6, v(0.5, tile({w.b}), h(0.5, tile({w.c}), tile({w.d}))), tile({w.a}));
         },
         [](const FourEditors& w) { return w.b; }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FourEditors world;
        world.arrange(c.tree(world), world.a);
        const auto layouts = world.probe().layouts();
        const WindowId partner = c.partner(world);

        world.manager().perform(*Command::parse("fullscreen pair"));
        EXPECT_EQ(world.probe().layouts(), layouts);
        EXPECT_TRUE(world.managed.logged("fullscreen pair: " + world.id(world.a) + (c.left ? " left" : " right") +
                                         " beside " + world.id(partner) + " Editor"));
        world.managed.advance(3s);

        const std::vector<SpaceId> paired = world.desktop.spaces(world.a);
        EXPECT_EQ(world.desktop.spaces(partner), paired);
        EXPECT_NE(paired, std::vector{world.space});
        ASSERT_TRUE(world.desktop.frame(world.a) && world.desktop.frame(partner));
        EXPECT_EQ(world.desktop.frame(world.a)->minX() < world.desktop.frame(partner)->minX(), c.left);
    }
}

// The system's picker moves both windows out of their tiles; those are the pair's own moves, not moves
// to put back while the picker waits for the partner's thumbnail.
TEST(FullScreenPairTest, PairsTheOnlyTwoTilesWhicheverSideHasFocus) {
    for (const bool focusLeft : {true, false}) {
        SCOPED_TRACE(focusLeft ? "focus on the left tile" : "focus on the right tile");
        FourEditors world;
        for (WindowId other : {world.c, world.d})
            world.desktop.closeWindow(other);
        world.managed.advance(1s);
        world.arrange(h(0.5, tile({world.a}), tile({world.b})), focusLeft ? world.a : world.b);

        world.manager().perform(*Command::parse("fullscreen pair"));
        world.managed.advance(3s);

        EXPECT_FALSE(world.managed.logged("fullscreen pair: no thumbnail for " +
                                          world.id(focusLeft ? world.b : world.a) + " to choose"));
        const std::vector<SpaceId> paired = world.desktop.spaces(world.a);
        EXPECT_EQ(world.desktop.spaces(world.b), paired);
        ASSERT_THAT(paired, testing::SizeIs(1));
        EXPECT_TRUE(world.managed.spaces.desktops().isFullScreen(paired.front()));
    }
}

TEST(FullScreenPairTest, AnApplicationWithoutTheTileItemIsRefusedOverItsTileForThreeSeconds) {
    FourEditors world;
    const WindowId bare = world.open(world.launch("Bare"), {.frame = {300, 100, 500, 400}});
    world.managed.advance(1s);
    world.click(bare);

    world.manager().perform(*Command::parse("fullscreen pair"));
    EXPECT_TRUE(world.managed.logged("fullscreen pair: Bare has no Full Screen Tile menu item"));
    ASSERT_THAT(world.notices(), testing::SizeIs(1));
    EXPECT_EQ(FourEditors::kind(world.notices().front()),
              Overlay::Kind::refused("Bare can't go full screen beside another window"));
    EXPECT_EQ(world.notices().front()->frame.size, world.desktop.frame(bare)->size);
    world.managed.advance(2900ms);
    EXPECT_THAT(world.notices(), testing::SizeIs(1));
    world.managed.advance(1s);
    EXPECT_THAT(world.notices(), testing::IsEmpty());
    EXPECT_EQ(world.desktop.spaces(bare), std::vector{world.space});
}

TEST(FullScreenPairTest, APickerThatNeverOffersThePartnerLeavesAHintOverTheFarHalf) {
    FourEditors world;
    const std::int32_t lazy = world.launch("Lazy");
    world.desktop.setMenuBar(lazy, {windowMenu(sim::MenuEffect::none, sim::MenuEffect::none)});
    const WindowId first = world.open(lazy, {.frame = {300, 100, 500, 400}});
    for (WindowId other : {world.b, world.c, world.d})
        world.desktop.closeWindow(other);
    world.managed.advance(1s);
    world.arrange(h(0.5, tile({first}), tile({world.a})), first);

    world.manager().perform(*Command::parse("fullscreen pair"));
    // Found to within 10 ms of its appearance, the hint stays four seconds and then fades and goes.
    for (int waited = 0; world.notices().empty() && waited < 300; ++waited)
        world.managed.advance(10ms);
    EXPECT_TRUE(world.managed.logged("fullscreen pair: no thumbnail for " + world.id(world.a) + " to choose"));
    ASSERT_THAT(world.notices(), testing::SizeIs(1));
    EXPECT_EQ(FourEditors::kind(world.notices().front()), Overlay::Kind::hint("Choose Editor to finish"));
    EXPECT_EQ(world.notices().front()->frame, Rect(720, 0, 720, 900));
    world.managed.advance(3980ms);
    EXPECT_THAT(world.notices(), testing::SizeIs(1));
    world.managed.advance(20ms + std::chrono::milliseconds(static_cast<int>(Overlay::fadeSeconds * 1000)) +
                          SimulatedDesktop::panelOrderOutTime);
    EXPECT_THAT(world.notices(), testing::IsEmpty());
}

} // namespace
} // namespace quillmere
