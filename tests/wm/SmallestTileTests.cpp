#include "support/CommandedDesktop.h"
#include "support/Printers.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillmere {
namespace {

// Seven windows of four applications tiled on a 1440 x 900 display, none of which has told its minimum size.
struct SevenWindows : CommandedDesktop {
    SevenWindows() {
        const std::vector<std::int32_t> apps{launch("Editor"), launch("Mail"), launch("Notes"), launch("Terminal")};
        for (std::size_t i = 0; i < 7; ++i)
            windows.push_back(open(apps[i % apps.size()], {.frame = {100.0 + 20 * i, 100, 700, 500}}));
        start();
        click(windows.front());
    }
    // Every tiled window on screen is at least as large as the smallest tile.
    void expectNoTileBelowTheFloor(const std::string& after) {
        const SpaceLayout& layout = *probe().layout(desktop.currentSpace(main));
        for (const WindowId window : layout.tree.windows()) {
            const Rect frame = *desktop.frame(window);
            EXPECT_GE(frame.width(), WindowManager::smallestTile.width) << window << " after " << after;
            EXPECT_GE(frame.height(), WindowManager::smallestTile.height) << window << " after " << after;
        }
    }

    const DisplayId main = desktop.addDisplay({.name = "Main", .bounds = {0, 0, 1440, 900}});
    std::vector<WindowId> windows;
};

TEST(SmallestTile, NoCommandSqueezesAWindowWithoutAKnownMinimumToNothing) {
    const std::vector<std::vector<std::string>> runs{
        {"place left", "place left"},
        {"place left", "place left", "place left"},
        {"place right", "place right", "rotate 90"},
        {"place top", "place top", "mirror vertical"},
        {"balance", "place left", "place left", "balance"},
    };
    for (const auto& commands : runs) {
        SevenWindows d;
        for (const std::string& command : commands) {
            d.run(command);
            d.expectNoTileBelowTheFloor(command);
        }
    }
}

TEST(SmallestTile, FlippingASplitAfterAPlacementKeepsEveryTileAboveTheFloor) {
    for (std::size_t focused = 0; focused < 7; ++focused) {
        SCOPED_TRACE(focused);
        SevenWindows d;
        d.run("place left");
        d.run("place left");
        d.click(d.windows[focused]);
        d.run("split");
        d.expectNoTileBelowTheFloor("split");
    }
}

} // namespace
} // namespace quillmere
