#include "platform/ManualMainQueue.h"
#include "platform/sim/SimulatedDesktop.h"
#include "support/Printers.h"
#include "system/Overlay.h"

#include <chrono>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

using namespace std::chrono_literals;
using Kind = Overlay::Kind;

struct KindCase {
    Kind kind;
    std::string label;
    std::string symbol;
    SystemColor tint;
};

void PrintTo(const KindCase& kindCase, std::ostream* out) {
    *out << kindCase.label;
}

class KindTest : public testing::TestWithParam<KindCase> {};

TEST_P(KindTest, SaysWhatItMeansWithItsSymbolAndTint) {
    EXPECT_EQ(GetParam().kind.label(), GetParam().label);
    EXPECT_EQ(GetParam().kind.symbol(), GetParam().symbol);
    EXPECT_EQ(GetParam().kind.tint(), GetParam().tint);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KindTest,
    testing::Values(
        KindCase{Kind::swap("Notes"), "Swap with Notes", "arrow.left.arrow.right", SystemColor::orange},
        KindCase{Kind::insert(Direction::west, "Notes"), "Insert left of Notes", "arrow.left.to.line",
                 SystemColor::accent},
        KindCase{Kind::insert(Direction::east, "Notes"), "Insert right of Notes", "arrow.right.to.line",
                 SystemColor::accent},
        KindCase{Kind::insert(Direction::north, "Mail"), "Insert above Mail", "arrow.up.to.line",
                 SystemColor::accent},
        KindCase{Kind::insert(Direction::south, "Mail"), "Insert below Mail", "arrow.down.to.line",
                 SystemColor::accent},
        KindCase{Kind::send(3), "Send to Space 3", "rectangle.portrait.and.arrow.right", SystemColor::purple},
        KindCase{Kind::moveToDisplay("Studio"), "Move to Studio", "display", SystemColor::purple},
        KindCase{Kind::refused("No room"), "No room", "exclamationmark.triangle", SystemColor::red},
        KindCase{Kind::hint("Release to drop"), "Release to drop", "hand.tap", SystemColor::blue},
        KindCase{Kind::fillHole(), "Fill empty tile", "square.dashed.inset.filled", SystemColor::green},
        KindCase{Kind::preselect(), "Next window goes here", "plus.rectangle.on.rectangle",
                 SystemColor::teal}));

TEST(OverlayKindTest, KindsAreEqualWithTheSameCaseAndPayload) {
    EXPECT_EQ(Kind::swap("A"), Kind::swap("A"));
    EXPECT_NE(Kind::swap("A"), Kind::swap("B"));
    EXPECT_NE(Kind::refused("A"), Kind::hint("A"));
    EXPECT_NE(Kind::insert(Direction::west, "A"), Kind::insert(Direction::east, "A"));
    EXPECT_EQ(OverlayView::fillOpacity(true), 0.4);
    EXPECT_EQ(OverlayView::fillOpacity(false), 0.22);
}

class OverlayTest : public testing::Test {
  protected:
    const sim::Panel& panel() const {
        const auto panels = desktop.panels();
        EXPECT_EQ(panels.size(), 1u);
        return *panels.front();
    }
    const Kind& shownKind() const { return dynamic_cast<const OverlayView&>(*panel().content).kind; }
    // What the overlay did; the system's own animation then takes the panel off screen.
    bool orderedOut() const { return panel().ordering == WindowOrderingMode::out; }

    ManualMainQueue queue;
    SimulatedDesktop desktop{queue};
    const DisplayId main = desktop.addDisplay({.bounds = {0, 0, 1440, 900}});
    const Rect area{100, 100, 400, 300};
    Overlay overlay{desktop, desktop, queue};
};

TEST_F(OverlayTest, ShowsAClickThroughFloatingPanelOverTheRectangle) {
    overlay.show(area, Kind::swap("Notes"));

    EXPECT_TRUE(panel().visible);
    EXPECT_EQ(panel().ordering, WindowOrderingMode::above);
    EXPECT_EQ(panel().relativeTo, 0u);
    // The rectangle's bottom edge, 400, lies 500 above the bottom of the 900-high screen.
    EXPECT_EQ(panel().frame, Rect(100, 500, 400, 300));
    EXPECT_EQ(shownKind(), Kind::swap("Notes"));
    EXPECT_EQ(panel().style.level, WindowLevel::floating);
    EXPECT_EQ(panel().style.collectionBehavior, 0x109u);
    EXPECT_TRUE(panel().style.ignoresMouseEvents);
    EXPECT_FALSE(panel().style.opaque || panel().style.hasShadow);
    EXPECT_EQ(panel().style.background, Color::clear());
}

TEST_F(OverlayTest, KeepsTheViewForTheSameKindAndReplacesItForAnother) {
    overlay.show(area, Kind::swap("Notes"));
    const auto first = panel().content;
    overlay.show({0, 0, 10, 10}, Kind::swap("Notes"));
    EXPECT_EQ(panel().content, first);
    overlay.show(area, Kind::swap("Mail"));
    EXPECT_NE(panel().content, first);
    EXPECT_EQ(shownKind(), Kind::swap("Mail"));
}

TEST(OverlayWithoutScreensTest, ShowsNothingWithoutAScreen) {
    ManualMainQueue queue;
    SimulatedDesktop desktop{queue};
    Overlay overlay{desktop, desktop, queue};
    overlay.show({0, 0, 10, 10}, Kind::fillHole());
    EXPECT_TRUE(desktop.panels().empty());
}

TEST_F(OverlayTest, AFlashStaysForItsDurationThenFadesOutAndComesBackAtFullAlpha) {
    overlay.flash(area, Kind::hint("Dropped"), 1.0);
    queue.advance(999ms);
    EXPECT_TRUE(panel().visible);
    EXPECT_EQ(panel().alpha, 1);
    EXPECT_FALSE(panel().fade);

    queue.advance(1ms);
    ASSERT_TRUE(panel().fade);
    EXPECT_EQ(panel().fade->to, 0);
    EXPECT_TRUE(panel().visible);

    queue.advance(300ms);
    EXPECT_TRUE(orderedOut());
    EXPECT_EQ(panel().alpha, 1);
    EXPECT_FALSE(panel().fade);

    overlay.show(area, Kind::hint("Again"));
    EXPECT_TRUE(panel().visible);
    EXPECT_EQ(panel().alpha, 1);
}

TEST_F(OverlayTest, ASecondFlashPutsOffTheFirstOnesFade) {
    overlay.flash(area, Kind::hint("One"), 1.0);
    queue.advance(500ms);
    overlay.flash(area, Kind::hint("Two"), 1.0);
    queue.advance(999ms);
    EXPECT_FALSE(panel().fade);
    EXPECT_TRUE(panel().visible);
    queue.advance(1ms);
    EXPECT_TRUE(panel().fade);
    queue.advance(300ms);
    EXPECT_TRUE(orderedOut());
}

TEST_F(OverlayTest, AFlashDuringAFadeStaysShown) {
    overlay.flash(area, Kind::hint("One"), 1.0);
    queue.advance(1100ms);
    ASSERT_TRUE(panel().fade);
    overlay.flash(area, Kind::hint("Two"), 1.0);

    // The first fade ends at 1.3 s.
    queue.advance(200ms);
    EXPECT_TRUE(panel().visible);
    EXPECT_EQ(panel().alpha, 1);
    EXPECT_EQ(shownKind(), Kind::hint("Two"));

    // The second one's own fade begins at 2.1 s and ends at 2.4 s.
    queue.advance(799ms);
    EXPECT_TRUE(panel().visible);
    EXPECT_FALSE(panel().fade);
    queue.advance(1ms);
    EXPECT_TRUE(panel().fade);
    queue.advance(300ms);
    EXPECT_TRUE(orderedOut());
    EXPECT_EQ(panel().alpha, 1);
}

TEST_F(OverlayTest, HidingIsImmediateAndLeavesAPendingFadeToRun) {
    overlay.flash(area, Kind::hint("One"), 1.0);
    overlay.hide();
    EXPECT_TRUE(orderedOut());
    queue.advance(1300ms);
    EXPECT_FALSE(panel().visible);
    EXPECT_EQ(panel().alpha, 1);
    EXPECT_EQ(queue.scheduledCount(), 0u);
}

TEST_F(OverlayTest, AShowDoesNotStopAPendingFade) {
    overlay.flash(area, Kind::hint("One"), 1.0);
    overlay.show(area, Kind::preselect());
    queue.advance(1300ms);
    EXPECT_TRUE(orderedOut());
}

TEST(OverlayLifetimeTest, AnOverlayThatGoesAwayLeavesNoFadeBehind) {
    ManualMainQueue queue;
    SimulatedDesktop desktop{queue};
    desktop.addDisplay({});
    {
        Overlay overlay{desktop, desktop, queue};
        overlay.flash({0, 0, 10, 10}, Kind::fillHole(), 1.0);
    }
    EXPECT_EQ(queue.scheduledCount(), 0u);
    {
        Overlay overlay{desktop, desktop, queue};
        overlay.flash({0, 0, 10, 10}, Kind::fillHole(), 1.0);
        queue.advance(1100ms);
    }
    queue.advance(1s);
    EXPECT_TRUE(desktop.panels().empty());
}

} // namespace
} // namespace quillmere
