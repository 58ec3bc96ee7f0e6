#include "core/FullScreenTiles.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

using Dictionary = PropertyList::Dictionary;
using Array = PropertyList::Array;

PropertyList rect(double x, double y, double width, double height) {
    return Dictionary{{"X", x}, {"Y", y}, {"Width", width}, {"Height", height}};
}

PropertyList tile(PropertyList window, PropertyList frame) {
    return Dictionary{{"TileWindowID", std::move(window)}, {"TileRect", std::move(frame)}};
}

PropertyList entry(Array tiles, std::optional<PropertyList> area = std::nullopt) {
    Dictionary manager{{"TileSpaces", std::move(tiles)}};
    if (area)
        manager.emplace("Layout Rect", *area);
    return Dictionary{{"id64", 9}, {"TileLayoutManager", std::move(manager)}};
}

TEST(PropertyListTest, TypedReadsAnswerNoneOnAnyOtherType) {
    const PropertyList integer(5);
    const PropertyList real(2.5);
    const PropertyList flag(true);
    const PropertyList text("5");
    EXPECT_EQ(integer.integer(), 5);
    EXPECT_EQ(integer.number(), 5.0);
    EXPECT_EQ(integer.floatingPoint(), std::nullopt);
    EXPECT_EQ(integer.boolean(), std::nullopt);
    EXPECT_EQ(real.integer(), std::nullopt);
    EXPECT_EQ(real.number(), 2.5);
    EXPECT_EQ(flag.number(), std::nullopt);
    EXPECT_EQ(flag.integer(), std::nullopt);
    EXPECT_EQ(flag.boolean(), true);
    EXPECT_EQ(text.number(), std::nullopt);
    EXPECT_EQ(*text.string(), "5");
    EXPECT_EQ(integer.string(), nullptr);
    EXPECT_EQ(text.array(), nullptr);
    EXPECT_EQ(text.dictionary(), nullptr);
    EXPECT_EQ(text.find("X"), nullptr);
}

TEST(PropertyListTest, EqualityComparesTypeAndContentDeeply) {
    EXPECT_EQ(rect(1, 2, 3, 4), rect(1, 2, 3, 4));
    EXPECT_NE(rect(1, 2, 3, 4), rect(1, 2, 3, 5));
    EXPECT_NE(PropertyList(1), PropertyList(1.0));
    EXPECT_NE(PropertyList(1), PropertyList(true));
    EXPECT_EQ(PropertyList(Array{1, "a"}), PropertyList(Array{1, "a"}));
    EXPECT_NE(PropertyList(Array{1}), PropertyList(Dictionary{}));
    EXPECT_EQ(*rect(1, 2, 3, 4).find("Width")->number(), 3);
    EXPECT_EQ(rect(1, 2, 3, 4).find("Depth"), nullptr);
}

TEST(FullScreenTilesTest, TilesComeOutLeftToRightAndKeepGivenOrderForTies) {
    const FullScreenTiles tiles({{1, {500, 0, 500, 800}}, {2, {0, 0, 250, 800}}, {3, {0, 10, 250, 790}}},
                                {0, 0, 1000, 800});
    EXPECT_EQ(tiles.windows(), (std::vector<WindowId>{2, 3, 1}));
    EXPECT_EQ(tiles.ratio(), std::nullopt);
}

TEST(FullScreenTilesTest, RatioIsTheFirstOfTwoTilesShareOfTheWidth) {
    EXPECT_EQ(FullScreenTiles({{1, {0, 0, 250, 800}}, {2, {250, 0, 750, 800}}}, {0, 0, 1000, 800}).ratio(),
              0.25);
    EXPECT_EQ(FullScreenTiles({{1, {0, 0, 250, 800}}, {2, {250, 0, 750, 800}}}, {0, 0, 0, 800}).ratio(),
              std::nullopt);
    EXPECT_EQ(FullScreenTiles({{1, {0, 0, 250, 800}}}, {0, 0, 1000, 800}).ratio(), std::nullopt);
}

TEST(FullScreenTilesTest, ReadsTheSplitViewOfASpaceEntry) {
    const auto tiles = FullScreenTiles::fromEntry(
        entry({tile(11, rect(960, 0, 960, 1080)),
               tile(PropertyList(std::int64_t{0xFFFFFFFF}), rect(0, 0, 960, 1080))},
              rect(0, 25, 1920, 1055)));
    ASSERT_TRUE(tiles);
    EXPECT_EQ(tiles->windows(), (std::vector<WindowId>{0xFFFFFFFF, 11}));
    EXPECT_EQ(tiles->area(), Rect(0, 25, 1920, 1055));
    EXPECT_EQ(tiles->tiles()[1].rect, Rect(960, 0, 960, 1080));
}

TEST(FullScreenTilesTest, AreaFallsBackToTheUnionOfTheTiles) {
    for (const std::optional<PropertyList>& area :
         {std::optional<PropertyList>(), std::optional<PropertyList>("wide"),
          std::optional<PropertyList>(Dictionary{{"Width", 100}})}) {
        const auto tiles = FullScreenTiles::fromEntry(
            entry({tile(1, rect(0, 20, 500, 700)), tile(2, rect(510, 10, 400, 600))}, area));
        ASSERT_TRUE(tiles);
        EXPECT_EQ(tiles->area(), Rect(0, 10, 910, 710));
    }
}

TEST(FullScreenTilesTest, RectanglesTakeNumbersOfEitherKindAndDefaultTheirOrigin) {
    const auto tiles = FullScreenTiles::fromEntry(entry(
        {tile(1, Dictionary{{"Width", 300}, {"Height", 200.5}, {"X", "left"}}),
         tile(2, Dictionary{{"X", std::int64_t{400}}, {"Y", 7.5}, {"Width", 100.0}, {"Height", 100}})}));
    ASSERT_TRUE(tiles);
    EXPECT_EQ(tiles->tiles()[0].rect, Rect(0, 0, 300, 200.5));
    EXPECT_EQ(tiles->tiles()[1].rect, Rect(400, 7.5, 100, 100));
}

TEST(FullScreenTilesTest, MalformedTilesAreSkipped) {
    const PropertyList good = tile(5, rect(0, 0, 100, 100));
    const auto tiles = FullScreenTiles::fromEntry(entry({
        tile(-1, rect(0, 0, 10, 10)),
        tile(std::int64_t{0x100000000}, rect(0, 0, 10, 10)),
        tile(5.0, rect(0, 0, 10, 10)),
        tile(true, rect(0, 0, 10, 10)),
        tile(6, Dictionary{{"X", 0}, {"Width", 10}}),
        tile(6, Dictionary{{"Width", true}, {"Height", 10}}),
        tile(6, "0 0 10 10"),
        Dictionary{{"TileRect", rect(0, 0, 10, 10)}},
        good,
    }));
    ASSERT_TRUE(tiles);
    EXPECT_EQ(tiles->windows(), std::vector<WindowId>{5});
}

TEST(FullScreenTilesTest, EntriesThatDescribeNoSplitViewGiveNone) {
    const PropertyList onlyBadTile = entry({tile(-1, rect(0, 0, 10, 10))});
    const PropertyList noTiles = entry({});
    const PropertyList listWithNonDictionary = entry({tile(5, rect(0, 0, 10, 10)), 7});
    const PropertyList managerNotDictionary = Dictionary{{"TileLayoutManager", Array{}}};
    const PropertyList spacesNotList =
        Dictionary{{"TileLayoutManager", Dictionary{{"TileSpaces", Dictionary{}}}}};
    const PropertyList noManager = Dictionary{{"id64", 9}};
    const PropertyList notDictionary = Array{entry({tile(5, rect(0, 0, 10, 10))})};
    for (const PropertyList* malformed : {&onlyBadTile, &noTiles, &listWithNonDictionary,
                                          &managerNotDictionary, &spacesNotList, &noManager, &notDictionary})
        EXPECT_EQ(FullScreenTiles::fromEntry(*malformed), std::nullopt);
}

} // namespace
} // namespace quillmere
