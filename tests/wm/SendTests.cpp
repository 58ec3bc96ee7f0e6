#include "core/SpanningSpace.h"
#include "support/CommandedDesktop.h"
#include "support/Printers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillmere {
namespace {

using testing::ElementsAre;

// One display whose order is Desktop 1, a player in full screen, Desktop 2 and Desktop 3; two editor windows
// on Desktop 1, the first one focused.
struct SendingDesktop : CommandedDesktop {
    SendingDesktop() {
        desktop.enterFullScreen({open(launch("Player"), {.frame = {200, 200, 600, 400}})});
        start();
        show(order()[0]);
        click(first);
    }
    std::vector<SpaceId> order() const { return desktop.spaceOrder(main); }
    void show(SpaceId space) {
        desktop.switchSpace(main, space);
        managed.settle();
    }
    bool holds(std::size_t place, WindowId window) {
        const SpaceLayout* layout = probe().layout(order()[place]);
        return layout && layout->contains(window);
    }
    void followSends(bool follow) {
        Settings settings = Settings::default_();
        settings.followAfterSending = follow;
        settings.mouseFollowsFocus = true;
        manager().update(settings);
    }
    bool pointerOn(WindowId window) const { return desktop.frame(window)->contains(desktop.pointer()); }

    const DisplayId main = desktop.addDisplay({.name = "Main", .bounds = {0, 0, 1440, 900}, .desktops = 3});
    const std::int32_t editor = launch("Editor");
    const WindowId first = open(editor, {.frame = {100, 100, 500, 400}});
    const WindowId second = open(editor, {.frame = {300, 100, 500, 400}});
};

TEST(Send, SendingToASpaceMovesTheWindowAndItsTileAndFollowsWhenAsked) {
    struct Case {
        const char* name;
        std::string command;
        bool follows;
        // Places in the order: where the window ends up and what the display shows.
        std::size_t windowAt;
        std::size_t shown;
        std::string logged = "";
    };
    const std::vector<Case> cases{
        {"to the full-screen Space", "send 2", true, 0, 0,
         "send 2: a full-screen app's Space, can't take windows"},
        {"to its own Space", "send 1", true, 0, 0},
        {"past the last place", "send 5", true, 0, 0},
        {"2^32 + 3 is not place 3", "send 4294967299", true, 0, 0},
        {"following", "send 3", true, 2, 2},
        {"staying", "send 4", false, 3, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SendingDesktop d;
        d.followSends(c.follows);
        const Point pointer = d.desktop.pointer();

        d.run(c.command);

        EXPECT_THAT(d.desktop.spaces(d.first), ElementsAre(d.order()[c.windowAt]));
        EXPECT_TRUE(d.holds(c.windowAt, d.first));
        EXPECT_EQ(d.holds(0, d.first), c.windowAt == 0);
        EXPECT_TRUE(d.holds(0, d.second));
        EXPECT_EQ(d.desktop.currentSpace(d.main), d.order()[c.shown]);
        if (c.windowAt != 0 && c.follows) {
            EXPECT_EQ(d.frontApp(), d.editor);
            EXPECT_EQ(d.keyWindowOf(d.editor), d.first);
            EXPECT_TRUE(d.pointerOn(d.first));
        } else {
            EXPECT_EQ(d.desktop.pointer(), pointer);
        }
        if (!c.logged.empty()) {
            EXPECT_TRUE(d.managed.logged(c.logged)) << c.logged;
        }
    }
}

TEST(Send, ATileKeepsItsFloatingAndLeavesNoFocusBehind) {
    SendingDesktop d;
    d.followSends(false);
    ASSERT_EQ(d.probe().lastFocusedTiled(d.order()[0]), d.first);
    d.run("send 3");
    EXPECT_EQ(d.probe().lastFocusedTiled(d.order()[0]), std::nullopt);
    EXPECT_TRUE(d.probe().layout(d.order()[2])->tree.contains(d.first));

    d.click(d.second);
    d.run("float");
    d.run("send 3");
    EXPECT_TRUE(d.probe().layout(d.order()[2])->floating.contains(d.second));
    EXPECT_TRUE(d.probe().layout(d.order()[2])->tree.contains(d.first));
}

TEST(Send, AWindowSentAwayAndBackReturnsToItsOwnTile) {
    for (const bool follow : {true, false}) {
        SCOPED_TRACE(follow ? "following" : "staying");
        // A wide window beside a narrower one: there is room for both only with the border where the wide
        // one's minimum size put it, not in half of the other's tile.
        CommandedDesktop d;
        const DisplayId main = d.desktop.addDisplay({.name = "Main", .bounds = {0, 0, 1440, 900}, .desktops = 2});
        const WindowId wide =
            d.open(d.launch("Editor"), {.frame = {100, 100, 900, 600}, .minimumSize = Size{800, 500}});
        d.start();
        const WindowId narrow =
            d.open(d.launch("Terminal"), {.frame = {300, 420, 585, 368}, .minimumSize = Size{500, 300}});
        d.managed.settle();
        d.click(wide);
        Settings settings = Settings::default_();
        settings.followAfterSending = follow;
        d.manager().update(settings);
        const std::vector<SpaceId> order = d.desktop.spaceOrder(main);
        const auto frames = [&] { return std::pair(*d.desktop.frame(wide), *d.desktop.frame(narrow)); };
        const auto before = frames();
        ASSERT_TRUE(before.first.intersection(before.second).isNull());

        d.run("send 2");
        if (!follow) {
            d.desktop.switchSpace(main, order[1]);
            d.managed.settle();
            d.click(wide);
        }
        d.run("send 1");
        if (!follow) {
            d.desktop.switchSpace(main, order[0]);
            d.managed.settle();
        }

        const SpaceLayout* layout = d.probe().layout(order[0]);
        ASSERT_TRUE(layout);
        EXPECT_EQ(layout->tree.stack(wide), std::vector<WindowId>{wide});
        EXPECT_EQ(frames(), before);
    }
}

TEST(Send, AWindowThatTilingLeftOutStaysOutWhereItGoes) {
    SendingDesktop d;
    const WindowId fixed = d.open(d.editor, {.frame = {400, 400, 300, 200}, .unsettable = {"AXSize"}});
    d.click(fixed);
    ASSERT_TRUE(d.probe().isTracked(fixed));

    d.run("send 3");

    EXPECT_THAT(d.desktop.spaces(fixed), ElementsAre(d.order()[2]));
    EXPECT_EQ(d.manager().layoutSpace(fixed), std::nullopt);
}

TEST(Send, SendingOneDesktopOnWrapsRoundAndStepsOverFullScreenSpaces) {
    struct Case {
        std::size_t from;
        std::string command;
        std::size_t to;
    };
    for (const Case& c : {Case{3, "send next", 0}, Case{0, "send next", 2}, Case{2, "send prev", 0},
                          Case{0, "send prev", 3}}) {
        SCOPED_TRACE(c.command + " from " + std::to_string(c.from));
        SendingDesktop d;
        if (c.from != 0) {
            d.manager().send(d.first, d.order()[c.from], false);
            d.show(d.order()[c.from]);
            d.click(d.first);
        }
        const auto adjacent = d.manager().adjacentDesktop(d.first, c.command == "send next");
        EXPECT_EQ(adjacent, (WindowManager::AdjacentDesktop{d.order()[c.to], static_cast<int>(c.to) + 1}));

        d.run(c.command);

        EXPECT_THAT(d.desktop.spaces(d.first), ElementsAre(d.order()[c.to]));
        EXPECT_TRUE(d.holds(c.to, d.first));
        EXPECT_FALSE(d.holds(c.from, d.first));
        EXPECT_EQ(d.desktop.currentSpace(d.main), d.order()[c.to]);
        EXPECT_EQ(d.keyWindowOf(d.editor), d.first);
    }
}

TEST(Send, SendingOneDesktopOnDoesNothingOnADisplayWithOne) {
    CommandedDesktop d;
    const DisplayId only = d.desktop.addDisplay({.bounds = {0, 0, 1440, 900}});
    const WindowId window = d.open(d.launch("Editor"));
    d.start();
    d.click(window);
    const SpaceLayout before = *d.probe().layout(d.desktop.currentSpace(only));
    EXPECT_EQ(d.manager().adjacentDesktop(window, true), std::nullopt);

    d.run("send next");

    EXPECT_THAT(d.desktop.spaces(window), ElementsAre(d.desktop.currentSpace(only)));
    EXPECT_EQ(*d.probe().layout(d.desktop.currentSpace(only)), before);
    EXPECT_EQ(d.probe().layouts().size(), 1u);
}

TEST(Send, SendingToTheNextDisplayPutsTheWindowOnTheSpaceItShows) {
    SendingDesktop d;
    const DisplayId side = d.desktop.addDisplay({.name = "Side", .bounds = {1440, 0, 1280, 800}});
    const SpaceId sideSpace = d.desktop.currentSpace(side);
    d.managed.settle();

    d.run("send display next");

    EXPECT_THAT(d.desktop.spaces(d.first), ElementsAre(sideSpace));
    ASSERT_TRUE(d.probe().layout(sideSpace));
    EXPECT_TRUE(d.probe().layout(sideSpace)->contains(d.first));
    EXPECT_FALSE(d.holds(0, d.first));
    EXPECT_TRUE(Rect(1440, 0, 1280, 800).contains(d.desktop.frame(d.first)->center()));
    EXPECT_EQ(d.keyWindowOf(d.editor), d.first);
    EXPECT_TRUE(d.pointerOn(d.first));

    d.desktop.enterFullScreen({d.first});
    d.managed.settle();
    d.click(d.second);
    d.run("send display prev");
    EXPECT_TRUE(d.managed.logged("send display: Side is showing a full-screen app"));
    EXPECT_TRUE(d.holds(0, d.second));
}

TEST(Send, SendingDirectlyActsOnlyForATrackedWindowAndADesktopThatIsThere) {
    struct Case {
        const char* name;
        std::function<WindowId(SendingDesktop&)> window;
        std::function<SpaceId(SendingDesktop&)> target;
    };
    const std::vector<Case> cases{
        {"an unknown Space", [](SendingDesktop& d) { return d.first; },
         [](SendingDesktop&) { return 987654; }},
        {"a Space id that names no display's part", [](SendingDesktop& d) { return d.first; },
         [](SendingDesktop& d) { return *SpanningSpace::id(d.order()[2], 0); }},
        {"the full-screen Space", [](SendingDesktop& d) { return d.first; },
         [](SendingDesktop& d) { return d.order()[1]; }},
        {"a window that is not tracked",
         [](SendingDesktop& d) { return d.open(d.editor, {.subrole = "AXFloatingWindow"}); },
         [](SendingDesktop& d) { return d.order()[2]; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SendingDesktop d;
        const WindowId window = c.window(d);
        d.managed.settle();
        const auto layouts = d.probe().layouts();
        const std::vector<SpaceId> spaces = d.desktop.spaces(window);

        d.manager().send(window, c.target(d), false);
        d.managed.advance(CommandedDesktop::commandSettleTime);

        EXPECT_EQ(d.desktop.spaces(window), spaces);
        EXPECT_EQ(d.probe().layouts(), layouts);
    }
}

// Two displays of 1440 x 900 side by side sharing two Desktops; an editor window on the right one.
struct SharedDesktop : CommandedDesktop {
    SharedDesktop() : CommandedDesktop(SimulatedDesktop::SpaceListForm::shared) {
        start();
        click(window);
    }
    SpaceId on(std::size_t desktopIndex, const std::string& display) {
        const SpaceId real = desktop.spaceOrder(left)[desktopIndex];
        return *SpanningSpace::id(real, managed.spaces.displayIndexes().at(display));
    }
    std::string id(DisplayId display) { return *desktop.uuid(display); }

    const DisplayId left = desktop.addDisplay({.name = "Left", .bounds = {0, 0, 1440, 900}, .desktops = 2});
    const DisplayId right = desktop.addDisplay({.name = "Right", .bounds = {1440, 0, 1440, 900}});
    const WindowId window = open(launch("Editor"), {.frame = {1600, 100, 500, 400}});
};

TEST(Send, KeepingTheDisplayInASharedSpaceListTakesTheChosenDesktopOnTheWindowsOwnDisplay) {
    for (const bool keeping : {true, false}) {
        SCOPED_TRACE(keeping ? "keeping the display" : "as named");
        SharedDesktop d;
        const SpaceId chosen = d.on(1, d.id(d.left));
        const SpaceId expected = keeping ? d.on(1, d.id(d.right)) : chosen;
        ASSERT_TRUE(d.probe().layout(d.on(0, d.id(d.right)))->contains(d.window));

        d.manager().send(d.window, chosen, keeping);
        d.managed.advance(CommandedDesktop::commandSettleTime);

        EXPECT_THAT(d.desktop.spaces(d.window), ElementsAre(d.desktop.spaceOrder(d.left)[1]));
        ASSERT_TRUE(d.probe().layout(expected));
        EXPECT_TRUE(d.probe().layout(expected)->contains(d.window));
        EXPECT_FALSE(d.probe().layout(d.on(0, d.id(d.right)))->contains(d.window));
        EXPECT_EQ(Rect(1440, 0, 1440, 900).contains(d.desktop.frame(d.window)->center()), keeping);
    }
}

} // namespace
} // namespace quillmere
