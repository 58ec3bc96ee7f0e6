#include "platform/ManualMainQueue.h"
#include "platform/sim/SimulatedDesktop.h"
#include "support/Printers.h"
#include "system/AXWindow.h"
#include "system/FullScreen.h"

#include <cctype>
#include <chrono>
#include <functional>
#include <gmock/gmock.h>
#include "support/WindowHandles.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

using namespace std::chrono_literals;
using testing::ElementsAre;
using testing::IsEmpty;
using Menu = SimulatedDesktop::MenuSetup;
using Duration = MainQueue::Duration;

std::string name(std::string text) {
    std::erase_if(text, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
    return text;
}

class FullScreenTest : public testing::Test {
  protected:
    AXWindow handle(WindowId number) { return windowHandle(desktop, app, number); }

    bool isFullScreen(WindowId window) const { return desktop.spaces(window) != std::vector{desktopSpace}; }

    ManualMainQueue queue;
    SimulatedDesktop desktop{queue};
    const DisplayId display = desktop.addDisplay({.bounds = {0, 0, 1440, 900}});
    const SpaceId desktopSpace = desktop.currentSpace(display);
    const std::int32_t app = desktop.launch({.bundleIdentifier = "com.example.editor", .name = "Editor"});
    SwitchGeneration generation;
    FullScreen fullScreen{desktop, desktop, desktop, queue, generation};
};

struct SetCase {
    const char* name;
    SimulatedDesktop::WindowSetup setup;
    std::function<void(SimulatedDesktop&, WindowId)> before;
    bool on;
    bool result;
    bool fullScreenAfter;
    std::int64_t generation;
    // The last accessibility call, "" for none beyond reading the state.
    std::string lastCall;
};

void PrintTo(const SetCase& setCase, std::ostream* out) {
    *out << setCase.name;
}

class SetTest : public FullScreenTest, public testing::WithParamInterface<SetCase> {};

TEST_P(SetTest, UsesTheAttributeThenTheButtonAndCountsEachAttempt) {
    const SetCase& c = GetParam();
    const WindowId window = desktop.openWindow(app, c.setup);
    if (c.before)
        c.before(desktop, window);
    desktop.traceAccessibility(true);

    EXPECT_EQ(fullScreen.set(handle(window), c.on), c.result);
    EXPECT_EQ(isFullScreen(window), c.fullScreenAfter);
    EXPECT_EQ(generation.value, c.generation);
    const auto& trace = desktop.accessibilityTrace();
    const std::string id = std::to_string(window);
    const std::string last = c.lastCall;
    EXPECT_EQ(trace.back(), last.empty() ? "read window " + id + " AXFullScreen"
                                         : std::string(last).replace(last.find('#'), 1, id));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SetTest,
    testing::Values(
        SetCase{"on through the attribute", {}, {}, true, true, true, 1, "write window # AXFullScreen true"},
        SetCase{"off through the attribute",
                {},
                [](SimulatedDesktop& d, WindowId w) { d.enterFullScreen({w}); },
                false,
                true,
                false,
                1,
                "write window # AXFullScreen false"},
        SetCase{"already on",
                {},
                [](SimulatedDesktop& d, WindowId w) { d.enterFullScreen({w}); },
                true,
                true,
                true,
                0,
                ""},
        SetCase{"already off", {}, {}, false, true, false, 0, ""},
        SetCase{"attribute not settable: the button",
                {.unsettable = {"AXFullScreen"}},
                {},
                true,
                true,
                true,
                1,
                "action full-screen button # AXPress"},
        SetCase{"no attribute counts as off",
                {},
                [](SimulatedDesktop& d, WindowId w) { d.failAttribute(w, "AXFullScreen"); },
                false,
                true,
                false,
                0,
                ""},
        SetCase{"no attribute: tries it, then the button",
                {},
                [](SimulatedDesktop& d, WindowId w) { d.failAttribute(w, "AXFullScreen"); },
                true,
                true,
                true,
                1,
                "action full-screen button # AXPress"},
        SetCase{"neither attribute nor button",
                {.unsettable = {"AXFullScreen"}},
                [](SimulatedDesktop& d, WindowId w) { d.failAttribute(w, "AXFullScreenButton"); },
                true,
                false,
                false,
                1,
                "read window # AXFullScreenButton"}),
    [](const auto& info) { return name(info.param.name); });

// Menu bar items hold menus, menus hold items, items may hold submenus: `levels` counts from the menu bar's
// children down to the leaf.
Menu below(int levels, Menu leaf) {
    for (int level = levels - 1; level >= 1; --level)
        leaf = Menu{.role = level == 1       ? "AXMenuBarItem"
                            : level % 2 == 0 ? "AXMenu"
                                             : "AXMenuItem",
                    .title = level == 1 ? std::optional<std::string>("Window") : std::nullopt,
                    .children = {leaf}};
    return leaf;
}

Menu item(std::optional<std::string> title, std::optional<std::string> identifier, sim::MenuEffect effect,
          std::optional<bool> enabled = true) {
    return {
        .title = std::move(title), .identifier = std::move(identifier), .enabled = enabled, .effect = effect};
}

constexpr auto tiles = sim::MenuEffect::tileLeft;
constexpr auto nothing = sim::MenuEffect::none;

struct TileCase {
    const char* name;
    std::vector<Menu> bar;
    bool left;
    bool found;
};

void PrintTo(const TileCase& tileCase, std::ostream* out) {
    *out << tileCase.name;
}

class TileTest : public FullScreenTest, public testing::WithParamInterface<TileCase> {};

// Only the item expected to be pressed tiles, so the picker tells which item was pressed.
TEST_P(TileTest, PressesTheFirstEnabledMatchByIdentifierThenByTitle) {
    const TileCase& c = GetParam();
    desktop.focus(desktop.openWindow(app, {}));
    desktop.openWindow(app, {});
    desktop.setMenuBar(app, c.bar);

    EXPECT_EQ(fullScreen.tile(app, c.left), c.found);
    EXPECT_EQ(desktop.isPickingTile(), c.found);
    EXPECT_EQ(generation.value, c.found ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TileTest,
    testing::Values(
        TileCase{"by identifier", {below(3, item("Move Left", "_tileLeft:", tiles))}, true, true},
        TileCase{"right by identifier", {below(3, item({}, "_tileRight:", tiles))}, false, true},
        TileCase{"identifier is for the other side", {below(3, item({}, "_tileRight:", tiles))}, true, false},
        TileCase{"long title", {below(3, item("Tile Window to Left of Screen", {}, tiles))}, true, true},
        TileCase{"short title in a submenu", {below(5, item("Left of Screen", {}, tiles))}, true, true},
        TileCase{"right title", {below(3, item("Tile Window to Right of Screen", {}, tiles))}, false, true},
        TileCase{"identifier before an earlier title",
                 {below(3, item("Left of Screen", {}, nothing)), below(5, item({}, "_tileLeft:", tiles))},
                 true,
                 true},
        TileCase{"only match disabled",
                 {below(3, item("Left of Screen", "_tileLeft:", tiles, false))},
                 true,
                 false},
        TileCase{"enabled not stated", {below(3, item({}, "_tileLeft:", tiles, std::nullopt))}, true, true},
        TileCase{"disabled match with an enabled one below",
                 {below(2, Menu{.title = "Left of Screen",
                                .enabled = false,
                                .children = {Menu{.role = "AXMenu",
                                                  .children = {item("Left of Screen", {}, tiles)}}}})},
                 true,
                 true},
        TileCase{"five levels down", {below(5, item({}, "_tileLeft:", tiles))}, true, true},
        TileCase{"six levels down", {below(6, item({}, "_tileLeft:", tiles))}, true, false},
        TileCase{"not a menu item",
                 {below(3, Menu{.role = "AXButton", .identifier = "_tileLeft:", .effect = tiles})},
                 true,
                 false},
        TileCase{"no menu bar items", {}, true, false}),
    [](const auto& info) { return name(info.param.name); });

TEST_F(FullScreenTest, AnApplicationWithoutMenuBarIsNotTiled) {
    EXPECT_FALSE(fullScreen.tile(app, true));
    EXPECT_EQ(generation.value, 0);
}

TEST_F(FullScreenTest, PairsTwoWindowsByTilingOneAndClickingTheOtherOnceItRests) {
    const WindowId first = desktop.openWindow(app, {.frame = {100, 100, 600, 500}});
    const WindowId second = desktop.openWindow(app, {.frame = {300, 200, 600, 500}});
    desktop.focus(first);
    desktop.setMenuBar(app, {below(3, item({}, "_tileLeft:", tiles))});
    desktop.warpMouseCursorPosition({5, 5});

    std::vector<bool> answers;
    ASSERT_TRUE(fullScreen.tile(app, true));
    fullScreen.choose(second, {720, 0, 720, 900}, [&](bool chosen) { answers.push_back(chosen); });

    // The offered window glides in by 0.2 s; the third poll, at 0.45 s, finds it at rest.
    queue.advance(449ms);
    EXPECT_THAT(desktop.postedMouseEvents(), IsEmpty());
    queue.advance(250ms);
    EXPECT_THAT(answers, IsEmpty());
    // The centre of the one offered place: the right half less a tenth on every side.
    const Point target{1080, 450};
    EXPECT_THAT(desktop.postedMouseEvents(), ElementsAre(sim::MouseEvent{EventType::mouseMoved, target},
                                                         sim::MouseEvent{EventType::leftMouseDown, target},
                                                         sim::MouseEvent{EventType::leftMouseUp, target}));
    EXPECT_EQ(desktop.pointer(), target);

    queue.advance(1ms);
    EXPECT_THAT(answers, ElementsAre(true));
    EXPECT_EQ(desktop.pointer(), (Point{5, 5}));
    EXPECT_EQ(desktop.frame(first), Rect(0, 0, 720, 900));
    EXPECT_EQ(desktop.frame(second), Rect(720, 0, 720, 900));
    EXPECT_EQ(desktop.spaces(first), desktop.spaces(second));
    EXPECT_TRUE(isFullScreen(first));
}

struct ChooseCase {
    const char* name;
    std::function<void(SimulatedDesktop&, WindowId)> before;
    // What the window does, and when, after the call.
    std::vector<std::pair<Duration, std::function<void(SimulatedDesktop&, WindowId)>>> script;
    Rect area;
    bool chosen;
    // When the completion runs.
    Duration answeredAt;
};

void PrintTo(const ChooseCase& chooseCase, std::ostream* out) {
    *out << chooseCase.name;
}

class ChooseTest : public FullScreenTest, public testing::WithParamInterface<ChooseCase> {};

TEST_P(ChooseTest, ClicksOnlyAWindowThatLeftItsPlaceAndCameToRestInTheArea) {
    const ChooseCase& c = GetParam();
    const WindowId window = desktop.openWindow(app, {.frame = {100, 100, 400, 300}});
    if (c.before)
        c.before(desktop, window);
    for (const auto& [at, step] : c.script)
        queue.after(at, [this, window, step] { step(desktop, window); });

    std::vector<bool> answers;
    fullScreen.choose(window, c.area, [&](bool chosen) { answers.push_back(chosen); });
    queue.advance(c.answeredAt - 1ms);
    EXPECT_THAT(answers, IsEmpty());
    queue.advance(1ms);
    EXPECT_THAT(answers, ElementsAre(c.chosen));
    EXPECT_EQ(desktop.postedMouseEvents().size(), c.chosen ? 3u : 0u);
    queue.advance(10s);
    EXPECT_EQ(answers.size(), 1u);
}

const auto moveTo = [](Point origin) {
    return [origin](SimulatedDesktop& d, WindowId w) { d.moveWindow(w, origin); };
};

INSTANTIATE_TEST_SUITE_P(
    Cases, ChooseTest,
    testing::Values(
        ChooseCase{"never moves", {}, {}, {0, 0, 1440, 900}, false, 2100ms},
        ChooseCase{
            "rests outside the area", {}, {{200ms, moveTo({900, 100})}}, {0, 0, 720, 900}, false, 2100ms},
        ChooseCase{
            "rests in the area", {}, {{200ms, moveTo({900, 100})}}, {720, 0, 720, 900}, true, 450ms + 250ms},
        ChooseCase{"moves between every poll, then rests",
                   {},
                   {{100ms, moveTo({800, 100})}, {250ms, moveTo({850, 100})}, {400ms, moveTo({900, 100})}},
                   {720, 0, 720, 900},
                   true,
                   600ms + 250ms},
        ChooseCase{"comes back to where it stood",
                   {},
                   {{100ms, moveTo({900, 100})}, {250ms, moveTo({100, 100})}},
                   {0, 0, 1440, 900},
                   false,
                   2100ms},
        ChooseCase{"off screen at the call",
                   [](SimulatedDesktop& d, WindowId w) { d.minimize(w, true); },
                   {{200ms, [](SimulatedDesktop& d, WindowId w) { d.minimize(w, false); }}},
                   {0, 0, 1440, 900},
                   true,
                   450ms + 250ms},
        ChooseCase{"rests only after the last poll",
                   {},
                   {{2050ms, moveTo({900, 100})}},
                   {720, 0, 720, 900},
                   false,
                   2100ms}),
    [](const auto& info) { return name(info.param.name); });

TEST_F(FullScreenTest, AClickWithoutEventsStillCompletesAndLeavesThePointer) {
    const WindowId window = desktop.openWindow(app, {.frame = {100, 100, 400, 300}});
    queue.after(100ms, [&] { desktop.moveWindow(window, {900, 100}); });
    desktop.warpMouseCursorPosition({5, 5});
    desktop.failEvents(sim::EventFault::noEvent);

    std::vector<bool> answers;
    fullScreen.choose(window, {720, 0, 720, 900}, [&](bool chosen) { answers.push_back(chosen); });
    queue.advance(300ms);
    // Nothing was remembered, so nothing moves the pointer back.
    desktop.warpMouseCursorPosition({7, 7});
    queue.advance(250ms);
    EXPECT_THAT(answers, ElementsAre(true));
    EXPECT_THAT(desktop.postedMouseEvents(), IsEmpty());
    EXPECT_EQ(desktop.pointer(), (Point{7, 7}));
}

} // namespace
} // namespace quillmere
