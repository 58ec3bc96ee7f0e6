#include "core/Desktops.h"
#include "core/SpanningSpace.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace quillmere {
namespace {

DisplayIdentity identity(std::string name, std::uint32_t serial = 0, bool builtIn = false) {
    return {std::move(name), 10, 20, serial, builtIn};
}

DisplaySpaces display(std::string id, Rect frame, std::vector<SpaceId> spaces = {1},
                      std::optional<std::vector<SpaceId>> order = std::nullopt) {
    const SpaceId current = spaces.empty() ? 0 : spaces.front();
    return DisplaySpaces(id, identity(id), frame, std::move(spaces), current, std::move(order));
}

std::vector<std::string> ids(const Desktops& desktops) {
    std::vector<std::string> result;
    for (const DisplaySpaces& d : desktops.displays())
        result.push_back(d.id);
    return result;
}

TEST(DesktopsOrderTest, DisplaysSortByMinXThenMinYKeepingTiesInGivenOrder) {
    const Desktops desktops({display("right", {0, 0, 1440, 900}), display("left", {-1920, 0, 1920, 1080}),
                             display("below", {1440, 900, 800, 600}),
                             display("above", {1440, -600, 800, 600}),
                             display("twin", {1440, 900, 800, 600})});
    EXPECT_EQ(ids(desktops), (std::vector<std::string>{"left", "right", "above", "below", "twin"}));
}

TEST(DesktopsOrderTest, ActiveIsTheNamedDisplayElseTheFirstAndNoneWithoutDisplays) {
    const std::vector<DisplaySpaces> displays{display("B", {0, 0, 100, 100}),
                                              display("A", {-100, 0, 100, 100})};
    EXPECT_EQ(Desktops(displays, "B").active()->id, "B");
    EXPECT_EQ(Desktops(displays, "missing").active()->id, "A");
    EXPECT_EQ(Desktops(displays).active()->id, "A");
    EXPECT_EQ(Desktops({}, "A").active(), nullptr);
    EXPECT_EQ(Desktops({}).activeSpace(), std::nullopt);
}

TEST(DesktopsOrderTest, MainIsTheDisplayAtTheOriginElseTheActiveOne) {
    const Desktops withOrigin({display("A", {-100, 0, 100, 100}), display("B", {0, 0, 100, 100})}, "A");
    EXPECT_EQ(withOrigin.main()->id, "B");
    const Desktops withoutOrigin({display("A", {-100, 0, 100, 100}), display("B", {0, 10, 100, 100})}, "B");
    EXPECT_EQ(withoutOrigin.main()->id, "B");
    EXPECT_EQ(Desktops({}).main(), nullptr);
}

// Desktops A=1 and B=2 with a full-screen Space F=9 between them.
class WalkTest : public testing::Test {
  protected:
    DisplaySpaces mixed = display("D", {0, 0, 100, 100}, {1, 2}, std::vector<SpaceId>{1, 9, 2});
};

TEST_F(WalkTest, WalksRoundTheOrderSteppingOverTheOtherKind) {
    struct Case {
        SpaceId after;
        bool forward;
        std::optional<SpaceId> desktop;
        std::optional<SpaceId> fullScreen;
    };
    const Case cases[] = {
        {1, true, 2, 9},
        {1, false, 2, 9},
        {2, true, 1, 9},
        {2, false, 1, 9},
        {9, true, 2, std::nullopt},
        {9, false, 1, std::nullopt},
        {42, true, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "after " << c.after << (c.forward ? " forward" : " backward"));
        EXPECT_EQ(mixed.desktop(c.after, c.forward), c.desktop);
        EXPECT_EQ(mixed.fullScreenSpace(c.after, c.forward), c.fullScreen);
    }
}

TEST_F(WalkTest, WalkVisitsEveryOtherSpaceInOrder) {
    const DisplaySpaces longer =
        display("D", {0, 0, 100, 100}, {1, 2, 3}, std::vector<SpaceId>{1, 8, 2, 9, 3});
    EXPECT_EQ(longer.desktop(3, true), 1);
    EXPECT_EQ(longer.desktop(1, false), 3);
    EXPECT_EQ(longer.desktop(2, false), 1);
    EXPECT_EQ(longer.fullScreenSpace(9, true), 8);
    EXPECT_EQ(longer.fullScreenSpace(2, false), 8);
    EXPECT_EQ(display("D", {0, 0, 10, 10}, {1}).desktop(1, true), std::nullopt);
    EXPECT_EQ(display("D", {0, 0, 10, 10}, {}).desktop(1, true), std::nullopt);
}

TEST_F(WalkTest, FullScreenSpacesAreThoseOfTheOrderThatAreNoDesktops) {
    EXPECT_EQ(mixed.fullScreenSpaces(), std::vector<SpaceId>{9});
    EXPECT_TRUE(mixed.isFullScreen(9));
    EXPECT_FALSE(mixed.isFullScreen(1));
    EXPECT_FALSE(mixed.isFullScreen(42));
    EXPECT_EQ(display("D", {0, 0, 10, 10}, {4, 5}).order, (std::vector<SpaceId>{4, 5}));
}

TEST_F(WalkTest, StepsCountPlacesInTheOrderFromCurrentByDefault) {
    EXPECT_EQ(mixed.steps(2), 2);
    EXPECT_EQ(mixed.steps(1, 2), -2);
    EXPECT_EQ(mixed.steps(9, 9), 0);
    EXPECT_EQ(mixed.steps(42), std::nullopt);
    EXPECT_EQ(mixed.steps(1, 42), std::nullopt);
}

TEST_F(WalkTest, NumberCountsDesktopsWhilePositionCountsEverySpace) {
    const Desktops desktops({mixed, display("E", {100, 0, 100, 100}, {5, 6})});
    struct Case {
        SpaceId space;
        std::optional<int> number;
        std::optional<int> position;
    };
    const Case cases[] = {
        {1, 1, 1}, {9, std::nullopt, 2}, {2, 2, 3}, {6, 2, 2}, {42, std::nullopt, std::nullopt}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.space);
        EXPECT_EQ(desktops.number(c.space), c.number);
        EXPECT_EQ(desktops.position(c.space), c.position);
        if (c.position) {
            EXPECT_EQ(Desktops::spaceAtPosition(*c.position, *desktops.display(c.space)), c.space);
        }
        if (c.number) {
            EXPECT_EQ(Desktops::spaceNumbered(*c.number, *desktops.display(c.space)), c.space);
        }
    }
    // 2^32 + 1 would be position 1 if it were cut to 32 bits.
    for (std::int64_t outside : {std::int64_t{0}, std::int64_t{-1}, std::int64_t{4}, std::int64_t{4294967297},
                                 std::numeric_limits<std::int64_t>::min()}) {
        EXPECT_EQ(Desktops::spaceAtPosition(outside, mixed), std::nullopt) << outside;
        EXPECT_EQ(Desktops::spaceNumbered(outside, mixed), std::nullopt) << outside;
    }
    EXPECT_EQ(Desktops::spaceNumbered(3, mixed), std::nullopt);
}

TEST_F(WalkTest, SpacesAreFoundThroughTheOrder) {
    const FullScreenTiles split({{7, {0, 0, 50, 100}}, {8, {50, 0, 50, 100}}}, {0, 0, 100, 100});
    DisplaySpaces withTiles = mixed;
    withTiles.fullScreen.emplace(9, split);
    withTiles.current = 9;
    const Desktops desktops({display("E", {100, 0, 100, 100}, {5, 6}), withTiles}, "D");
    EXPECT_EQ(desktops.display(9)->id, "D");
    EXPECT_EQ(desktops.display(42), nullptr);
    EXPECT_TRUE(desktops.isFullScreen(9));
    EXPECT_FALSE(desktops.isFullScreen(42));
    EXPECT_EQ(*desktops.tiles(9), split);
    EXPECT_EQ(desktops.tiles(1), nullptr);
    EXPECT_EQ(desktops.activeSpace(), 9);
    EXPECT_EQ(desktops.visible(), (std::vector<SpaceId>{9, 5}));
    EXPECT_EQ(desktops.allSpaces(), (std::vector<SpaceId>{1, 2, 5, 6}));
}

class NeighbourTest : public testing::Test {
  protected:
    Desktops three{{display("C", {1920, 0, 1280, 800}), display("A", {-1920, 0, 1920, 1080}),
                    display("B", {0, 0, 1920, 1080})}};
};

TEST_F(NeighbourTest, NeighbourWrapsRoundDisplayOrder) {
    const auto& d = three.displays();
    EXPECT_EQ(three.neighbor(d[2], true)->id, "A");
    EXPECT_EQ(three.neighbor(d[0], false)->id, "C");
    EXPECT_EQ(three.neighbor(d[1], true)->id, "C");
    EXPECT_EQ(three.neighbor(display("X", {0, 0, 1, 1}), true), nullptr);
    const Desktops one({display("A", {0, 0, 100, 100})});
    EXPECT_EQ(one.neighbor(one.displays()[0], true), nullptr);
}

TEST_F(NeighbourTest, PointsBelongToTheDisplayThatHoldsTheirMinEdge) {
    EXPECT_EQ(three.display(Point{0, 0})->id, "B");
    EXPECT_EQ(three.display(Point{-1, 500})->id, "A");
    EXPECT_EQ(three.display(Point{1920, 799})->id, "C");
    EXPECT_EQ(three.display(Point{1920, 800}), nullptr);
}

TEST_F(NeighbourTest, OuterEdgesHaveNoDisplayJustBeyondThem) {
    const auto& d = three.displays();
    EXPECT_TRUE(three.isOuterEdge(false, d[0]));
    EXPECT_FALSE(three.isOuterEdge(true, d[0]));
    EXPECT_FALSE(three.isOuterEdge(false, d[2]));
    EXPECT_TRUE(three.isOuterEdge(true, d[2]));
    // The probe is at the middle height, which a display offset downward beside it misses.
    const Desktops offset({display("A", {0, 0, 100, 100}), display("B", {100, 200, 100, 100})});
    EXPECT_TRUE(offset.isOuterEdge(true, offset.displays()[0]));
    EXPECT_TRUE(Desktops({}).isOuterEdge(true, d[0]));
}

TEST(DesktopsNamingTest, FingerprintSortsIdsAsPlainTextWhateverTheFrames) {
    EXPECT_EQ(Desktops({display("B", {0, 0, 10, 10}), display("A", {10, 0, 10, 10})}).fingerprint(), "A + B");
    EXPECT_EQ(Desktops({display("b", {0, 0, 10, 10}), display("C", {10, 0, 10, 10})}).fingerprint(), "C + b");
    EXPECT_EQ(Desktops({}).fingerprint(), "");
}

TEST(DesktopsNamingTest, SignaturesAreASet) {
    DisplaySpaces a = display("A", {0, 0, 10, 10});
    DisplaySpaces b = display("B", {10, 0, 10, 10});
    a.identity = b.identity = {"Studio", 1, 2, 3, false};
    DisplaySpaces c = display("C", {20, 0, 10, 10});
    EXPECT_EQ(Desktops({a, b, c}).signatures(), (std::set<std::string>{"1-2-3", "C"}));
}

class AssignTest : public testing::Test {
  protected:
    static DisplaySpaces present(std::string id, DisplayIdentity who, Rect frame) {
        return DisplaySpaces(std::move(id), std::move(who), frame, {1}, 1);
    }

    std::map<std::string, std::string> assigned(const Desktops& desktops,
                                                const std::vector<DisplayIdentity>& recorded) {
        std::map<std::string, std::string> result;
        for (const auto& [signature, d] : desktops.assign(recorded))
            result[signature] = d.id;
        return result;
    }
};

TEST_F(AssignTest, SignatureThenNameThenBuiltInLargestFirst) {
    const Desktops desktops({present("small", {"Small", 1, 1, 0, false}, {0, 0, 800, 600}),
                             present("big", {"Big", 1, 1, 0, false}, {800, 0, 2560, 1440}),
                             present("panel", {"Color LCD", 2, 2, 7, true}, {3360, 0, 1512, 982}),
                             present("lg", {"LG", 3, 3, 9, false}, {4872, 0, 1920, 1080})});
    const std::vector<DisplayIdentity> recorded{
        {"Anything", 9, 9, 0, false},   // pass 3: the largest remaining external display
        {"Renamed LG", 3, 3, 9, false}, // pass 1: same serial, other name
        {"Small", 5, 5, 5, false},      // pass 2: same name
        {"Built-in", 2, 2, 8, true},    // pass 3: the only built-in panel
        {"Another", 4, 4, 0, false},    // nothing is left for it
    };
    EXPECT_EQ(assigned(desktops, recorded),
              (std::map<std::string, std::string>{
                  {"Anything", "big"}, {"3-3-9", "lg"}, {"5-5-5", "small"}, {"2-2-8", "panel"}}));
}

TEST_F(AssignTest, NameOnlyIdentityMatchesByNameInTheFirstPass) {
    const Desktops desktops({present("dell", {"Dell", 1, 1, 0, false}, {0, 0, 100, 100})});
    EXPECT_EQ(assigned(desktops, {{"Dell", 0, 0, 0, false}}),
              (std::map<std::string, std::string>{{"Dell", "dell"}}));
    // The earlier identity would take the display by name in pass 2, but the name-only one took it in pass 1.
    EXPECT_EQ(assigned(desktops, {{"Dell", 5, 5, 5, false}, {"Dell", 0, 0, 0, false}}),
              (std::map<std::string, std::string>{{"Dell", "dell"}}));
}

TEST_F(AssignTest, DisplayTakenInAnEarlierPassIsNotTakenAgain) {
    const Desktops desktops({present("dell", {"Dell", 1, 1, 5, false}, {0, 0, 100, 100}),
                             present("hp", {"HP", 2, 2, 6, false}, {100, 0, 100, 100})});
    // "Dell" would match by name in pass 2, but pass 1 gave that display to the later identity.
    EXPECT_EQ(assigned(desktops, {{"Dell", 7, 7, 7, false}, {"Moved", 1, 1, 5, false}}),
              (std::map<std::string, std::string>{{"7-7-7", "hp"}, {"1-1-5", "dell"}}));
}

TEST_F(AssignTest, TakenDisplaysAreNotGivenAgainAndRepeatedSignaturesGetNothing) {
    const Desktops desktops({present("one", {"One", 1, 1, 1, false}, {0, 0, 100, 100}),
                             present("two", {"Two", 2, 2, 2, false}, {100, 0, 100, 100})});
    const auto result =
        assigned(desktops, {{"Two", 2, 2, 2, false}, {"Again", 2, 2, 2, false}, {"Two", 7, 7, 7, false}});
    EXPECT_EQ(result, (std::map<std::string, std::string>{{"2-2-2", "two"}, {"7-7-7", "one"}}));
    EXPECT_TRUE(Desktops({}).assign({{"One", 1, 1, 1, false}}).empty());
}

TEST_F(AssignTest, AreaTiesKeepDisplayOrder) {
    const Desktops desktops({present("right", {"R", 1, 1, 1, false}, {100, 0, 100, 100}),
                             present("left", {"L", 2, 2, 2, false}, {0, 0, 100, 100})});
    EXPECT_EQ(assigned(desktops, {{"X", 0, 0, 0, false}}),
              (std::map<std::string, std::string>{{"X", "left"}}));
}

class SpanningTest : public testing::Test {
  protected:
    std::vector<Desktops::Screen> screens{{"side", identity("Side"), {-1280, 0, 1280, 800}, 1},
                                          {"Main", identity("Main"), {0, 0, 1920, 1080}, 0}};
};

TEST_F(SpanningTest, EachScreenGetsItsOwnIdsForTheSharedDesktops) {
    const FullScreenTiles split({{7, {0, 0, 50, 100}}}, {0, 0, 100, 100});
    const Desktops desktops =
        Desktops::spanning(screens, {3, 4}, 9, std::vector<SpaceId>{3, 9, 4}, {{9, split}});
    ASSERT_EQ(ids(desktops), (std::vector<std::string>{"side", "Main"}));
    EXPECT_TRUE(desktops.spansDisplays());
    EXPECT_EQ(desktops.active()->id, "Main");
    const DisplaySpaces& side = desktops.displays()[0];
    const SpaceId side3 = *SpanningSpace::id(3, 1);
    const SpaceId side4 = *SpanningSpace::id(4, 1);
    EXPECT_EQ(side.spaces, (std::vector<SpaceId>{side3, side4}));
    EXPECT_EQ(side.order, (std::vector<SpaceId>{side3, 9, side4}));
    EXPECT_EQ(side.current, 9);
    EXPECT_EQ(side.fullScreen.at(9), split);
    EXPECT_EQ(desktops.displays()[1].spaces,
              (std::vector<SpaceId>{*SpanningSpace::id(3, 0), *SpanningSpace::id(4, 0)}));
    EXPECT_EQ(desktops.number(side4), 2);
    EXPECT_EQ(Desktops::real(side4), 4);
    EXPECT_EQ(Desktops::real(9), 9);
}

TEST_F(SpanningTest, CurrentDesktopIsMappedAndActiveFallsBackToTheFirstScreen) {
    screens[1].frame = {0, 10, 1920, 1080};
    std::swap(screens[0], screens[1]);
    // The first screen given, not the first in display order.
    const Desktops desktops = Desktops::spanning(screens, {3, 4}, 4);
    EXPECT_EQ(desktops.active()->id, "Main");
    EXPECT_EQ(desktops.displays()[1].current, *SpanningSpace::id(4, 0));
    EXPECT_EQ(desktops.displays()[1].order, desktops.displays()[1].spaces);
    EXPECT_TRUE(Desktops::spanning({}, {3}, 3).displays().empty());
    EXPECT_EQ(Desktops::spanning({}, {3}, 3).active(), nullptr);
}

TEST_F(SpanningTest, ScreenIndexesBeyondTheirBitsKeepRealIds) {
    screens[0].index = 256;
    const Desktops desktops = Desktops::spanning(screens, {3, 4}, 3);
    const DisplaySpaces& wide = desktops.displays()[0];
    EXPECT_EQ(wide.spaces, (std::vector<SpaceId>{3, 4}));
    EXPECT_EQ(wide.current, 3);
    EXPECT_EQ(desktops.displays()[1].current, *SpanningSpace::id(3, 0));
}

TEST(SpanningSpaceTest, IdsRoundTripThroughDecodeAndReal) {
    struct Case {
        SpaceId space;
        int display;
    };
    for (const Case c : {Case{1, 0}, Case{3, 1}, Case{0xFFFFFFFF, 255}, Case{0x80000000, 17}}) {
        SCOPED_TRACE(c.space);
        const auto id = SpanningSpace::id(c.space, c.display);
        ASSERT_TRUE(id);
        EXPECT_EQ(*id, SpaceId(c.display) | c.space << 8 | SpaceId{1} << 40);
        EXPECT_EQ(SpanningSpace::decode(*id), (SpanningSpace::Decoded{c.space, c.display}));
        EXPECT_EQ(SpanningSpace::real(*id), c.space);
    }
}

TEST(SpanningSpaceTest, ValuesBeyondTheirBitsGetNoSyntheticId) {
    EXPECT_EQ(SpanningSpace::id(3, 256), std::nullopt);
    EXPECT_EQ(SpanningSpace::id(3, -1), std::nullopt);
    EXPECT_EQ(SpanningSpace::id(SpaceId{1} << 32, 0), std::nullopt);
}

TEST(SpanningSpaceTest, IdsWithoutTheMarkAreNotDecoded) {
    EXPECT_EQ(SpanningSpace::decode(0x1234), std::nullopt);
    EXPECT_EQ(SpanningSpace::real(0x1234), 0x1234u);
    EXPECT_EQ(Desktops::real((SpaceId{1} << 40) - 1), (SpaceId{1} << 40) - 1);
}

} // namespace
} // namespace quillmere
