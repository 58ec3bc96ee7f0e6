#include "support/CommandedDesktop.h"
#include "support/Printers.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace quillmere {
namespace {

// Five windows on a 1440 x 900 display, four of which refuse to shrink below a size of their own, in a layout
// that a placement left at uneven ratios.
struct UnevenDesktop : CommandedDesktop {
    UnevenDesktop() {
        const std::int32_t browser = launch("Browser");
        const std::int32_t terminal = launch("Terminal");
        windows = {open(browser, {.frame = {40, 60, 900, 700}, .minimumSize = Size{400, 300}}),
                   open(browser, {.frame = {560, 200, 900, 700}, .minimumSize = Size{400, 300}}),
                   open(terminal, {.frame = {300, 420, 585, 368}, .minimumSize = Size{300, 200}}),
                   open(launch("Mail"), {.frame = {200, 120, 1000, 700}, .minimumSize = Size{600, 400}}),
                   open(launch("Notes"), {.frame = {120, 140, 800, 600}})};
        start();
        click(windows.front());
        run("place left");
        run("place left");
    }
    std::map<WindowId, Rect> frames() {
        std::map<WindowId, Rect> result;
        for (const WindowId window : windows)
            result.emplace(window, *desktop.frame(window));
        return result;
    }

    const DisplayId main = desktop.addDisplay({.name = "Main", .bounds = {0, 0, 1440, 900}});
    std::vector<WindowId> windows;
};

TEST(InverseSteps, AStepAndItsInverseGiveBackTheFrames) {
    struct Case {
        std::string step;
        std::string inverse;
    };
    const std::vector<Case> cases{
        {"pause", "pause"},
        {"rotate 90", "rotate 270"},
        {"rotate 270", "rotate 90"},
        {"rotate 180", "rotate 180"},
        {"mirror horizontal", "mirror horizontal"},
        {"mirror vertical", "mirror vertical"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step + ", " + c.inverse);
        UnevenDesktop d;
        for (std::size_t focused = 0; focused < d.windows.size(); ++focused) {
            d.click(d.windows[focused]);
            const auto before = d.frames();

            d.run(c.step);
            d.run(c.inverse);

            EXPECT_EQ(d.frames(), before) << "focused " << focused;
        }
    }
}

} // namespace
} // namespace quillmere
