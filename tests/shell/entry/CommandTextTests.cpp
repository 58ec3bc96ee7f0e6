#include "shell/entry/CommandText.h"

#include <gtest/gtest.h>
#include <string>

namespace quillmere {
namespace {

struct Utf8Case {
    const char* name;
    std::string text;
    bool valid;
};

class Utf8Validation : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Validation, AcceptsOnlyWellFormedText) { EXPECT_EQ(isValidUtf8(GetParam().text), GetParam().valid); }

INSTANTIATE_TEST_SUITE_P(
    Texts, Utf8Validation,
    testing::Values(Utf8Case{"Empty", "", true}, Utf8Case{"Ascii", "focus west", true},
                    Utf8Case{"TwoThreeAndFourBytes", "load Caf\xC3\xA9 \xE2\x80\x93 \xF0\x9F\x98\x80", true},
                    Utf8Case{"HighestCodePoint", "\xF4\x8F\xBF\xBF", true},
                    Utf8Case{"LoneContinuation", "a\x80", false}, Utf8Case{"CutShort", "\xE2\x80", false},
                    Utf8Case{"OverlongSlash", "\xC0\xAF", false},
                    Utf8Case{"OverlongThreeBytes", "\xE0\x80\xAF", false},
                    Utf8Case{"Surrogate", "\xED\xA0\x80", false},
                    Utf8Case{"BeyondUnicode", "\xF4\x90\x80\x80", false}, Utf8Case{"Latin1", "caf\xE9", false}),
    [](const testing::TestParamInfo<Utf8Case>& info) { return std::string(info.param.name); });

TEST(EscapedForLog, WritesControlCharactersAndBackslashesAsEscapesAndKeepsTheRest) {
    EXPECT_EQ(escapedForLog("focus west"), "focus west");
    EXPECT_EQ(escapedForLog("a\nremote command pause"), "a\\nremote command pause");
    EXPECT_EQ(escapedForLog("tab\there\r"), "tab\\there\\r");
    EXPECT_EQ(escapedForLog(std::string("nul\0bell\a", 9)), "nul\\x00bell\\x07");
    EXPECT_EQ(escapedForLog("del\x7F back\\slash"), "del\\x7F back\\\\slash");
    EXPECT_EQ(escapedForLog("caf\xC3\xA9 \xC2\x85next"), "caf\xC3\xA9 \\xC2\\x85next");
    EXPECT_EQ(escapedForLog("bad \xFF byte"), "bad \\xFF byte");
}

} // namespace
} // namespace quillmere
