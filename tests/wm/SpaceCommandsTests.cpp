#include "support/CommandedDesktop.h"
#include "support/Printers.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillmere {
namespace {

// One display with three Desktops and, when asked, a player in full screen right after the first.
struct SpacesDesktop : CommandedDesktop {
    explicit SpacesDesktop(bool withFullScreen) {
        const WindowId notes = open(launch("Notes"), {.frame = {100, 100, 600, 400}});
        if (withFullScreen)
            desktop.enterFullScreen({open(launch("Player"), {.frame = {200, 200, 600, 400}})});
        start();
        show(order().front());
        click(notes);
    }
    std::vector<SpaceId> order() const { return desktop.spaceOrder(main); }
    void show(SpaceId space) {
        desktop.switchSpace(main, space);
        managed.settle();
    }
    SpaceId shown() const { return desktop.currentSpace(main); }

    const DisplayId main = desktop.addDisplay({.name = "Main", .bounds = {0, 0, 1440, 900}, .desktops = 3});
};

TEST(SpaceCommands, SwitchByPlaceInTheDisplaysOrderAndRefuseWhatIsNotThere) {
    struct Case {
        const char* name;
        bool withFullScreen;
        // Places in the display's order: where the display starts and where it ends.
        std::size_t start;
        std::string command;
        std::size_t shown;
        std::string logged = "";
        std::function<void(SpacesDesktop&)> before = [](SpacesDesktop&) {};
    };
    const std::vector<Case> cases{
        {"a full-screen Space counts as a place", true, 0, "space 3", 2},
        {"the full-screen Space itself", true, 0, "space 2", 1},
        {"past the last place", true, 0, "space 5", 0},
        {"place 0", true, 2, "space 0", 2},
        {"2^32 + 3 is not place 3", true, 0, "space 4294967299", 0},
        {"2^32 + 1 is not place 1", true, 2, "space 4294967297", 2},
        {"the next Desktop after the last is the first", true, 3, "space next", 0},
        {"stepping back skips the full-screen Space", true, 2, "space prev", 0},
        {"the next full-screen Space", true, 3, "space fullscreen next", 1},
        {"no full-screen Space to step to", false, 0, "space fullscreen next", 0,
         "space fullscreen: no full-screen apps on this display"},
        {"back to the Space shown before", false, 0, "space last", 2, "",
         [](SpacesDesktop& d) {
             d.show(d.order()[2]);
             d.show(d.order()[0]);
         }},
        {"the Space shown before was removed", false, 0, "space last", 0, "",
         [](SpacesDesktop& d) {
             const SpaceId removed = d.order()[2];
             d.show(removed);
             d.show(d.order()[0]);
             d.desktop.removeDesktop(removed);
             d.managed.settle();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SpacesDesktop desktop(c.withFullScreen);
        desktop.show(desktop.order()[c.start]);
        c.before(desktop);
        const std::vector<SpaceId> order = desktop.order();

        desktop.run(c.command);

        EXPECT_EQ(desktop.shown(), order[c.shown]);
        if (!c.logged.empty()) {
            EXPECT_TRUE(desktop.managed.logged(c.logged)) << c.logged;
        }
    }
}

TEST(SpaceCommands, SwitchingToTheSpaceShownDoesNothing) {
    for (const std::size_t place : {0, 1}) {
        SCOPED_TRACE(place);
        SpacesDesktop desktop(false);
        desktop.show(desktop.order()[place]);
        const std::size_t logged = desktop.managed.log.entries().size();
        const Point pointer = desktop.desktop.pointer();

        desktop.run("space " + std::to_string(place + 1));

        EXPECT_EQ(desktop.shown(), desktop.order()[place]);
        EXPECT_EQ(desktop.desktop.pointer(), pointer);
        const auto& entries = desktop.managed.log.entries();
        for (std::size_t i = logged; i < entries.size(); ++i)
            EXPECT_EQ(entries[i].message.find("switch "), std::string::npos) << entries[i].message;
    }
}

TEST(SpaceCommands, LoadingAProfileOfTheOtherSpacesModeAsksFirst) {
    struct Case {
        const char* name;
        std::optional<bool> spansDisplays;
        std::function<bool(const Profile&, bool)> confirm;
        bool asked;
        std::string logged;
    };
    const std::string cancelled = "load Work: cancelled, captured in the other Spaces mode";
    const std::string loading = "loaded profile Work; 0 windows to launch";
    const auto no = [](const Profile&, bool) { return false; };
    const std::vector<Case> cases{
        {"same mode", false, no, false, loading},
        {"absent counts as separate Spaces", std::nullopt, no, false, loading},
        {"other mode, confirmed", true, [](const Profile&, bool) { return true; }, true, loading},
        {"other mode, refused", true, no, true, cancelled},
        {"other mode, no one to ask", true, nullptr, false, cancelled},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SpacesDesktop desktop(false);
        Profile profile{.name = "Work", .spansDisplays = c.spansDisplays};
        ASSERT_FALSE(desktop.managed.profiles.save(profile));
        bool asked = false;
        desktop.manager().confirmModeMismatch = c.confirm ? [&](const Profile& asking, bool present) {
            asked = true;
            EXPECT_EQ(asking.name, "Work");
            EXPECT_FALSE(present);
            return c.confirm(asking, present);
        } : std::function<bool(const Profile&, bool)>();

        desktop.run("load Work");

        EXPECT_EQ(asked, c.asked);
        EXPECT_TRUE(desktop.managed.logged(c.logged)) << c.logged;
    }
}

TEST(SpaceCommands, LoadingAProfileThatIsNotThereIsAnError) {
    SpacesDesktop desktop(false);
    desktop.run("load Nowhere");
    ASSERT_FALSE(desktop.managed.log.entries().empty());
    EXPECT_EQ(desktop.managed.log.entries().back().message, "no profile Nowhere");
    EXPECT_EQ(desktop.managed.log.entries().back().level, LogLevel::error);
}

TEST(SpaceCommands, FullScreenTogglesTheFocusedWindowWhetherTrackedOrNot) {
    SpacesDesktop desktop(false);
    const std::int32_t panel = desktop.launch("Panel");
    const WindowId palette = desktop.open(panel, {.subrole = "AXFloatingWindow"});
    desktop.click(palette);
    ASSERT_FALSE(desktop.probe().isTracked(palette));

    desktop.run("fullscreen");
    EXPECT_TRUE(desktop.managed.logged("fullscreen on for " + std::to_string(palette) + " Panel"));
    const SpaceId fullScreen = desktop.desktop.spaces(palette).front();
    EXPECT_EQ(desktop.shown(), fullScreen);

    desktop.run("fullscreen");
    EXPECT_TRUE(desktop.managed.logged("fullscreen off for " + std::to_string(palette) + " Panel"));
    EXPECT_EQ(desktop.desktop.spaceOrder(desktop.main).size(), 3u) << "the full-screen Space is gone";
}

} // namespace
} // namespace quillmere
