#include "support/Printers.h"
#include "support/ProfiledDesktop.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

using namespace std::chrono_literals;
using Menu = SimulatedDesktop::MenuSetup;

const std::string editorId = "com.example.Editor";
const std::string notesId = "com.example.Notes";

// Two editor windows on Desktop 1 whose application tiles itself into half a full-screen Space, and a notes
// window on Desktop 2.
struct FullScreenDesktop : ProfiledDesktop {
    FullScreenDesktop() {
        desktop.setMenuBar(editor, {{.role = "AXMenuBarItem",
                                     .title = "Window",
                                     .children = {{.role = "AXMenu",
                                                   .children = {{.identifier = "_tileLeft:", .effect = sim::MenuEffect::tileLeft},
                                                                {.identifier = "_tileRight:", .effect = sim::MenuEffect::tileRight}}}}}});
        start();
    }
    bool inFullScreen(WindowId window) {
        const auto spaces = desktop.spaces(window);
        return spaces.size() == 1 && managed.spaces.desktops().isFullScreen(spaces.front());
    }
    bool together(WindowId one, WindowId other) { return desktop.spaces(one) == desktop.spaces(other); }

    const std::int32_t editor = launch("Editor");
    const std::int32_t notes = launch("Notes");
    const WindowId a = openOn(editor, 1);
    const WindowId b = openOn(editor, 1);
    const WindowId c = openOn(notes, 2);
};

TEST(ProfileFullScreenTest, APairThenASingleAreRestoredOneAfterTheOther) {
    FullScreenDesktop world;
    world.manager().load({.name = "Focus",
                          .fullScreen = std::vector<FullScreenSnapshot>{{{{editorId, 0}, {editorId, 1}}}, {{{notesId, 0}}}}});

    world.managed.advance(200ms);
    EXPECT_FALSE(world.inFullScreen(world.a)) << "the application is given 0.3 s first";
    world.managed.advance(1s);
    EXPECT_TRUE(world.inFullScreen(world.a));
    EXPECT_TRUE(world.together(world.a, world.b));
    EXPECT_TRUE(world.managed.logged("profile Focus: Editor full screen beside Editor"));

    world.managed.advance(3500ms);
    EXPECT_FALSE(world.inFullScreen(world.c)) << "the pair is given 5 s";
    world.managed.advance(3s);
    EXPECT_TRUE(world.inFullScreen(world.c));
    EXPECT_FALSE(world.together(world.a, world.c));
    EXPECT_TRUE(world.managed.logged("profile Focus: Notes full screen"));
}

TEST(ProfileFullScreenTest, APairWhoseSecondWindowIsClosedIsRestoredAlone) {
    FullScreenDesktop world;
    world.desktop.closeWindow(world.b);
    world.managed.advance(1s);

    world.manager().load({.name = "Focus",
                          .fullScreen = std::vector<FullScreenSnapshot>{{{{editorId, 0}, {editorId, 1}}}, {{{notesId, 0}}}}});
    world.managed.advance(1s);
    EXPECT_TRUE(world.inFullScreen(world.a));
    EXPECT_TRUE(world.managed.logged("profile Focus: Editor full screen"));
    EXPECT_FALSE(world.inFullScreen(world.c));
    world.managed.advance(3s);
    EXPECT_TRUE(world.inFullScreen(world.c)) << "a single is given 1.5 s";
}

TEST(ProfileFullScreenTest, AWindowNotOpenOrInFullScreenAlreadyIsSkipped) {
    FullScreenDesktop world;
    world.desktop.enterFullScreen({world.c});
    world.managed.advance(1s);

    world.manager().load({.name = "Focus",
                          .fullScreen = std::vector<FullScreenSnapshot>{{{{"com.example.Gone", 0}}}, {{{notesId, 0}}}}});
    EXPECT_TRUE(world.managed.logged("profile Focus: com.example.Gone full screen skipped, already full screen or not open"));
    EXPECT_TRUE(world.managed.logged("profile Focus: com.example.Notes full screen skipped, already full screen or not open"));
}

// The Spaces of a load follow over seconds; a manager gone by then must not reach its windows any more.
TEST(ProfileFullScreenTest, AManagerGoneMidwayPutsNoMoreSpacesBack) {
    FullScreenDesktop world;
    world.manager().load(
        {.name = "Focus",
         .fullScreen = std::vector<FullScreenSnapshot>{{{{editorId, 0}}}, {{{notesId, 0}}}}});
    world.managed.advance(200ms);
    ASSERT_FALSE(world.inFullScreen(world.a));

    world.managed.made.reset();
    world.managed.advance(10s);
    EXPECT_FALSE(world.inFullScreen(world.a));
    EXPECT_FALSE(world.inFullScreen(world.c));
}

TEST(ProfileFullScreenTest, TheDesktopToShowIsShownWhenItExists) {
    struct Case {
        const char* name;
        std::int64_t show;
        bool removeThird;
        std::size_t shown;
    };
    const std::vector<Case> cases{
        {"desktop 2", 2, false, 2},
        {"desktop 3 of two", 3, true, 1},
        {"a number beyond 32 bits that wraps onto 2", (std::int64_t{1} << 32) + 2, false, 1},
        {"zero", 0, false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FullScreenDesktop world;
        if (c.removeThird)
            world.desktop.removeDesktop(world.desktopNumber(3));
        world.managed.advance(1s);

        world.manager().load({.name = "Show", .show = c.show});
        world.managed.advance(3s);

        EXPECT_EQ(world.desktop.currentSpace(world.main), world.desktopNumber(c.shown));
    }
}

} // namespace
} // namespace quillmere
