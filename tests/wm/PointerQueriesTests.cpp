#include "support/Printers.h"
#include "support/TwoTiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

namespace quillmere {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::optional<WindowId> idOf(const std::optional<AXWindow>& window) {
    return window ? std::optional(window->id) : std::nullopt;
}

std::vector<WindowId> idsOf(const std::vector<AXWindow>& windows) {
    std::vector<WindowId> ids;
    for (const AXWindow& window : windows)
        ids.push_back(window.id);
    return ids;
}

TEST(PointerQueriesTest, TheFirstDecidingWindowUnderThePointerAnswers) {
    struct Case {
        const char* name;
        // Puts something over the middle of the left tile, and answers what must live while it is asked.
        std::function<std::shared_ptr<void>(TwoTiles&)> cover;
        bool leftAnswers;
    };
    const std::shared_ptr<void> nothing;
    const auto middle = [](TwoTiles& w) { return Rect(w.centre(w.left).x - 50, w.centre(w.left).y - 50, 100, 100); };
    const std::vector<Case> cases{
        {"nothing", [&](TwoTiles&) { return nothing; }, true},
        {"a pop-up menu of a background application",
         [&](TwoTiles& w) {
             w.desktop.openPopUpMenu(w.mail, middle(w));
             return nothing;
         },
         false},
        {"a utility panel of a background application",
         [&](TwoTiles& w) {
             const std::int32_t notes = w.launch("Notes");
             w.open(notes, {.frame = middle(w), .subrole = "AXFloatingWindow", .layer = 3});
             return nothing;
         },
         true},
        {"a utility panel of the front application",
         [&](TwoTiles& w) {
             const std::int32_t notes = w.launch("Notes");
             w.click(w.open(notes, {.frame = middle(w), .subrole = "AXFloatingWindow", .layer = 3}));
             return nothing;
         },
         false},
        {"our own click-through overlay",
         [&](TwoTiles& w) {
             auto overlay = std::make_shared<Overlay>(w.desktop, w.desktop, w.managed.queue);
             overlay->show(middle(w), Overlay::Kind::hint("look"));
             return std::shared_ptr<void>(overlay);
         },
         true},
        {"our own panel that takes clicks",
         [&](TwoTiles& w) {
             std::shared_ptr<Panel> panel = w.desktop.makePanel({.level = WindowLevel::normal});
             const Rect over = middle(w);
             panel->setFrame({over.minX(), 900 - over.maxY(), over.width(), over.height()});
             panel->orderFrontRegardless();
             return std::shared_ptr<void>(panel);
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TwoTiles w;
        const std::shared_ptr<void> kept = c.cover(w);
        w.managed.settle();
        EXPECT_EQ(idOf(w.manager().window(w.centre(w.left))),
                  c.leftAnswers ? std::optional(w.left) : std::nullopt);
        EXPECT_EQ(idOf(w.manager().window(w.centre(w.right))), w.right) << "beside the cover";
    }
}

TEST(PointerQueriesTest, NearFindsWindowsWithinTheSlackOnEverySideAndAroundThePoint) {
    TwoTiles w;
    const Rect left = w.frame(w.left);
    const Rect right = w.frame(w.right);
    EXPECT_THAT(idsOf(w.manager().windows(w.centre(w.left), 8)), ElementsAre(w.left));
    EXPECT_THAT(idsOf(w.manager().windows({left.minX() - 8, left.midY()}, 8)), ElementsAre(w.left));
    EXPECT_THAT(idsOf(w.manager().windows({left.midX(), left.minY() - 8.5}, 8)), IsEmpty());
    const Point between{(left.maxX() + right.minX()) / 2, left.midY()};
    EXPECT_EQ(idsOf(w.manager().windows(between, 8)).size(), 2u);
}

TEST(PointerQueriesTest, TiledMeansInATreeAndFocusIsOurKeyWindowWhileWeAreInFront) {
    TwoTiles w;
    EXPECT_TRUE(w.manager().isTiled(w.left));
    w.click(w.right);
    w.run("float");
    EXPECT_FALSE(w.manager().isTiled(w.right));
    EXPECT_EQ(w.manager().focusedWindowID(), w.right);

    const WindowId settings = w.open(w.own, {.title = "Settings", .frame = {300, 300, 400, 300}});
    w.click(settings);
    EXPECT_EQ(w.manager().focusedWindowID(), settings);
}

} // namespace
} // namespace quillmere
