#include "support/CommandedDesktop.h"
#include "support/Printers.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillmere {
namespace {

// An editor window on the left half and a mail window on the right half of one display, the mail focused.
struct TwoApps : CommandedDesktop {
    TwoApps() {
        start();
        click(mail);
    }
    Settings settings(bool mouseFollowsFocus) {
        Settings settings = Settings::default_();
        settings.mouseFollowsFocus = mouseFollowsFocus;
        return settings;
    }

    const DisplayId main = desktop.addDisplay({.name = "Main", .bounds = {0, 0, 1440, 900}, .desktops = 2});
    const std::int32_t editorApp = launch("Editor");
    const std::int32_t mailApp = launch("Mail");
    const WindowId editor = open(editorApp, {.frame = {100, 100, 500, 400}});
    const WindowId mail = open(mailApp, {.frame = {800, 100, 500, 400}});
};

TEST(Focus, BringsTheWindowForwardAndThePointerFollowsOnlyWhenAskedAndNeeded) {
    struct Case {
        const char* name;
        bool frontProcessFails;
        bool mouseFollowsFocus;
        bool pointerOnTarget;
        bool pointerMoves;
    };
    const std::vector<Case> cases{
        {"the pointer follows", false, true, false, true},
        {"plain activation when the front process is refused", true, true, false, true},
        {"the pointer stays when it need not follow", false, false, false, false},
        {"the pointer is on the window already", false, true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TwoApps d;
        d.manager().update(d.settings(c.mouseFollowsFocus));
        d.desktop.failFrontProcess(c.frontProcessFails);
        const Point centre = d.desktop.frame(d.editor)->center();
        const Point pointer = c.pointerOnTarget ? Point{centre.x + 20, centre.y + 20} : Point{1400, 880};
        d.desktop.movePointer(pointer);

        d.run("focus west");

        EXPECT_EQ(d.frontApp(), d.editorApp);
        EXPECT_EQ(d.keyWindowOf(d.editorApp), d.editor);
        ASSERT_FALSE(d.desktop.frontProcessRequests().empty());
        EXPECT_EQ(d.desktop.frontProcessRequests().back().window, d.editor);
        EXPECT_EQ(d.desktop.frontProcessRequests().back().options, FrontProcessOptions::bringForward);
        EXPECT_EQ(d.desktop.pointer(), c.pointerMoves ? d.desktop.frame(d.editor)->center() : pointer);
    }
}

TEST(Focus, ShowingAWindowSwitchesToItsSpaceAndLeavesThePointerAlone) {
    TwoApps d;
    const SpaceId second = d.desktop.spaceOrder(d.main)[1];
    const WindowId notes = d.open(d.launch("Notes"), {.frame = {300, 300, 500, 400}, .space = second});
    d.managed.settle();
    // On the menu bar, outside every window.
    const Point pointer{1400, 10};
    d.desktop.movePointer(pointer);

    d.manager().show(notes);
    d.managed.advance(CommandedDesktop::commandSettleTime);

    EXPECT_EQ(d.desktop.currentSpace(d.main), second);
    EXPECT_EQ(d.keyWindowOf(d.desktop.describe({notes}).front().ownerPid), notes);
    EXPECT_EQ(d.desktop.frontmostApplication()->localizedName, "Notes");
    EXPECT_EQ(d.desktop.pointer(), pointer);
}

TEST(Focus, AWindowRoutedByARuleIsFocusedWhereItWentWhenRoutedWindowsAreFollowed) {
    TwoApps d;
    Settings settings = d.settings(true);
    settings.appSpaces = {{"Notes", 2}};
    settings.followRoutedWindows = true;
    d.manager().update(settings);

    const WindowId notes = d.open(d.launch("Notes"), {.frame = {300, 300, 500, 400}});
    d.managed.advance(CommandedDesktop::commandSettleTime);

    const SpaceId second = d.desktop.spaceOrder(d.main)[1];
    EXPECT_EQ(d.desktop.currentSpace(d.main), second);
    EXPECT_EQ(d.desktop.frontmostApplication()->localizedName, "Notes");
    EXPECT_EQ(d.keyWindowOf(d.desktop.describe({notes}).front().ownerPid), notes);
    EXPECT_TRUE(d.desktop.frame(notes)->contains(d.desktop.pointer()));
}

// Three displays side by side: an editor window on the left, nothing in the middle, a mail window on the
// right.
struct ThreeDisplays : CommandedDesktop {
    ThreeDisplays() {
        start();
        click(editor);
    }
    void expectFocusOn(WindowId window, const std::string& display) {
        EXPECT_TRUE(managed.logged("focus display " + display + ": window " + std::to_string(window)));
        EXPECT_EQ(keyWindowOf(desktop.describe({window}).front().ownerPid), window);
        EXPECT_EQ(desktop.frontmostApplication()->processIdentifier,
                  desktop.describe({window}).front().ownerPid);
        EXPECT_EQ(desktop.pointer(), desktop.frame(window)->center());
    }
    void expectPointerOnEmptyMiddle(long times) {
        EXPECT_EQ(std::ranges::count(managed.log.entries(),
                                     "focus display Middle: empty, moving the pointer there",
                                     &LogEntry::message),
                  times);
        EXPECT_EQ(desktop.pointer(), Rect(1440, 0, 1280, 800).center());
    }

    const DisplayId left = desktop.addDisplay({.name = "Left", .bounds = {0, 0, 1440, 900}});
    const DisplayId middle = desktop.addDisplay({.name = "Middle", .bounds = {1440, 0, 1280, 800}});
    const DisplayId right = desktop.addDisplay({.name = "Right", .bounds = {2720, 0, 1440, 900}});
    const WindowId editor = open(launch("Editor"), {.frame = {100, 100, 500, 400}});
    const WindowId mail = open(launch("Mail"), {.frame = {2800, 100, 500, 400}});
};

TEST(Focus, FocusingDisplaysWalksAcrossAnEmptyOneAndBack) {
    ThreeDisplays d;

    d.run("display next");
    d.expectPointerOnEmptyMiddle(1);
    EXPECT_EQ(d.keyWindowOf(d.desktop.describe({d.editor}).front().ownerPid), d.editor);

    d.run("display next");
    d.expectFocusOn(d.mail, "Right");

    d.run("display prev");
    d.expectPointerOnEmptyMiddle(2);

    d.run("display prev");
    d.expectFocusOn(d.editor, "Left");
}

TEST(Focus, FocusingDisplaysWithOneDisplayDoesNothing) {
    TwoApps d;
    const Point pointer = d.desktop.pointer();
    d.run("display next");
    EXPECT_TRUE(d.managed.logged("focus display: nothing to do, 1 display(s)"));
    EXPECT_EQ(d.desktop.pointer(), pointer);
    EXPECT_EQ(d.keyWindowOf(d.mailApp), d.mail);
}

} // namespace
} // namespace quillmere
