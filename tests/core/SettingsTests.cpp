#include "core/Settings.h"
#include "core/SettingsCoding.h"
#include "support/EverySetting.h"
#include "support/Printers.h"

#include <cmath>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <sstream>

namespace quillmere {
namespace {

using Kind = DecodingError::Kind;

const nlohmann::json requiredOnly = nlohmann::json::parse(R"({
    "keys": {}, "focusFollowsMouse": false, "mouseFollowsFocus": false,
    "floatApps": [], "floatTitles": [], "spaces": [], "appSpaces": {}
})");

// The required keys with some members replaced or added (null included) and some removed.
std::string document(const char* members = "{}", std::initializer_list<const char*> removed = {}) {
    nlohmann::json json = requiredOnly;
    const auto replaced = nlohmann::json::parse(members);
    for (const auto& [key, value] : replaced.items())
        json[key] = value;
    for (const char* key : removed)
        json.erase(key);
    return json.dump();
}

Settings decoded(const char* members) {
    const auto result = decodeSettings(document(members));
    EXPECT_TRUE(result.ok()) << (result.ok() ? "" : result.error().text());
    return result.ok() ? *result : Settings{};
}

std::string dataFile(const char* name) {
    std::ifstream file(std::string(QUILLMERE_CORE_TEST_DATA "/") + name, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The text of the error the read of the bytes fails with.
std::string readError(const std::string& bytes) {
    const auto read = decodeSettings(bytes);
    return read.ok() ? "no error" : read.error().text();
}

struct BadDocument {
    const char* name;
    std::string json;
    Kind kind;
    const char* path;
};

void PrintTo(const BadDocument& c, std::ostream* out) {
    *out << c.name;
}

class SettingsDecodingFailureTest : public testing::TestWithParam<BadDocument> {};

TEST_P(SettingsDecodingFailureTest, TheFirstFaultInFieldOrderFailsTheWholeRead) {
    const auto& c = GetParam();
    const auto result = decodeSettings(c.json);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().kind, c.kind) << result.error().text();
    EXPECT_EQ(result.error().pathText(), c.path) << result.error().text();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsDecodingFailureTest,
    testing::Values(
        BadDocument{"notJson", "{\"keys\": ", Kind::dataCorrupted, ""},
        BadDocument{"notAnObject", "[]", Kind::typeMismatch, ""},
        BadDocument{"missingAppSpaces", document("{}", {"appSpaces"}), Kind::keyNotFound, ""},
        BadDocument{"textForABooleanComesBeforeTheMissingKey",
                    document(R"({"focusFollowsMouse": "true"})", {"appSpaces"}), Kind::typeMismatch,
                    "focusFollowsMouse"},
        BadDocument{"nullForARequiredKey", document(R"({"mouseFollowsFocus": null})"), Kind::valueNotFound,
                    "mouseFollowsFocus"},
        BadDocument{"commandThatIsNoText", document(R"({"keys": {"alt-h": 5}})"), Kind::typeMismatch,
                    "keys.alt-h"},
        BadDocument{"paddingAsText", document(R"({"padding": "10"})"), Kind::typeMismatch, "padding"},
        BadDocument{"paddingAsBoolean", document(R"({"padding": true})"), Kind::typeMismatch, "padding"},
        BadDocument{"booleanAsNumber", document(R"({"spacing": 1})"), Kind::typeMismatch, "spacing"},
        BadDocument{"spaceNumberAsText", document(R"({"appSpaces": {"Mail": "10"}})"), Kind::typeMismatch,
                    "appSpaces.Mail"},
        BadDocument{"spaceNumberWithAFraction", document(R"({"appSpaces": {"Mail": 1.5}})"),
                    Kind::dataCorrupted, "appSpaces.Mail"},
        BadDocument{"unknownLayoutInTheThirdSpace",
                    document(R"({"spaces": [{"space": 1}, {"space": 2}, {"space": 3, "layout": "grid"}]})"),
                    Kind::dataCorrupted, "spaces.2.layout"},
        BadDocument{"spaceWithoutItsNumber", document(R"({"spaces": [{"label": "Mail"}]})"),
                    Kind::keyNotFound, "spaces.0"},
        BadDocument{"titleRuleWithoutItsPattern", document(R"({"floatTitles": [{"app": "Finder"}]})"),
                    Kind::keyNotFound, "floatTitles.0"},
        BadDocument{"tilingInCapitals", document(R"({"tiling": "BSP"})"), Kind::dataCorrupted, "tiling"},
        BadDocument{"stackingUnknown", document(R"({"stacking": "cards"})"), Kind::dataCorrupted, "stacking"},
        BadDocument{"fullScreenAppThatIsNoText", document(R"({"fullScreenApps": ["Safari", 1]})"),
                    Kind::typeMismatch, "fullScreenApps.1"},
        BadDocument{"paddingBeforeTiling", document(R"({"tiling": "grid", "padding": "x"})"),
                    Kind::typeMismatch, "padding"},
        BadDocument{
            "menuBarBeforeFloatApps",
            document(R"({"menuBar": {"items": [{"item": "clock", "shown": true}], "indexStyle": "single"}})",
                     {"floatApps"}),
            Kind::dataCorrupted, "menuBar.items.0.item"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsDecodingTest, OnlyTheRequiredKeysGiveTheEffectiveDefaults) {
    const Settings settings = decoded("{}");
    EXPECT_TRUE(settings.usesShortcuts());
    EXPECT_TRUE(settings.followsSends());
    EXPECT_FALSE(settings.followsRouting());
    EXPECT_FALSE(settings.showsWindowPreviews());
    EXPECT_TRUE(settings.usesSpacing());
    EXPECT_EQ(settings.spacingForDisplayWidth(1728), (Spacing{10, 10, 0.5}));
    EXPECT_FALSE(settings.showsActiveBorder());
    EXPECT_EQ(settings.activeBorderOpacity(), 1.0);
    EXPECT_FALSE(settings.dimsInactive());
    EXPECT_EQ(settings.inactiveDimOpacity(), 0.3);
    EXPECT_FALSE(settings.animatesWindows());
    EXPECT_EQ(settings.splitRatio(), 0.5);
    EXPECT_EQ(settings.tileAlgorithm(), TileAlgorithm::bsp);
    EXPECT_EQ(settings.stackAlgorithm(), StackAlgorithm::fill);
    EXPECT_TRUE(settings.fullScreenRules().empty());
    EXPECT_TRUE(settings.adoptsNativeTiling());
    EXPECT_EQ(settings.menuBarSettings(), MenuBarSettings::default_());
    EXPECT_FALSE(settings.borderColor);

    const auto written = encodeSettings(settings);
    ASSERT_TRUE(written.ok());
    EXPECT_EQ(nlohmann::json::parse(*written), requiredOnly);
}

TEST(SettingsDecodingTest, NullAndMissingOptionalKeysAreBothAbsent) {
    const Settings nulls = decoded(R"({"padding": null, "menuBar": null, "tiling": null, "shortcuts": null,
                                        "fullScreenApps": null, "spaces": [{"space": 1, "label": null}]})");
    const Settings missing = decoded(R"({"spaces": [{"space": 1}]})");
    EXPECT_EQ(nulls, missing);
    EXPECT_FALSE(nulls.padding);
    EXPECT_FALSE(nulls.menuBar);
    EXPECT_FALSE(nulls.spaces.at(0).label);
}

TEST(SettingsDecodingTest, UnknownKeysAndOutOfRangeValuesAreReadAsTheyStand) {
    const Settings settings = decoded(R"({"theme": "dark", "ratio": 7, "appSpaces": {"Mail": -3},
                                          "spaces": [{"space": 2}, {"space": 2}], "floatTitles": [{"app": "X", "title": "("}]})");
    EXPECT_EQ(settings.ratio, 7.0);
    EXPECT_EQ(settings.appSpaces.at("Mail"), -3);
    EXPECT_EQ(settings.spaces.size(), 2u);
    EXPECT_EQ(settings.floatTitles.at(0).title, "(");
}

// The content of the golden file.
Settings goldenSettings() {
    Settings settings;
    settings.keys = {{"alt-h", "focus west"}, {"ctrl-alt-left", "place left 1/2"}};
    settings.focusFollowsMouse = true;
    settings.mouseFollowsFocus = false;
    settings.menuBar =
        MenuBarSettings{{{MenuBarSettings::Item::name, true}}, MenuBarSettings::IndexStyle::stepper};
    settings.floatApps = {"Calculator", "App Store"};
    settings.floatTitles = {{"Finder", "Co(py|nnect)|Move|Info|Pref"}};
    settings.spaces = {{2, "", LayoutMode::stack}, {1, std::nullopt, std::nullopt}};
    settings.padding = -5;
    settings.gap = 500;
    settings.activeBorder = true;
    settings.borderColor = "#FF8800";
    settings.ratio = 0.35;
    settings.tiling = TileAlgorithm::masterStack;
    settings.stacking = StackAlgorithm::accordion;
    settings.appSpaces = {{"Mail", 3}, {"mail", 4}, {"Äpfel", 5}};
    settings.fullScreenApps = std::vector<std::string>{"Safari"};
    settings.nativeTiling = false;
    return settings;
}

TEST(SettingsWritingTest, GoldenFileReadsAndIsWrittenBackByteForByte) {
    const std::string bytes = dataFile("settings.json");
    ASSERT_FALSE(bytes.empty());
    const auto read = decodeSettings(bytes);
    ASSERT_TRUE(read.ok()) << read.error().text();
    EXPECT_EQ(*read, goldenSettings());
    const auto written = encodeSettings(*read);
    ASSERT_TRUE(written.ok());
    EXPECT_EQ(*written, bytes);
}

TEST(SettingsWritingTest, StoredValuesAreWrittenAsStoredAndClampedOnlyWhenUsed) {
    const Settings settings = goldenSettings();
    const Spacing spacing = settings.spacingForDisplayWidth(1728);
    EXPECT_EQ(spacing.padding, 0);
    EXPECT_EQ(spacing.gap, 200);
    const auto written = encodeSettings(settings);
    ASSERT_TRUE(written.ok());
    EXPECT_NE(written->find("\"padding\" : -5,"), std::string::npos);
    EXPECT_NE(written->find("\"gap\" : 500,"), std::string::npos);
}

TEST(SettingsWritingTest, ANumberThatIsNotFiniteFailsTheWriteWithAMessage) {
    Settings settings = Settings::default_();
    settings.ratio = std::numeric_limits<double>::quiet_NaN();
    const auto written = encodeSettings(settings);
    ASSERT_FALSE(written.ok());
    EXPECT_FALSE(written.error().message.empty());
}

TEST(SettingsEqualityTest, AnAbsentSettingDiffersFromItsDefaultWrittenOut) {
    Settings withPadding = Settings::default_();
    withPadding.padding = 10;
    EXPECT_NE(withPadding, Settings::default_());
    EXPECT_EQ(withPadding.spacingForDisplayWidth(1728), Settings::default_().spacingForDisplayWidth(1728));
}

struct Effective {
    const char* members;
    std::function<double(const Settings&)> read;
    double expected;
};

TEST(SettingsEffectiveValuesTest, NumbersAreClampedIntoTheirRanges) {
    const auto padding = [](const Settings& s) { return s.spacingForDisplayWidth(1728).padding; };
    const auto gap = [](const Settings& s) { return s.spacingForDisplayWidth(1728).gap; };
    const auto ratio = [](const Settings& s) { return s.splitRatio(); };
    const auto border = [](const Settings& s) { return s.activeBorderOpacity(); };
    const auto dim = [](const Settings& s) { return s.inactiveDimOpacity(); };
    const Effective cases[] = {
        {R"({"padding": -5})", padding, 0},       {R"({"padding": 500})", padding, 200},
        {R"({"padding": 12.5})", padding, 12.5},  {R"({"gap": 201})", gap, 200},
        {R"({"ratio": 0.95})", ratio, 0.9},       {R"({"ratio": 0})", ratio, 0.1},
        {R"({"ratio": 0.3})", ratio, 0.3},        {R"({"borderOpacity": 0})", border, 0.1},
        {R"({"borderOpacity": 2})", border, 1.0}, {R"({"dimOpacity": 1})", dim, 0.9},
        {R"({"dimOpacity": 0.01})", dim, 0.05},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.read(decoded(c.members)), c.expected) << c.members;
}

TEST(SettingsEffectiveValuesTest, AutomaticSpacingTurnsRoomierAbove1600Points) {
    const Settings settings = decoded("{}");
    EXPECT_EQ(settings.spacingForDisplayWidth(1600), (Spacing{5, 5, 0.5}));
    EXPECT_EQ(settings.spacingForDisplayWidth(1601), (Spacing{10, 10, 0.5}));
    // Padding and gap fall back independently.
    EXPECT_EQ(decoded(R"({"gap": 8})").spacingForDisplayWidth(1728), (Spacing{10, 8, 0.5}));
    EXPECT_EQ(decoded(R"({"padding": 3, "ratio": 0.6})").spacingForDisplayWidth(1200), (Spacing{3, 5, 0.6}));
}

TEST(SettingsEffectiveValuesTest, SpacingSwitchedOffMeetsEdgeToEdgeAndKeepsTheStoredValues) {
    const Settings settings = decoded(R"({"spacing": false, "padding": 20, "gap": 12, "ratio": 0.7})");
    EXPECT_EQ(settings.spacingForDisplayWidth(1728), (Spacing{0, 0, 0.7}));
    EXPECT_EQ(settings.padding, 20.0);
    EXPECT_EQ(settings.gap, 12.0);
}

TEST(SettingsDerivedTest, BindingsAreSortedByChordTextAndParsedChordFirst) {
    const Settings settings =
        decoded(R"({"keys": {"ctrl-alt-h": "place left", "alt-q": "fly away", "hyper-x": "zoom",
                             "cmd-q": "no such command"}})");
    const auto bindings = settings.bindings();
    ASSERT_EQ(bindings.size(), 4u);
    EXPECT_EQ(bindings[0].chord, "alt-q");
    ASSERT_FALSE(bindings[0].binding.ok());
    EXPECT_EQ(bindings[0].binding.error(),
              Settings::BindingError{Settings::BindingError::BadCommand{"fly away"}});
    EXPECT_EQ(bindings[0].binding.error().text(), "Unknown command “fly away”");
    EXPECT_EQ(bindings[1].chord, "cmd-q");
    EXPECT_FALSE(bindings[1].binding.ok());
    EXPECT_EQ(bindings[2].chord, "ctrl-alt-h");
    ASSERT_TRUE(bindings[2].binding.ok());
    EXPECT_EQ(bindings[2].binding->first, *KeyChord::parse("ctrl-alt-h"));
    EXPECT_EQ(bindings[2].binding->second, *Command::parse("place left"));
    EXPECT_EQ(bindings[3].chord, "hyper-x");
    ASSERT_FALSE(bindings[3].binding.ok());
    EXPECT_EQ(bindings[3].binding.error(), Settings::BindingError{Settings::BindingError::BadChord{}});
    EXPECT_EQ(bindings[3].binding.error().text(), "Unknown key or modifier");
}

TEST(SettingsDerivedTest, TheFirstLabelAndTheFirstLayoutOfASpaceWin) {
    const Settings settings = decoded(R"({"spaces": [
        {"space": 2, "label": "A"}, {"space": 2, "label": "B"},
        {"space": 3, "layout": "stack"}, {"space": 3, "label": "Mail", "layout": "float"},
        {"space": 4}], "appSpaces": {"Mail": 3}})");
    const SpaceRules rules = settings.spaceRules();
    EXPECT_EQ(rules.labels, (std::map<std::int64_t, std::string>{{2, "A"}, {3, "Mail"}}));
    EXPECT_EQ(rules.layouts, (std::map<std::int64_t, LayoutMode>{{3, LayoutMode::stack}}));
    EXPECT_EQ(rules.apps, (std::map<std::string, std::int64_t>{{"Mail", 3}}));
}

TEST(SettingsDerivedTest, ListsBecomeSetsAndTitleRulesKeepTheirOrder) {
    const Settings settings = decoded(R"({"floatApps": ["Notes", "Mail", "Notes"],
        "floatTitles": [{"app": "Mail", "title": "^Re"}, {"app": "Finder", "title": "Info"}],
        "fullScreenApps": ["Safari", "Safari"]})");
    const FloatRules rules = settings.floatRules();
    EXPECT_EQ(rules.apps, (std::set<std::string, std::less<>>{"Mail", "Notes"}));
    EXPECT_EQ(rules.titles, (std::vector<FloatRules::Title>{{"Mail", "^Re"}, {"Finder", "Info"}}));
    EXPECT_EQ(settings.fullScreenRules(), (std::set<std::string>{"Safari"}));
}

TEST(SettingsFlipTest, AFlipStartsFromTheEffectiveValueAndStoresIt) {
    Settings settings = decoded("{}");
    settings.flip(SettingToggle::spacing);
    EXPECT_EQ(settings.spacing, false);
    settings.flip(SettingToggle::spacing);
    EXPECT_EQ(settings.spacing, true);
    settings.flip(SettingToggle::border);
    EXPECT_EQ(settings.activeBorder, true);
    settings.flip(SettingToggle::dim);
    EXPECT_EQ(settings.dimInactive, true);
    settings.flip(SettingToggle::dim);
    EXPECT_EQ(settings.dimInactive, false);
}

struct Golden {
    const char* file;
    std::function<Settings()> settings;
};

TEST(SettingsFileTest, WrittenBytesAreTheGoldenFilesAndReadBackTheSame) {
    const Golden cases[] = {{"default-settings.json", [] { return Settings::default_(); }},
                            {"every-setting.json", everySettingChanged}};
    for (const auto& c : cases) {
        const Settings settings = c.settings();
        const auto written = encodeSettings(settings);
        ASSERT_TRUE(written.ok()) << c.file;
        EXPECT_EQ(*written, dataFile(c.file)) << c.file;
        const auto read = decodeSettings(*written);
        ASSERT_TRUE(read.ok()) << c.file << ": " << read.error().text();
        EXPECT_EQ(*read, settings) << c.file;
    }
}

struct BadValue {
    const char* key;
    const char* value;
    const char* error;
};

// Each key of the file in turn holds a value of the wrong type, in a document that is otherwise complete.
TEST(SettingsFileTest, AWrongValueForAnyKeyFailsTheReadWithItsPathAndText) {
    const BadValue cases[] = {
        {"keys", "[]", "keys: Expected to decode Dictionary<String, Any> but found an array instead."},
        {"shortcuts", "\"no\"", "shortcuts: Expected to decode Bool but found a string instead."},
        {"focusFollowsMouse", "0", "focusFollowsMouse: Expected to decode Bool but found a number instead."},
        {"mouseFollowsFocus", "null", "mouseFollowsFocus: Expected Bool value but found null instead."},
        {"followAfterSending", "1",
         "followAfterSending: Expected to decode Bool but found a number instead."},
        {"followRoutedWindows", "{}",
         "followRoutedWindows: Expected to decode Bool but found a dictionary instead."},
        {"windowPreviews", "\"true\"", "windowPreviews: Expected to decode Bool but found a string instead."},
        {"menuBar", "{\"items\": [], \"indexStyle\": \"wide\"}",
         "menuBar.indexStyle: Cannot initialize IndexStyle from invalid String value wide"},
        {"floatApps", "[\"Notes\", null]", "floatApps.1: Expected String value but found null instead."},
        {"floatTitles", "[{\"app\": \"Mail\", \"title\": 3}]",
         "floatTitles.0.title: Expected to decode String but found a number instead."},
        {"spaces", "[{\"space\": 1.5}]", "spaces.0.space: Parsed JSON number <1.5> does not fit in Int."},
        {"padding", "\"10\"", "padding: Expected to decode Double but found a string instead."},
        {"gap", "false", "gap: Expected to decode Double but found a boolean instead."},
        {"spacing", "[]", "spacing: Expected to decode Bool but found an array instead."},
        {"activeBorder", "\"yes\"", "activeBorder: Expected to decode Bool but found a string instead."},
        {"borderColor", "16777215", "borderColor: Expected to decode String but found a number instead."},
        {"borderOpacity", "{}", "borderOpacity: Expected to decode Double but found a dictionary instead."},
        {"dimInactive", "0", "dimInactive: Expected to decode Bool but found a number instead."},
        {"dimOpacity", "\"0.3\"", "dimOpacity: Expected to decode Double but found a string instead."},
        {"animateWindows", "1", "animateWindows: Expected to decode Bool but found a number instead."},
        {"ratio", "[0.5]", "ratio: Expected to decode Double but found an array instead."},
        {"tiling", "\"spiral\"", "tiling: Cannot initialize TileAlgorithm from invalid String value spiral"},
        {"stacking", "3", "stacking: Expected to decode String but found a number instead."},
        {"appSpaces", "{\"Mail\": \"2\"}",
         "appSpaces.Mail: Expected to decode Int but found a string instead."},
        {"fullScreenApps", "\"Safari\"",
         "fullScreenApps: Expected to decode Array<Any> but found a string instead."},
        {"nativeTiling", "\"false\"", "nativeTiling: Expected to decode Bool but found a string instead."},
    };
    const std::string valid = dataFile("every-setting.json");
    for (const auto& c : cases) {
        nlohmann::json document = nlohmann::json::parse(valid);
        ASSERT_TRUE(document.contains(c.key)) << c.key;
        document[c.key] = nlohmann::json::parse(c.value);
        EXPECT_EQ(readError(document.dump()), c.error) << c.key;
    }
}

// Each required key in turn is missing, or the whole document is not a settings object.
TEST(SettingsFileTest, AMissingRequiredKeyOrABrokenDocumentFailsTheReadWithItsText) {
    const std::string valid = dataFile("every-setting.json");
    const std::pair<const char*, const char*> missing[] = {
        {"keys", "No value associated with key keys."},
        {"focusFollowsMouse", "No value associated with key focusFollowsMouse."},
        {"mouseFollowsFocus", "No value associated with key mouseFollowsFocus."},
        {"floatApps", "No value associated with key floatApps."},
        {"floatTitles", "No value associated with key floatTitles."},
        {"spaces", "No value associated with key spaces."},
        {"appSpaces", "No value associated with key appSpaces."},
    };
    for (const auto& [key, error] : missing) {
        nlohmann::json document = nlohmann::json::parse(valid);
        ASSERT_EQ(document.erase(key), 1u) << key;
        EXPECT_EQ(readError(document.dump()), error) << key;
    }
    const std::pair<std::string, const char*> broken[] = {
        {valid.substr(0, valid.size() / 2), "The given data was not valid JSON."},
        {"[]", "Expected to decode Dictionary<String, Any> but found an array instead."},
        {"", "The given data was not valid JSON."}};
    for (const auto& [bytes, error] : broken) {
        EXPECT_EQ(readError(bytes), error) << bytes;
    }
}

} // namespace
} // namespace quillmere
