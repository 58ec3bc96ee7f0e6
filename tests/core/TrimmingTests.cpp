#include "core/Trimming.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

struct TrimCase {
    std::string_view text;
    std::string_view trimmed;
};

class PunctuationTrimmingTest : public testing::TestWithParam<TrimCase> {};

TEST_P(PunctuationTrimmingTest, RemovesEveryPunctuationCategoryAtEitherEndAndNothingElse) {
    EXPECT_EQ(trimmingPunctuation(GetParam().text), GetParam().trimmed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PunctuationTrimmingTest,
    testing::Values(TrimCase{"No value associated with key \"name\".", "No value associated with key \"name"},
                    TrimCase{"padding: Expected a number.", "padding: Expected a number"},
                    // Open and close quotes, dashes, the ellipsis and Spanish question marks are punctuation.
                    TrimCase{"\u00bf\u2014\u201cok\u201d\u2026?", "ok"},
                    // Symbols and spaces are not.
                    TrimCase{"$5 + 3 = 8 ", "$5 + 3 = 8 "}, TrimCase{"(.)", ""}, TrimCase{"", ""}));

} // namespace
} // namespace quillmere
