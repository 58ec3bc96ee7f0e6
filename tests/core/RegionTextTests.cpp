#include "core/RegionText.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

Region edge(Direction direction, std::optional<double> fraction = std::nullopt) {
    return Region{Region::Edge{direction, fraction}};
}

struct ShareCase {
    std::string word;
    std::optional<double> share;
};

std::ostream& operator<<(std::ostream& out, const ShareCase& c) {
    return out << "\"" << c.word << "\"";
}

class RegionShareTest : public testing::TestWithParam<ShareCase> {};

TEST_P(RegionShareTest, ReadsFractionsAndNumbersWithinTheAllowedRange) {
    const auto& c = GetParam();
    const auto region = parseRegion("left " + c.word);
    if (!c.share) {
        EXPECT_EQ(region, std::nullopt);
        return;
    }
    EXPECT_EQ(region, edge(Direction::west, c.share));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegionShareTest,
    testing::Values(ShareCase{"1/2", 0.5}, ShareCase{"2/3", 2.0 / 3.0}, ShareCase{"1/3", 1.0 / 3.0},
                    ShareCase{"0.4", 0.4}, ShareCase{"0.05", 0.05}, ShareCase{"0.95", 0.95},
                    ShareCase{"1/20", 0.05}, ShareCase{"0x1p-1", 0.5}, ShareCase{"-1/-2", 0.5},
                    // Pieces that are not numbers are skipped; empty pieces are dropped.
                    ShareCase{"1/x/2", 0.5}, ShareCase{"1//2", 0.5}, ShareCase{"/1/2/", 0.5},
                    ShareCase{"0.04", std::nullopt}, ShareCase{"1/25", std::nullopt},
                    ShareCase{"0.96", std::nullopt}, ShareCase{"0.9500001", std::nullopt},
                    ShareCase{"2/0", std::nullopt}, ShareCase{"1/2/3", std::nullopt},
                    ShareCase{"/", std::nullopt}, ShareCase{"/2", std::nullopt},
                    ShareCase{"1/\t2", std::nullopt}, ShareCase{"nan", std::nullopt},
                    ShareCase{"inf/inf", std::nullopt}, ShareCase{"1/inf", std::nullopt},
                    ShareCase{"half", std::nullopt}, ShareCase{"0,5", std::nullopt}));

struct RegionCase {
    std::string text;
    std::optional<Region> region;
};

std::ostream& operator<<(std::ostream& out, const RegionCase& c) {
    return out << "\"" << c.text << "\"";
}

class RegionParseTest : public testing::TestWithParam<RegionCase> {};

TEST_P(RegionParseTest, ReadsEdgesCornersSixthsColumnAndCenter) {
    EXPECT_EQ(parseRegion(GetParam().text), GetParam().region);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegionParseTest,
    testing::Values(
        RegionCase{"left", edge(Direction::west)}, RegionCase{"right", edge(Direction::east)},
        RegionCase{"  top  ", edge(Direction::north)}, RegionCase{"bottom", edge(Direction::south)},
        RegionCase{"-left-", edge(Direction::west)}, RegionCase{"west", std::nullopt},
        RegionCase{"Left", std::nullopt}, RegionCase{"left right", std::nullopt},
        RegionCase{"left 1/2 1/2", std::nullopt}, RegionCase{"", std::nullopt}, RegionCase{"-", std::nullopt},
        RegionCase{"top-left", Region{Region::Corner{Direction::north, Direction::west}}},
        RegionCase{"bottom-right", Region{Region::Corner{Direction::south, Direction::east}}},
        RegionCase{"top--left", Region{Region::Corner{Direction::north, Direction::west}}},
        RegionCase{"left-top", std::nullopt}, RegionCase{"top-bottom", std::nullopt},
        RegionCase{"left-right", std::nullopt}, RegionCase{"top-left 1/2", std::nullopt},
        RegionCase{"top-left-sixth", Region{Region::Sixth{0, 0}}},
        RegionCase{"top-center-sixth", Region{Region::Sixth{1, 0}}},
        RegionCase{"bottom-right-sixth", Region{Region::Sixth{2, 1}}},
        RegionCase{"middle-left-sixth", std::nullopt}, RegionCase{"top-middle-sixth", std::nullopt},
        RegionCase{"top-left-third", std::nullopt}, RegionCase{"left-top-sixth", std::nullopt},
        RegionCase{"top-left-sixth 1/2", std::nullopt}, RegionCase{"top-left-sixth-x", std::nullopt},
        RegionCase{"column", Region{Region::Column{}}}, RegionCase{"column 1/2", std::nullopt},
        RegionCase{"center", Region{Region::Center{}}}, RegionCase{"center 1/3", std::nullopt},
        RegionCase{"centre", std::nullopt}, RegionCase{"center-left", std::nullopt}));

struct PrintCase {
    Region region;
    std::string text;
};

std::ostream& operator<<(std::ostream& out, const PrintCase& c) {
    return out << "\"" << c.text << "\"";
}

class RegionPrintTest : public testing::TestWithParam<PrintCase> {};

TEST_P(RegionPrintTest, WritesTheRegionWords) {
    EXPECT_EQ(text(GetParam().region), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegionPrintTest,
    testing::Values(PrintCase{edge(Direction::east), "right"},
                    PrintCase{edge(Direction::west, 0.4), "left 0.4"},
                    PrintCase{edge(Direction::south, 0.05), "bottom 0.05"},
                    // Within 0.001 of a named share, tested in the order 1/4, 1/3, 1/2, 2/3, 3/4.
                    PrintCase{edge(Direction::north, 0.3335), "top 1/3"},
                    PrintCase{edge(Direction::north, 0.6661), "top 2/3"},
                    PrintCase{edge(Direction::north, 0.2509), "top 1/4"},
                    PrintCase{edge(Direction::north, 0.751), "top 0.751"},
                    PrintCase{edge(Direction::north, 0.332), "top 0.332"},
                    PrintCase{edge(Direction::west, 0.5), "left 1/2"},
                    PrintCase{Region{Region::Corner{Direction::south, Direction::west}}, "bottom-left"},
                    PrintCase{Region{Region::Sixth{1, 0}}, "top-center-sixth"},
                    PrintCase{Region{Region::Sixth{0, 1}}, "bottom-left-sixth"},
                    // Rows past the first are the bottom row; columns past the second are the right column.
                    PrintCase{Region{Region::Sixth{2, 7}}, "bottom-right-sixth"},
                    PrintCase{Region{Region::Sixth{9, 0}}, "top-right-sixth"},
                    PrintCase{Region{Region::Column{std::pair{0.1, 0.4}}}, "column"},
                    PrintCase{Region{Region::Center{}}, "center"}));

} // namespace
} // namespace quillmere
