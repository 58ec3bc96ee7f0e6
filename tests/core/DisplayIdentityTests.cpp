#include "core/DisplayIdentity.h"
#include "core/ProfileDisplay.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

using nlohmann::json;

TEST(DisplayIdentityTest, SignatureIsVendorModelSerialWhenThereIsASerialElseTheName) {
    EXPECT_EQ((DisplayIdentity{"Studio Display", 1, 22, 333, false}.signature()), "1-22-333");
    EXPECT_EQ((DisplayIdentity{"Other name", 1, 22, 333, true}.signature()), "1-22-333");
    EXPECT_EQ((DisplayIdentity{"Color LCD", 1552, 41240, 0, true}.signature()), "Color LCD");
    EXPECT_EQ((DisplayIdentity{"Big", 4294967295, 4294967295, 4294967295, false}.signature()),
              "4294967295-4294967295-4294967295");
}

TEST(DisplayIdentityTest, EqualityAndHashingUseEveryField) {
    const DisplayIdentity base{"A", 1, 2, 3, false};
    EXPECT_EQ(std::hash<DisplayIdentity>{}(base),
              std::hash<DisplayIdentity>{}(DisplayIdentity{"A", 1, 2, 3, false}));
    for (const DisplayIdentity& other :
         {DisplayIdentity{"B", 1, 2, 3, false}, DisplayIdentity{"A", 9, 2, 3, false},
          DisplayIdentity{"A", 1, 9, 3, false}, DisplayIdentity{"A", 1, 2, 9, false},
          DisplayIdentity{"A", 1, 2, 3, true}})
        EXPECT_NE(base, other);
}

class ProfileDisplayCodingTest : public testing::Test {
  protected:
    ProfileDisplay display{{"LG UltraFine", 7789, 23305, 16843009, false}, {-1920, -120.5, 1920, 1080}, 3};

    // The encoded form with one value replaced or removed (a null pointer removes).
    json edited(const json::json_pointer& where, const json* value) {
        json encoded = display;
        if (value)
            encoded[where] = *value;
        else
            encoded[where.parent_pointer()].erase(where.back());
        return encoded;
    }
};

TEST_F(ProfileDisplayCodingTest, WritesEveryKeyAndTheFrameAsTwoPairs) {
    const json encoded = display;
    EXPECT_EQ(encoded, json::parse(R"({"desktops": 3, "frame": [[-1920, -120.5], [1920, 1080]],
        "identity": {"builtIn": false, "model": 23305, "name": "LG UltraFine", "serial": 16843009, "vendor": 7789}})"));
}

TEST_F(ProfileDisplayCodingTest, RoundTripsThroughTextAndIgnoresUnknownKeys) {
    json encoded = json::parse(json(display).dump());
    EXPECT_EQ(decodeProfileDisplay(encoded).value(), display);
    encoded["extra"] = {1, 2};
    encoded["identity"]["colour"] = "red";
    EXPECT_EQ(decodeProfileDisplay(encoded).value(), display);
    EXPECT_EQ(decodeDisplayIdentity(encoded["identity"]).value(), display.identity);
}

TEST_F(ProfileDisplayCodingTest, NumbersOfEitherKindReadWhenTheirValueFits) {
    const json whole = 3.0;
    const json frameOfIntegers = json::parse("[[0, 0], [100, 50]]");
    EXPECT_EQ(decodeProfileDisplay(edited("/desktops"_json_pointer, &whole)).value().desktops, 3);
    EXPECT_EQ(decodeProfileDisplay(edited("/frame"_json_pointer, &frameOfIntegers)).value().frame,
              Rect(0, 0, 100, 50));
    const json negative = -2;
    EXPECT_EQ(decodeProfileDisplay(edited("/desktops"_json_pointer, &negative)).value().desktops, -2);
}

struct FailureCase {
    std::string where;
    std::optional<std::string> value; // JSON text; none removes the key
    std::vector<std::string> codingPath;
    std::string description;
};

class ProfileDisplayFailureTest : public ProfileDisplayCodingTest,
                                  public testing::WithParamInterface<FailureCase> {};

TEST_P(ProfileDisplayFailureTest, FailsWithThePathAndKindOfTheFirstFault) {
    const FailureCase& c = GetParam();
    const std::optional<json> value = c.value ? std::optional(json::parse(*c.value)) : std::nullopt;
    const auto result = decodeProfileDisplay(edited(json::json_pointer(c.where), value ? &*value : nullptr));
    ASSERT_FALSE(result.ok());
    const auto& error = result.error();
    EXPECT_EQ(error.path, c.codingPath);
    EXPECT_EQ(error.description, c.description);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileDisplayFailureTest,
    testing::Values(
        FailureCase{"/desktops", std::nullopt, {}, "No value associated with key desktops."},
        FailureCase{"/identity/serial", std::nullopt, {"identity"}, "No value associated with key serial."},
        FailureCase{"/identity/serial",
                    "\"16843009\"",
                    {"identity", "serial"},
                    "Expected to decode UInt32 but found a string instead."},
        FailureCase{"/identity/vendor",
                    "-1",
                    {"identity", "vendor"},
                    "Parsed JSON number <-1> does not fit in UInt32."},
        FailureCase{"/identity/model",
                    "4294967296",
                    {"identity", "model"},
                    "Parsed JSON number <4294967296> does not fit in UInt32."},
        FailureCase{"/identity/model",
                    "1.5",
                    {"identity", "model"},
                    "Parsed JSON number <1.5> does not fit in UInt32."},
        FailureCase{"/identity/builtIn",
                    "1",
                    {"identity", "builtIn"},
                    "Expected to decode Bool but found a number instead."},
        FailureCase{
            "/identity/name", "null", {"identity", "name"}, "Expected String value but found null instead."},
        FailureCase{"/identity",
                    "[]",
                    {"identity"},
                    "Expected to decode Dictionary<String, Any> but found an array instead."},
        FailureCase{"/desktops", "true", {"desktops"}, "Expected to decode Int but found a boolean instead."},
        FailureCase{"/desktops", "2.5", {"desktops"}, "Parsed JSON number <2.5> does not fit in Int."},
        FailureCase{"/desktops",
                    "9223372036854775808",
                    {"desktops"},
                    "Parsed JSON number <9223372036854775808> does not fit in Int."},
        FailureCase{"/frame",
                    "{\"x\": 0}",
                    {"frame"},
                    "Expected to decode Array<Any> but found a dictionary instead."},
        FailureCase{"/frame", "[[0, 0]]", {"frame", "1"}, "Unkeyed container is at end."},
        FailureCase{"/frame", "[[0, 0], [100]]", {"frame", "1", "1"}, "Unkeyed container is at end."},
        FailureCase{"/frame",
                    "[[0, false], [100, 100]]",
                    {"frame", "0", "1"},
                    "Expected to decode Double but found a boolean instead."},
        FailureCase{"/frame",
                    "[0, 0, 100, 100]",
                    {"frame", "0"},
                    "Expected to decode Array<Any> but found a number instead."}));

TEST_F(ProfileDisplayCodingTest, TheFirstFaultInFieldOrderIsReported) {
    json encoded = display;
    encoded["desktops"] = "3";
    encoded["identity"]["builtIn"] = "no";
    encoded["identity"]["vendor"] = "x";
    const auto error = decodeProfileDisplay(encoded).error();
    EXPECT_EQ(error.path, (std::vector<std::string>{"identity", "vendor"}));
    EXPECT_EQ(decodeProfileDisplay(json::array()).error().description,
              "Expected to decode Dictionary<String, Any> but found an array instead.");
}

} // namespace
} // namespace quillmere
