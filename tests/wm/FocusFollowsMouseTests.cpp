#include "support/Printers.h"
#include "support/TwoTiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

using namespace std::chrono_literals;

// The two tiles and a third window, Notes', on the main display; the pointer rests on the focused left tile.
struct ThreeWindows : TwoTiles {
    ThreeWindows() {
        third = open(notes, {.title = "third", .frame = {300, 300, 400, 300}, .space = space});
        managed.advance(1s);
        click(left);
        desktop.movePointer(centre(left));
        managed.advance(1s);
    }
    // The application window in front of the others on screen.
    WindowId frontWindow() {
        for (const WindowDescription& shown : desktop.onScreenWindows())
            if (shown.layer == 0 && shown.ownerPid != own)
                return shown.number;
        return 0;
    }
    WindowId third = 0;
};

TEST(FocusFollowsMouseTest, RestingOnAWindowFocusesItWithoutRaising) {
    ThreeWindows w;
    w.desktop.movePointer(w.centre(w.right));
    w.managed.advance(140ms);
    EXPECT_EQ(w.frontApp(), w.editor) << "not before the pointer has rested";
    w.managed.advance(20ms);
    EXPECT_EQ(w.frontApp(), w.mail);
    EXPECT_EQ(w.frontWindow(), w.left) << "not raised";
}

TEST(FocusFollowsMouseTest, TheWindowThePointerFinallyRestsOnWins) {
    ThreeWindows w;
    w.desktop.movePointer(w.centre(w.right));
    w.managed.advance(100ms);
    w.desktop.movePointer(w.centre(w.third));
    w.managed.advance(1s);
    EXPECT_EQ(w.frontApp(), w.notes);
    for (const sim::FrontProcessRequest& request : w.desktop.frontProcessRequests())
        EXPECT_NE(request.window, w.right) << "Mail never came to the front";
}

TEST(FocusFollowsMouseTest, AClickDuringTheWaitWins) {
    ThreeWindows w;
    w.desktop.movePointer(w.centre(w.right));
    w.managed.advance(50ms);
    w.click(w.third);
    w.managed.advance(1s);
    EXPECT_EQ(w.frontApp(), w.notes);
}

// The last motion came within 16 ms of the last hit test, which was over the focused window.
TEST(FocusFollowsMouseTest, APointerThatStopsRightAfterAHitTestStillFocuses) {
    ThreeWindows w;
    w.desktop.movePointer({w.centre(w.left).x + 1, w.centre(w.left).y});
    w.managed.advance(5ms);
    w.desktop.movePointer(w.centre(w.right));
    w.managed.advance(1s);
    EXPECT_EQ(w.frontApp(), w.mail);
}

TEST(FocusFollowsMouseTest, NothingFollowsWhenTheSettingIsOff) {
    ThreeWindows w;
    Settings settings = Settings::default_();
    settings.focusFollowsMouse = false;
    w.manager().update(settings);
    w.desktop.movePointer(w.centre(w.right));
    w.managed.advance(1s);
    EXPECT_EQ(w.frontApp(), w.editor);
}

} // namespace
} // namespace quillmere
