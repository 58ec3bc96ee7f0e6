#include "shell/entry/FrontRequest.h"

#include <gtest/gtest.h>
#include <vector>

namespace quillmere {
namespace {

using Kind = FrontRequest::Kind;

FrontRequest requestFor(const std::vector<std::string_view>& arguments) {
    return frontRequest(arguments);
}

struct Asked {
    std::vector<std::string_view> arguments;
    FrontRequest request;
};

class FrontRequestTest : public testing::TestWithParam<Asked> {};

TEST_P(FrontRequestTest, FollowsFromTheArgumentsAlone) {
    EXPECT_EQ(requestFor(GetParam().arguments), GetParam().request);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, FrontRequestTest,
    testing::Values(
        // No words, or options of the application (or of the system): the application starts, or the copy that
        // runs opens its Settings.
        Asked{{}, {Kind::startApplication, ""}}, Asked{{"--scenario", "desk.json"}, {Kind::startApplication, ""}},
        Asked{{"-psn_0_1234"}, {Kind::startApplication, ""}},
        // The front's own options.
        Asked{{"--help"}, {Kind::showUsage, ""}}, Asked{{"--version"}, {Kind::showVersion, ""}},
        Asked{{"--version", "--help"}, {Kind::showVersion, ""}},
        // Words that make a command go as they were typed, joined with single spaces.
        Asked{{"focus", "west"}, {Kind::sendCommand, "focus west"}},
        Asked{{"settings"}, {Kind::sendCommand, "settings"}},
        Asked{{"capture", "late", "night"}, {Kind::sendCommand, "capture late night"}},
        Asked{{"place", "left", "2/3"}, {Kind::sendCommand, "place left 2/3"}},
        Asked{{"focus", "west", "now"}, {Kind::sendCommand, "focus west now"}}));

// Words that are not a command were once sent all the same, and the program said it had succeeded.
TEST(FrontRequest, RefusesWordsThatAreNotACommandAndSaysWhich) {
    for (const std::vector<std::string_view>& arguments :
         std::vector<std::vector<std::string_view>>{{"foo"}, {"Focus", "west"}, {"rotate", "45"}, {""},
                                                    {"zoom", "now"}, {"space"}}) {
        const FrontRequest request = requestFor(arguments);
        std::string text;
        for (std::string_view word : arguments)
            text.append(text.empty() ? "" : " ").append(word);
        EXPECT_EQ(request.kind, Kind::refuse) << text;
        EXPECT_TRUE(request.text.starts_with("quillmere: unknown command \"" + text + "\"\n")) << request.text;
        EXPECT_TRUE(request.text.ends_with("\"quillmere --help\" lists every command")) << request.text;
    }
}

TEST(FrontRequest, ShowsTheFormsOfTheCommandThatWasMeant) {
    EXPECT_EQ(requestFor({"rotate", "45"}).text, "quillmere: unknown command \"rotate 45\"\n"
                                                  "usage: quillmere rotate 90|180|270\n"
                                                  "\"quillmere --help\" lists every command");
    const std::string space = requestFor({"space", "3.0"}).text;
    EXPECT_NE(space.find("usage: quillmere space NUMBER\n"), std::string::npos) << space;
    EXPECT_NE(space.find("usage: quillmere space fullscreen next|prev\n"), std::string::npos) << space;
    EXPECT_EQ(space.find("usage: quillmere send"), std::string::npos) << space;
    EXPECT_EQ(requestFor({"Focus", "west"}).text.find("usage:"), std::string::npos);
}

TEST(FrontRequest, RefusesTextThatIsNotUtf8AndPrintsNoControlCharacter) {
    const FrontRequest notUtf8 = requestFor({"load", "caf\xE9"});
    EXPECT_EQ(notUtf8.kind, Kind::refuse);
    EXPECT_EQ(notUtf8.text, "quillmere: the command is not valid UTF-8: \"load caf\\xE9\"");

    const FrontRequest escape = requestFor({"\x1B]0;owned\x07"});
    EXPECT_EQ(escape.kind, Kind::refuse);
    EXPECT_EQ(escape.text.find('\x1B'), std::string::npos) << escape.text;
    EXPECT_NE(escape.text.find("\\x1B]0;owned\\x07"), std::string::npos) << escape.text;
}

} // namespace
} // namespace quillmere
