#include "system/ColorHex.h"

#include <cctype>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace quillmere {

void PrintTo(const Color& color, std::ostream* out) {
    *out << "Color(" << color.red << ", " << color.green << ", " << color.blue << ", " << color.alpha << ")";
}

namespace {

struct HexCase {
    const char* text;
    std::optional<Color> color;
};

void PrintTo(const HexCase& hexCase, std::ostream* out) {
    *out << '"' << hexCase.text << '"';
}

class HexToColorTest : public testing::TestWithParam<HexCase> {};

TEST_P(HexToColorTest, ReadsExactlySixHexadecimalDigitsAfterTheHash) {
    EXPECT_EQ(hexToColor(GetParam().text), GetParam().color);
}

INSTANTIATE_TEST_SUITE_P(Cases, HexToColorTest,
                         testing::Values(HexCase{"#FF8000", Color{1, 128.0 / 255, 0, 1}},
                                         HexCase{"#ff8000", Color{1, 128.0 / 255, 0, 1}},
                                         HexCase{"#0a0B0c", Color{10.0 / 255, 11.0 / 255, 12.0 / 255, 1}},
                                         HexCase{"#000000", Color{0, 0, 0, 1}}, HexCase{"FF8000", {}},
                                         HexCase{"FF80000", {}}, HexCase{"#FF800", {}},
                                         HexCase{"#FF80000", {}}, HexCase{"#GG8000", {}},
                                         HexCase{"#+F8000", {}}, HexCase{"#-F8000", {}},
                                         HexCase{"# F8000", {}}, HexCase{"#FF80 0", {}}, HexCase{"", {}},
                                         HexCase{"#", {}}));

TEST(ColorHexTest, WritesUpperCaseAndReadsBackWhatItWrote) {
    for (const char* text : {"#FF8000", "#0a0b0c", "#abcdef", "#123456"}) {
        const auto color = hexToColor(text);
        ASSERT_TRUE(color) << text;
        std::string upper = text;
        for (char& c : upper)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_EQ(colorToHex(*color), upper);
    }
}

TEST(ColorHexTest, RoundsHalvesAwayFromZeroAndDropsAlpha) {
    EXPECT_EQ(colorToHex({0.5, 0.5 / 255, 1.5 / 255, 0.2}), "#800102");
    EXPECT_EQ(colorToHex({-0.2, 1.4, 0, 1}), "#00FF00");
}

TEST(ColorHexTest, AColourThatIsNoNumberHasNoText) {
    EXPECT_EQ(colorToHex({std::numeric_limits<double>::quiet_NaN(), 0, 0, 1}), std::nullopt);
    EXPECT_EQ(colorToHex({0, std::numeric_limits<double>::infinity(), 0, 1}), std::nullopt);
}

} // namespace
} // namespace quillmere
