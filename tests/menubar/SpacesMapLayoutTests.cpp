#include "menubar/SpacesMapLayout.h"
#include "platform/ManualMainQueue.h"
#include "platform/sim/SimulatedDesktop.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

// Captions 6 wide per character and 12 high.
const CaptionMetrics captions{12, [](const std::string& text, bool) { return 6.0 * static_cast<double>(text.size()); }};

MiniSpace desktop(SpaceId id, int number, std::vector<MiniWindow> windows = {}, bool current = false) {
    return {.id = id, .number = number, .isCurrent = current, .windows = std::move(windows)};
}

MiniDisplay display(std::string name, Rect frame, std::vector<MiniSpace> spaces, bool active = false) {
    return {.id = name, .name = name, .frame = frame, .aspect = aspect(frame), .isActive = active,
            .spaces = std::move(spaces)};
}

class SpacesMapLayoutTest : public testing::Test {
  protected:
    SpacesMapLayout make(const std::vector<MiniDisplay>& displays, double width = 412) {
        return SpacesMapLayout::make(displays, 51, width, 14, captions, simulated);
    }

    ManualMainQueue queue;
    SimulatedDesktop simulated{queue};
};

TEST_F(SpacesMapLayoutTest, OneDisplayHasNoHeaderSeveralAreNamedInTheirRows) {
    EXPECT_TRUE(make({display("Built-in", {0, 0, 1600, 1000}, {desktop(1, 1)})}).headers.empty());

    // The studio display stands above the built-in one, so its row comes first.
    const auto layout = make({display("Built-in", {0, 1000, 1600, 1000}, {desktop(1, 1)}, true),
                              display("Studio", {0, -1440, 2560, 1440}, {desktop(2, 1)})});
    ASSERT_EQ(layout.headers.size(), 2u);
    EXPECT_EQ(layout.headers[0].text, "Studio");
    EXPECT_EQ(layout.headers[1].text, "Built-in · active");
    EXPECT_EQ(layout.cards[0].display, 1u);
    EXPECT_LT(layout.headers[0].frame.minY(), layout.cards[0].picture.minY());
    EXPECT_LT(layout.cards[0].picture.maxY(), layout.headers[1].frame.minY());
}

TEST_F(SpacesMapLayoutTest, TilesKeepTheirPlaceOnTheCardAndAMinimumSize) {
    const Size card{80, 50};
    EXPECT_EQ(tileFrame({0.5, 0, 0.5, 1}, card), Rect(40, 0, 40, 50));
    EXPECT_EQ(tileFrame({0.75, 0.5, 0.5, 0.25}, card), Rect(60, 25, 20, 12.5)) << "only the on-screen part";
    EXPECT_EQ(tileFrame({1.5, 1.5, 0.2, 0.2}, card), Rect(0, 0, 8, 8)) << "wholly off: top left corner";
    EXPECT_EQ(tileFrame({0.1, 0.2, 0.01, 0.01}, card), Rect(8, 10, 8, 8));
}

TEST_F(SpacesMapLayoutTest, EmptyDesktopsAreVeiledUnlessCurrent) {
    const MiniWindow window{.id = 7, .pid = 1, .rect = {0, 0, 0.5, 0.5}};
    const auto layout = make({display("Built-in", {0, 0, 1600, 1000},
                                      {desktop(1, 1, {}, true), desktop(2, 2), desktop(3, 3, {window})})});
    ASSERT_EQ(layout.cards.size(), 3u);
    EXPECT_FALSE(layout.cards[0].veiled);
    EXPECT_TRUE(layout.cards[1].veiled);
    EXPECT_FALSE(layout.cards[2].veiled);
    EXPECT_DOUBLE_EQ(layout.cards[2].picture.width(), 51 * 1.6);
}

TEST_F(SpacesMapLayoutTest, FullScreenPanesShareTheCardInProportion) {
    MiniSpace split = desktop(4, 2, {{.id = 9, .rect = {0.5, 0, 0.5, 1}}, {.id = 8, .rect = {0, 0, 0.5, 1}}});
    split.isFullScreen = true;
    MiniSpace empty = desktop(5, 3);
    empty.isFullScreen = true;
    const auto layout = make({display("Wide", {0, 0, 3440, 1440}, {desktop(1, 1), split, empty})});
    const MapCard& card = layout.cards[1];
    const double width = 51 * 1.6 * 0.8;
    EXPECT_DOUBLE_EQ(card.picture.width(), width);
    ASSERT_EQ(card.tiles.size(), 2u);
    EXPECT_EQ(card.tiles[0].window, 8u) << "left edge first";
    EXPECT_DOUBLE_EQ(card.tiles[0].frame.width(), width * 0.5);
    EXPECT_DOUBLE_EQ(card.tiles[1].frame.minX() - card.tiles[0].frame.maxX(), 1.5);
    EXPECT_EQ(layout.cards[2].captionText, "3 Full screen");
    EXPECT_TRUE(layout.cards[2].tiles.empty());
}

TEST_F(SpacesMapLayoutTest, ACaptionMayBeAsWideAsItsCardOrForty) {
    MiniSpace labelled = desktop(1, 1, {}, true);
    labelled.label = "A rather long label";
    // A tall display gives a card narrower than 40.
    const auto layout = make({display("Portrait", {0, 0, 500, 1000}, {labelled, desktop(2, 2)})});
    EXPECT_DOUBLE_EQ(layout.cards[0].picture.width(), 25.5);
    EXPECT_DOUBLE_EQ(layout.cards[0].caption.width(), 40);
    EXPECT_DOUBLE_EQ(layout.cards[1].caption.width(), 6) << "a short caption keeps its own width";
}

TEST(DropTarget, SharedSpacesTakeTheSpaceOfThePanelUnderThePoint) {
    MiniDisplay shared{.id = "spanning", .panels = {{0, 0, 0.5, 1}, {0.5, 0.25, 0.5, 0.75}},
                       .panelDisplays = {"a", "b"}};
    const MiniSpace space{.id = 1, .panelSpaces = {1, 2}};
    const MiniSpace short_{.id = 1, .panelSpaces = {1}};
    const Size card{100, 50};
    const std::vector<std::tuple<MiniDisplay, MiniSpace, Point, DropTarget>> cases{
        {shared, space, {75, 30}, {2, false}},
        {shared, space, {10, 10}, {1, false}},
        {shared, space, {75, 5}, {1, true}},   // above the second panel: no panel there
        {shared, short_, {75, 30}, {1, true}}, // the Space has no entry for that panel
        {MiniDisplay{}, space, {75, 30}, {1, true}},
    };
    for (const auto& [display, target, point, expected] : cases)
        EXPECT_EQ(dropTarget(display, target, point, card), expected) << point.x << "," << point.y;
}

TEST_F(SpacesMapLayoutTest, UnwrappedEachDisplayKeepsOneRowThatScrollsSideways) {
    const std::vector<MiniDisplay> displays{
        display("Built-in", {0, 0, 1600, 1000}, {desktop(1, 1, {}, true), desktop(2, 2), desktop(3, 3)}, true),
        display("Studio", {1600, 0, 1600, 1000}, {desktop(4, 1)})};
    const auto layout = SpacesMapLayout::make(displays, 100, 300, 14, captions, simulated, false);
    ASSERT_EQ(layout.cards.size(), 4u);
    // Cards 160 wide, 12 apart, top aligned, running past the map's width.
    for (std::size_t index = 0; index < 3; ++index) {
        EXPECT_DOUBLE_EQ(layout.cards[index].picture.minX(), 172.0 * static_cast<double>(index));
        EXPECT_DOUBLE_EQ(layout.cards[index].picture.minY(), layout.cards[0].picture.minY());
    }
    ASSERT_EQ(layout.rows.size(), 2u);
    EXPECT_EQ(layout.rows[0].display, 0u);
    EXPECT_DOUBLE_EQ(layout.rows[0].contentWidth, 3 * 160 + 2 * 12);
    const double cardsHeight = 100 + SpacesMapLayout::captionSpacing + layout.cards[0].caption.height();
    EXPECT_DOUBLE_EQ(layout.rows[0].band.height(), cardsHeight + 14) << "room for the scroll bar";
    EXPECT_DOUBLE_EQ(layout.cards[3].picture.minY(), layout.rows[0].band.maxY() + 14 + 14 + 6)
        << "the next display's header and its row follow";

    SpacesMapLayout scrolled = layout;
    scrolled.scroll(0, 50);
    EXPECT_DOUBLE_EQ(scrolled.cards[1].picture.minX(), 172 - 50);
    EXPECT_DOUBLE_EQ(scrolled.cards[3].picture.minX(), 0) << "other rows stay";
}

} // namespace
} // namespace quillmere
