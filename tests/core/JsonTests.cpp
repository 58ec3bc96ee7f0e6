#include "core/JsonReader.h"
#include "core/JsonWriter.h"

#include <cmath>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

struct Sample {
    bool flag = false;
    std::optional<double> padding;
    std::vector<std::int64_t> spaces;
};

Sample readSample(const JsonReader& json) {
    Sample sample;
    sample.flag = json["flag"].boolean();
    sample.padding = json.optional("padding", &JsonReader::number);
    for (const auto& entry : json["spaces"].elements())
        sample.spaces.push_back(entry["space"].integer<std::int64_t>());
    return sample;
}

Decoded<Sample> decode(std::string_view text) {
    return decodeJson<Sample>(text, readSample);
}

struct FailureCase {
    const char* json;
    DecodingError::Kind kind;
    const char* path;
};

class JsonReaderFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(JsonReaderFailureTest, FirstBadValueFailsWithItsPath) {
    const auto& c = GetParam();
    const auto result = decode(c.json);
    ASSERT_FALSE(result.ok()) << c.json;
    EXPECT_EQ(result.error().kind, c.kind) << c.json;
    EXPECT_EQ(result.error().pathText(), c.path) << c.json;
}

using Kind = DecodingError::Kind;
INSTANTIATE_TEST_SUITE_P(
    Cases, JsonReaderFailureTest,
    testing::Values(
        FailureCase{"{", Kind::dataCorrupted, ""}, FailureCase{"[]", Kind::typeMismatch, ""},
        FailureCase{R"({"spaces": []})", Kind::keyNotFound, ""},
        FailureCase{R"({"flag": "true", "spaces": 3})", Kind::typeMismatch, "flag"},
        FailureCase{R"({"flag": 1, "spaces": []})", Kind::typeMismatch, "flag"},
        FailureCase{R"({"flag": null, "spaces": []})", Kind::valueNotFound, "flag"},
        FailureCase{R"({"flag": true, "padding": true, "spaces": []})", Kind::typeMismatch, "padding"},
        FailureCase{R"({"flag": true, "padding": "10", "spaces": []})", Kind::typeMismatch, "padding"},
        FailureCase{R"({"flag": true, "spaces": [{"space": 1}, {"space": 1.5}]})", Kind::dataCorrupted,
                    "spaces.1.space"},
        FailureCase{R"({"flag": true, "spaces": [{"space": 1}, {}]})", Kind::keyNotFound, "spaces.1"}));

TEST(JsonReaderTest, NullOrMissingOptionalsAreAbsentAndWholeFloatsAreIntegers) {
    const auto result =
        decode(R"({"flag": true, "padding": null, "spaces": [{"space": 3.0}, {"space": -2}], "x": 1})");
    ASSERT_TRUE(result.ok());
    EXPECT_TRUE(result->flag);
    EXPECT_EQ(result->padding, std::nullopt);
    EXPECT_EQ(result->spaces, (std::vector<std::int64_t>{3, -2}));
}

TEST(JsonReaderTest, UnsignedRefusesNegativeNumbers) {
    const auto read = [](const JsonReader& json) { return json["id"].integer<std::uint64_t>("UInt64"); };
    EXPECT_FALSE((decodeJson<std::uint64_t>(R"({"id": -1})", read).ok()));
    EXPECT_EQ((decodeJson<std::uint64_t>(R"({"id": 18446744073709551615})", read).value()),
              18446744073709551615u);
}

TEST(JsonReaderTest, ADocumentNestedDeeperThanTheLimitFailsWhateverItsDepth) {
    const auto nested = [](int depth) {
        return R"({"flag": true, "spaces": [], "x": )" + std::string(static_cast<std::size_t>(depth) - 1, '[') +
               std::string(static_cast<std::size_t>(depth) - 1, ']') + "}";
    };
    EXPECT_TRUE(decode(nested(maximumJsonDepth)).ok());
    for (const int depth : {maximumJsonDepth + 1, 100000, 1000000}) {
        const auto tooDeep = decode(nested(depth));
        ASSERT_FALSE(tooDeep.ok()) << depth;
        EXPECT_EQ(tooDeep.error(), (DecodingError{Kind::dataCorrupted, {}, "The given data nests deeper than 1200 levels."}))
            << depth;
    }
}

TEST(JsonReaderTest, ErrorTextJoinsThePathBeforeTheDescription) {
    EXPECT_EQ((DecodingError{Kind::typeMismatch, {"spaces", "2", "layout"}, "Bad."}.text()),
              "spaces.2.layout: Bad.");
    EXPECT_EQ((DecodingError{Kind::dataCorrupted, {}, "Not JSON."}.text()), "Not JSON.");
}

TEST(JsonWriterTest, PrettyPrintsWithSortedKeysAndWholeNumbersWithoutFraction) {
    const nlohmann::json document = {{"b", {1.0, -5.0, 0.25}},
                                     {"a/b", "x/y"},
                                     {"Z", nlohmann::json::object()},
                                     {"é", true},
                                     {"e", nlohmann::json::array()}};
    EXPECT_EQ(writeJson(document).value(), "{\n"
                                           "  \"Z\" : {},\n"
                                           "  \"a/b\" : \"x/y\",\n"
                                           "  \"b\" : [\n"
                                           "    1,\n"
                                           "    -5,\n"
                                           "    0.25\n"
                                           "  ],\n"
                                           "  \"e\" : [],\n"
                                           "  \"é\" : true\n"
                                           "}");
    EXPECT_EQ(writeJson(document, {.pretty = false, .escapeSlashes = true}).value(),
              R"({"Z":{},"a\/b":"x\/y","b":[1,-5,0.25],"e":[],"é":true})");
}

TEST(JsonWriterTest, DoublesRoundTripExactly) {
    for (const double ratio : {0.1, 1.0 / 3.0, 0.24999999999999997, 0.7000000000000001, 1e-300}) {
        const auto text = writeJson(nlohmann::json{{"ratio", ratio}}).value();
        const auto back =
            decodeJson<double>(text, [](const JsonReader& json) { return json["ratio"].number(); });
        EXPECT_EQ(back.value(), ratio) << text;
    }
}

TEST(JsonWriterTest, NonFiniteNumbersAndBadTextFailInsteadOfWriting) {
    EXPECT_FALSE(writeJson(nlohmann::json{{"gap", std::nan("")}}).ok());
    EXPECT_FALSE(writeJson(nlohmann::json{{"gap", {1.0, INFINITY}}}).ok());
    EXPECT_FALSE(writeJson(nlohmann::json{{"name", std::string("\xff")}}).ok());
}

} // namespace
} // namespace quillmere
