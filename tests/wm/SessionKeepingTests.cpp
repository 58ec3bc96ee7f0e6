#include "platform/sim/SimulatedScenario.h"
#include "support/CommandedDesktop.h"
#include "support/Printers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace quillmere {
namespace {

using namespace std::chrono_literals;
using testing::ElementsAre;

WindowRef ref(const std::string& app, std::int64_t index) {
    return {app, index};
}

// Two editor windows and a note on the first of two Desktops of a 1440 x 900 display.
struct SessionDesktop : CommandedDesktop {
    // The user quits the application.
    void quit() {
        desktop.quitOwnApplication();
        managed.settle();
        managed.made.reset();
    }
    // The application starts again, stamped by `store` when given.
    void relaunch(const SessionStore* store = nullptr, const Settings& settings = Settings::default_()) {
        if (store)
            managed.made = std::make_unique<WindowManager>(managed.services(store));
        manager().update(settings);
        start();
    }

    const SpaceLayout& layout(SpaceId space) { return *probe().layout(space); }
    bool restoredAny() const {
        for (const LogEntry& entry : managed.log.entries())
            if (entry.message.starts_with("restore desktop"))
                return true;
        return false;
    }
    std::filesystem::path file() const { return managed.sessions.file(); }
    bool saved() const { return std::filesystem::exists(file()); }
    void forgetSave() { std::filesystem::remove(file()); }
    const Session::Space* record(const Session& session, SpaceId space) {
        for (const Session::Space& record : session.spaces)
            if (record.id == static_cast<std::int64_t>(space))
                return &record;
        return nullptr;
    }

    const DisplayId main = desktop.addDisplay({.name = "Main", .bounds = {0, 0, 1440, 900}, .desktops = 2});
    const SpaceId first = desktop.spaceOrder(main)[0];
    const SpaceId second = desktop.spaceOrder(main)[1];
    const std::int32_t editor = launch("Editor");
    const std::int32_t notes = launch("Notes");
    const WindowId draft = open(editor, {.frame = {100, 100, 500, 400}});
    const WindowId letter = open(editor, {.frame = {200, 100, 500, 400}});
    const WindowId note = open(notes, {.frame = {300, 100, 500, 400}});
};

class SessionKeepingTest : public testing::Test, public SessionDesktop {};

TEST_F(SessionKeepingTest, ARestartWithTheSameStampRestoresTheTreeWithoutClosedWindowsAndAppendsNewOnes) {
    start();
    click(note);
    run("float");
    ASSERT_THAT(layout(first).floating, ElementsAre(note));

    quit();
    desktop.closeWindow(letter);
    const WindowId fresh = open(editor, {.frame = {400, 100, 500, 400}});
    relaunch();

    EXPECT_THAT(layout(first).floating, ElementsAre(note)) << "admission alone would have tiled it";
    EXPECT_THAT(layout(first).tree.windows(), ElementsAre(draft, fresh));
    EXPECT_TRUE(managed.logged("restore desktop 1: com.example.Editor#0=" + std::to_string(draft) +
                               ", com.example.Notes#0=" + std::to_string(note)));
    EXPECT_EQ(probe().pendingSessionSpaces(), 0u);
}

// A copy relaunched once the permission is back starts on the desktop carried over as a scenario; the
// session it finds names the same Spaces and windows, as it would on a Mac, where they outlive the copy.
TEST_F(SessionKeepingTest, ACopyOnTheCarriedOverDesktopRestoresTheLayouts) {
    // So that a fresh desktop would number the windows left otherwise.
    desktop.closeWindow(draft);
    start();
    click(note);
    run("float");
    const auto noteFrame = desktop.frame(note);
    const auto letterFrame = desktop.frame(letter);
    quit();

    ManagedDesktop copy;
    SimulatedScenario::read(SimulatedScenario::of(desktop).text().value()).value().applyTo(copy.desktop);
    std::filesystem::copy_file(file(), copy.sessions.file());
    copy.start();

    EXPECT_THAT(copy.probe().layout(first)->floating, ElementsAre(note));
    EXPECT_THAT(copy.probe().layout(first)->tree.windows(), ElementsAre(letter));
    EXPECT_EQ(copy.desktop.frame(note), noteFrame);
    EXPECT_EQ(copy.desktop.frame(letter), letterFrame);
}

TEST_F(SessionKeepingTest, ASessionOfAnotherBootOrWindowServerIsIgnored) {
    struct Case {
        const char* name;
        std::int64_t boot;
        std::int32_t windowServer;
        bool restored;
    };
    for (const Case c : {Case{"same", 1, SimulatedDesktop::windowServerPid, true},
                         Case{"another boot", 2, SimulatedDesktop::windowServerPid, false},
                         Case{"another window server", 1, SimulatedDesktop::windowServerPid + 1, false}}) {
        SessionDesktop world;
        world.start();
        world.click(world.note);
        world.run("float");
        const SessionStore store(c.boot, c.windowServer, world.file());
        world.quit();
        world.relaunch(&store);

        EXPECT_EQ(world.layout(world.first).floating.contains(world.note), c.restored) << c.name;
        EXPECT_EQ(world.restoredAny(), c.restored) << c.name;
    }
}

TEST_F(SessionKeepingTest, AChangedSpaceRuleBeatsTheSavedMode) {
    struct Case {
        const char* name;
        std::vector<Settings::SpaceSettings> rules;
        LayoutMode mode;
    };
    for (const Case& c : {Case{"rule as at the save", {}, LayoutMode::stack},
                          Case{"rule changed since", {{.space = 1, .layout = LayoutMode::float_}}, LayoutMode::float_}}) {
        SessionDesktop world;
        world.start();
        world.click(world.draft);
        world.run("layout stack");
        Settings settings = Settings::default_();
        settings.spaces = c.rules;
        world.quit();
        world.relaunch(nullptr, settings);

        EXPECT_EQ(world.layout(world.first).mode, c.mode) << c.name;
    }
}

TEST_F(SessionKeepingTest, ARecordWhoseWindowsAllClosedIsDroppedAndTheScreenKept) {
    start();
    quit();
    for (WindowId window : {draft, letter, note})
        desktop.closeWindow(window);
    const WindowId fresh = open(editor, {.frame = {400, 100, 500, 400}});
    relaunch();

    EXPECT_THAT(layout(first).tree.windows(), ElementsAre(fresh));
    EXPECT_EQ(probe().pendingSessionSpaces(), 0u);
    EXPECT_FALSE(restoredAny());
}

TEST_F(SessionKeepingTest, ABurstOfLayoutWritesIsSavedOnceASecondAfterTheLast) {
    start();
    managed.advance(2s);
    forgetSave();

    for (int write = 0; write < 10; ++write) {
        manager().apply(first);
        managed.advance(50ms);
    }
    managed.advance(949ms);
    EXPECT_FALSE(saved());
    managed.advance(1ms);
    EXPECT_TRUE(saved());
    forgetSave();
    managed.advance(5s);
    EXPECT_FALSE(saved());
}

TEST_F(SessionKeepingTest, QuittingSavesAtOnceAndCancelsThePendingSave) {
    start();
    managed.advance(2s);
    manager().apply(first);
    managed.advance(500ms);
    forgetSave();

    desktop.quitOwnApplication();
    managed.settle();
    EXPECT_TRUE(saved());
    forgetSave();
    managed.advance(2s);
    EXPECT_FALSE(saved());
}

TEST_F(SessionKeepingTest, ReferencesCountPerApplicationFromZeroInEverySpace) {
    const WindowId elsewhere = open(editor, {.frame = {100, 100, 500, 400}, .space = second});
    const std::int32_t plain = desktop.launch({.name = "Plain"});
    const WindowId unbundled = open(plain, {.frame = {100, 100, 500, 400}});
    start();
    desktop.quitOwnApplication();
    managed.settle();

    const auto session = managed.sessions.load();
    ASSERT_TRUE(session);
    const Session::Space* shown = record(*session, first);
    const Session::Space* hidden = record(*session, second);
    ASSERT_TRUE(shown && hidden);
    EXPECT_EQ(shown->windows, (std::map<WindowRef, WindowId>{{ref("com.example.Editor", 0), draft},
                                                             {ref("com.example.Editor", 1), letter},
                                                             {ref("com.example.Notes", 0), note},
                                                             {ref("Plain", 0), unbundled}}));
    EXPECT_EQ(hidden->windows, (std::map<WindowRef, WindowId>{{ref("com.example.Editor", 0), elsewhere}}));
    EXPECT_EQ(shown->configuredMode, LayoutMode::bsp);
    EXPECT_EQ(shown->layout.space, 1);
}

TEST_F(SessionKeepingTest, ARecordWaitingForItsSpaceIsKeptUntilItsDisplayIsUnplugged) {
    const DisplayId side = desktop.addDisplay({.name = "Side", .bounds = {1440, 0, 1280, 800}, .desktops = 2});
    const SpaceId away = desktop.spaceOrder(side)[1];
    const WindowId parked = open(editor, {.frame = {1500, 100, 500, 400}, .space = away});
    start();
    desktop.quitOwnApplication();
    managed.settle();
    const auto before = managed.sessions.load();
    ASSERT_TRUE(before && record(*before, away));

    managed.made.reset();
    desktop.closeWindow(parked);
    relaunch();
    desktop.quitOwnApplication();
    managed.settle();
    const auto carried = managed.sessions.load();
    ASSERT_TRUE(carried && record(*carried, away));
    EXPECT_EQ(*record(*carried, away), *record(*before, away));

    desktop.removeDisplay(side);
    managed.advance(2s);
    desktop.quitOwnApplication();
    managed.settle();
    const auto after = managed.sessions.load();
    ASSERT_TRUE(after);
    EXPECT_EQ(record(*after, away), nullptr);
}

} // namespace
} // namespace quillmere
