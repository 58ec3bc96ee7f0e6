#include "menubar/ArrangementStrip.h"
#include "support/ManagedDesktop.h"

#include <QTest>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

ArrangementItem item(std::string id, Rect frame, bool highlighted = false) {
    return {.id = id, .name = id + " Display", .frame = frame, .highlighted = highlighted};
}

std::vector<Rect> rects(const std::vector<ArrangementThumbnail>& thumbnails) {
    std::vector<Rect> result;
    for (const ArrangementThumbnail& thumbnail : thumbnails)
        result.push_back(thumbnail.rect);
    return result;
}

TEST(ArrangementStripLayout, DisplaysAreScaledTogetherCentredAndInsetByTwo) {
    struct Case {
        const char* arrangement;
        std::vector<ArrangementItem> items;
        Size strip;
        std::vector<Rect> rects;
    };
    const Case cases[] = {
        {"one display fills the height", {item("A", {0, 0, 1600, 1000})}, {300, 64},
         {Rect(100.8, 2, 98.4, 60)}},
        // The union is 4160 × 1440, scaled by 64 / 1440 and centred; the smaller display keeps its size
        // ratio and its offset.
        {"two sizes side by side",
         {item("A", {0, 0, 1600, 1000}), item("B", {1600, -440, 2560, 1440})},
         {400, 64},
         {Rect(107.5556 + 2, 19.5556 + 2, 71.1111 - 4, 44.4444 - 4), Rect(178.6667 + 2, 2, 113.7778 - 4, 60)}},
        {"a frame without extent stays where it is", {item("A", {10, 10, 0, 0})}, {300, 64}, {Rect(10, 10, 0, 0)}},
        {"so do frames whose union has no height",
         {item("A", {0, 500, 1600, 0}), item("B", {1600, 500, 900, 0})},
         {300, 64},
         {Rect(2, 500, 1596, 0), Rect(1602, 500, 896, 0)}},
    };
    for (const Case& c : cases) {
        const auto got = rects(ArrangementStripLayout::thumbnails(c.items, std::nullopt, c.strip));
        ASSERT_EQ(got.size(), c.rects.size()) << c.arrangement;
        for (std::size_t index = 0; index < got.size(); ++index) {
            EXPECT_NEAR(got[index].origin.x, c.rects[index].origin.x, 1e-3) << c.arrangement;
            EXPECT_NEAR(got[index].origin.y, c.rects[index].origin.y, 1e-3) << c.arrangement;
            EXPECT_NEAR(got[index].size.width, c.rects[index].size.width, 1e-3) << c.arrangement;
            EXPECT_NEAR(got[index].size.height, c.rects[index].size.height, 1e-3) << c.arrangement;
        }
    }
}

TEST(ArrangementStripLayout, MarksTheMenuBarAndWhatIsReadOut) {
    const auto thumbnails = ArrangementStripLayout::thumbnails(
        {item("Main", {0, 0, 1600, 1000}), item("Side", {1600, 0, 1600, 1000}, true), item("Top", {0, -1000, 1600, 1000})},
        "Top", {400, 128});
    ASSERT_EQ(thumbnails.size(), 3u);
    ASSERT_TRUE(thumbnails[0].menuBar) << "only the display at the origin";
    EXPECT_FALSE(thumbnails[1].menuBar);
    EXPECT_FALSE(thumbnails[2].menuBar);
    EXPECT_DOUBLE_EQ(thumbnails[0].menuBar->height(), std::max(0.07 * thumbnails[0].rect.height(), 3.0));
    EXPECT_EQ(thumbnails[0].menuBar->origin, thumbnails[0].rect.origin);

    EXPECT_FALSE(thumbnails[0].marked);
    EXPECT_TRUE(thumbnails[1].marked) << "highlighted";
    EXPECT_TRUE(thumbnails[2].marked) << "selected";
    EXPECT_EQ(thumbnails[1].accessibleName, "Side Display, active");
    EXPECT_EQ(thumbnails[2].accessibleName, "Top Display") << "selected is not active";

    const auto tiny = ArrangementStripLayout::thumbnails({item("Main", {0, 0, 1600, 1000})}, std::nullopt, {40, 20});
    EXPECT_DOUBLE_EQ(tiny[0].menuBar->height(), 3) << "never thinner than 3";
}

TEST(ArrangementStripLayout, ALongNameShrinksToSixtyPercentAtMost) {
    EXPECT_DOUBLE_EQ(ArrangementStripLayout::nameScale(50, 80), 1);
    EXPECT_DOUBLE_EQ(ArrangementStripLayout::nameScale(100, 80), 0.8);
    EXPECT_DOUBLE_EQ(ArrangementStripLayout::nameScale(400, 80), 0.6);
}

class ArrangementStripTest : public testing::Test {
  protected:
    ArrangementStripTest() {
        strip.resize(400, 64);
        strip.setItems({item("Main", {0, 0, 1600, 1000}), item("Side", {1600, 0, 1600, 1000}, true)}, std::nullopt);
        strip.show();
    }

    ManagedDesktop managed;
    Wallpaper wallpaper{managed.spaces, managed.desktop, managed.desktop, managed.desktop};
    ArrangementStrip strip{wallpaper, 64};
};

TEST_F(ArrangementStripTest, AClickSelectsTheDisplayOnlyWhenTheStripCanSelect) {
    ASSERT_EQ(strip.buttons().size(), 2u);
    QTest::mouseClick(strip.buttons()[1], Qt::LeftButton);
    EXPECT_EQ(strip.buttons().size(), 2u) << "without select a click changes nothing";

    std::vector<std::string> selected;
    strip.select = [&](const std::string& id) { selected.push_back(id); };
    QTest::mouseClick(strip.buttons()[1], Qt::LeftButton);
    QTest::mouseClick(strip.buttons()[0], Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(selected, (std::vector<std::string>{"Side", "Main"})) << "anywhere on a thumbnail";
}

TEST_F(ArrangementStripTest, ThumbnailsCarryTheirNamesAndFollowTheStripsWidth) {
    const auto* side = strip.buttons()[1];
    EXPECT_EQ(side->toolTip(), "Side Display");
    EXPECT_EQ(side->accessibleName(), "Side Display, active");
    const int before = side->width();
    strip.resize(100, 64);
    EXPECT_LT(side->width(), before) << "the width limits them now";
    EXPECT_LE(side->geometry().right(), 100);
}

} // namespace
} // namespace quillmere
