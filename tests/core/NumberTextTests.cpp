#include "core/NumberText.h"

#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>

namespace quillmere {
namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

struct DoubleCase {
    std::string word;
    std::optional<double> value;
};

class ParseDoubleTest : public testing::TestWithParam<DoubleCase> {};

TEST_P(ParseDoubleTest, ReadsTheWholeWordAsTheCLocaleDoes) {
    const auto& c = GetParam();
    EXPECT_EQ(parseDouble(c.word), c.value) << "word \"" << c.word << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseDoubleTest,
    testing::Values(
        DoubleCase{"3", 3}, DoubleCase{"3.0", 3}, DoubleCase{"+3", 3}, DoubleCase{"-1.5", -1.5},
        DoubleCase{".5", 0.5}, DoubleCase{"5.", 5}, DoubleCase{"1e2", 100}, DoubleCase{"1E+2", 100},
        DoubleCase{"0x10", 16}, DoubleCase{"-0X1.8p1", -3}, DoubleCase{"0x.8", 0.5},
        DoubleCase{"inf", infinity}, DoubleCase{"-Infinity", -infinity},
        // Out of range reads as strtod gives it: an infinity or zero.
        DoubleCase{"1e400", infinity}, DoubleCase{"-1e400", -infinity}, DoubleCase{"1e-400", 0},
        DoubleCase{"0x1p99999", infinity}, DoubleCase{"0x1p-99999", 0},
        DoubleCase{"0.000001e99999999999999999999", infinity}, DoubleCase{"100000e-99999999999999999999", 0},
        // Not the whole word, white space first, or not a number at all.
        DoubleCase{"", std::nullopt}, DoubleCase{"+", std::nullopt}, DoubleCase{".", std::nullopt},
        DoubleCase{"1e", std::nullopt}, DoubleCase{"3x", std::nullopt}, DoubleCase{"1,5", std::nullopt},
        DoubleCase{"\t3", std::nullopt}, DoubleCase{" 3", std::nullopt}, DoubleCase{"3\t", std::nullopt},
        DoubleCase{"+-3", std::nullopt}, DoubleCase{"--3", std::nullopt}, DoubleCase{"0x", std::nullopt},
        DoubleCase{"0x-1", std::nullopt}, DoubleCase{"0xinf", std::nullopt}, DoubleCase{"0x+1", std::nullopt},
        DoubleCase{"infin", std::nullopt}, DoubleCase{"x", std::nullopt}));

TEST(ParseDoubleTest, NotANumberReads) {
    EXPECT_TRUE(std::isnan(parseDouble("nan").value()));
    EXPECT_TRUE(std::isnan(parseDouble("-NaN(x_1)").value()));
    EXPECT_FALSE(parseDouble("nan(").has_value());
}

// Words shaped like numbers (sign, mantissa, exponent; decimal or hexadecimal, long or short), with now and
// then a stray character from the alphabet numbers are made of.
std::string generatedNumberWord(std::mt19937& random) {
    const auto chance = [&](int percent) { return std::uniform_int_distribution(0, 99)(random) < percent; };
    const auto pick = [&](std::string_view from) {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
    };
    const auto digits = [&](std::string_view from, int most) {
        std::string result;
        for (int n = std::uniform_int_distribution(0, most)(random); n > 0; --n)
            result += pick(from);
        return result;
    };
    const std::string_view stray = "0123456789.eEpPxX+-aAfFinfINFnatyNATY()_ \t";
    const bool hex = chance(30);
    const bool longMantissa = chance(20);
    std::string word;
    if (chance(30))
        word += pick("+-");
    if (chance(5)) {
        const std::array<std::string_view, 6> words{"inf", "Infinity", "nan", "NAN(x_1)", "infinit", "nan()"};
        return word +
               std::string(words[std::uniform_int_distribution<std::size_t>(0, words.size() - 1)(random)]);
    }
    if (hex)
        word += chance(50) ? "0x" : "0X";
    const std::string_view digitSet = hex ? "0123456789abcdefABCDEF" : "0000123456789";
    word += digits(digitSet, longMantissa ? 40 : 4);
    if (chance(50))
        word += "." + digits(digitSet, longMantissa ? 40 : 4);
    if (chance(50)) {
        word += hex ? pick("pP") : pick("eE");
        if (chance(50))
            word += pick("+-");
        word += digits("0123456789", chance(10) ? 25 : 3);
    }
    for (int n = std::uniform_int_distribution(0, 2)(random); n > 0 && chance(40); --n)
        word.insert(std::uniform_int_distribution<std::size_t>(0, word.size())(random), 1, pick(stray));
    return word;
}

// The C library in the C locale is the reference: a word must read exactly as strtod reads it when strtod
// consumes the whole word and the word does not start with white space.
TEST(ParseDoubleTest, AgreesWithStrtodOnGeneratedWords) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 200000; ++round) {
        const auto word = generatedNumberWord(random);
        char* end = nullptr;
        const double expected = std::strtod(word.c_str(), &end);
        const bool reads = !word.empty() && end == word.c_str() + word.size() &&
                           !std::isspace(static_cast<unsigned char>(word[0]));
        const auto value = parseDouble(word);
        ASSERT_EQ(value.has_value(), reads) << "word \"" << word << "\"";
        if (!reads)
            continue;
        if (std::isnan(expected)) {
            ASSERT_TRUE(std::isnan(*value)) << "word \"" << word << "\"";
        } else {
            ASSERT_EQ(*value, expected) << "word \"" << word << "\"";
        }
    }
}

struct IntegerCase {
    std::string word;
    std::optional<std::int64_t> value;
};

class ParseIntegerTest : public testing::TestWithParam<IntegerCase> {};

TEST_P(ParseIntegerTest, ReadsOnlyASignAndDecimalDigits) {
    const auto& c = GetParam();
    EXPECT_EQ(parseInteger(c.word), c.value) << "word \"" << c.word << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseIntegerTest,
    testing::Values(IntegerCase{"3", 3}, IntegerCase{"+3", 3}, IntegerCase{"-1", -1}, IntegerCase{"03", 3},
                    IntegerCase{"-0", 0},
                    IntegerCase{"9223372036854775807", std::numeric_limits<std::int64_t>::max()},
                    IntegerCase{"-9223372036854775808", std::numeric_limits<std::int64_t>::min()},
                    IntegerCase{"9223372036854775808", std::nullopt}, IntegerCase{"3.0", std::nullopt},
                    IntegerCase{"", std::nullopt}, IntegerCase{"+", std::nullopt},
                    IntegerCase{"-", std::nullopt}, IntegerCase{"+-3", std::nullopt},
                    IntegerCase{"++3", std::nullopt}, IntegerCase{" 3", std::nullopt},
                    IntegerCase{"3 ", std::nullopt}, IntegerCase{"0x10", std::nullopt},
                    IntegerCase{"1e2", std::nullopt}));

} // namespace
} // namespace quillmere
