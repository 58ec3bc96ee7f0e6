#include "X11Session.h"
#include "platform/x11/X11Displays.h"
#include "support/Printers.h"

#include <cstdlib>

namespace quillmere {
namespace {

class X11DisplaysTests : public X11Session {
  protected:
    void SetUp() override {
        X11Session::SetUp();
        displays = std::make_unique<X11Displays>(*connection);
        displays->onChange([this] { ++changes; });
    }
    void TearDown() override {
        // Back to the server's own single monitor.
        (void)std::system(
            "xrandr --delmonitor right >/dev/null 2>&1; xrandr --delmonitor left >/dev/null 2>&1");
    }

    static void xrandr(const std::string& arguments) {
        ASSERT_EQ(std::system(("xrandr " + arguments).c_str()), 0);
    }

    std::unique_ptr<X11Displays> displays;
    int changes = 0;
};

TEST_F(X11DisplaysTests, MonitorsDefinedAndRemovedWithXrandrAreSeen) {
    ASSERT_EQ(displays->activeDisplays().size(), 1u);
    const DisplayId whole = displays->mainDisplay();
    EXPECT_EQ(displays->bounds(whole), Rect(0, 0, 1280, 800));
    const std::string wholeIdentity = displays->uuid(whole).value();

    xrandr("--setmonitor right 640/169x800/211+640+0 none");
    xrandr("--setmonitor left 640/169x800/211+0+0 screen");
    ASSERT_TRUE(waitFor([&] { return changes > 0 && displays->activeDisplays().size() == 2; }));
    const auto ids = displays->activeDisplays();
    EXPECT_EQ(displays->mainDisplay(), ids[0]);
    EXPECT_EQ(displays->bounds(ids[0]), Rect(0, 0, 640, 800));
    EXPECT_EQ(displays->bounds(ids[1]), Rect(640, 0, 640, 800));
    EXPECT_NE(displays->uuid(ids[0]), displays->uuid(ids[1]));
    EXPECT_EQ(displays->displaysWithPoint(Point{700, 10}, 4), std::vector<DisplayId>{ids[1]});
    const auto screens = displays->screens();
    ASSERT_EQ(screens.size(), 2u);
    EXPECT_EQ(screens[1].localizedName, "right");
    EXPECT_EQ(screens[1].frame, Rect(640, 0, 640, 800));
    EXPECT_EQ(screens[1].number, ids[1]);
    const std::string rightIdentity = displays->uuid(ids[1]).value();

    // Unplugged and plugged back, the right monitor is the same display again.
    changes = 0;
    xrandr("--delmonitor right");
    ASSERT_TRUE(waitFor([&] { return changes > 0 && displays->activeDisplays().size() == 1; }));
    EXPECT_EQ(displays->bounds(ids[1]), Rect::null());
    xrandr("--setmonitor right 640/169x800/211+640+0 none");
    ASSERT_TRUE(waitFor([&] { return displays->activeDisplays().size() == 2; }));
    EXPECT_EQ(displays->uuid(displays->activeDisplays()[1]), rightIdentity);
    EXPECT_NE(rightIdentity, wholeIdentity);
}

TEST_F(X11DisplaysTests, TheVisibleFrameFollowsTheWorkArea) {
    const auto screen = displays->mainScreen();
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->frame, Rect(0, 0, 1280, 800));
    // Openbox's test configuration reserves nothing.
    EXPECT_EQ(screen->visibleFrame, Rect(0, 0, 1280, 800));
}

} // namespace
} // namespace quillmere
