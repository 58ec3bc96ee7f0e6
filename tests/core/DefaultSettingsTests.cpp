#include "core/Settings.h"
#include "core/SettingsCoding.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

TEST(DefaultSettingsTest, SeventyOneBindingsThatAllParseAndNoneIsReserved) {
    const auto& keys = Settings::default_().keys;
    EXPECT_EQ(keys.size(), 71u);
    std::vector<std::string> arrows;
    for (const auto& [chordText, commandText] : keys) {
        const auto chord = KeyChord::parse(chordText);
        ASSERT_TRUE(chord) << chordText;
        EXPECT_EQ(chord->text(), chordText);
        EXPECT_FALSE(chord->reservedReason()) << chordText;
        EXPECT_TRUE(Command::parse(commandText)) << commandText;
        if (chord->key == "up" || chord->key == "down" || chord->key == "left" || chord->key == "right")
            arrows.push_back(chordText);
    }
    EXPECT_EQ(arrows, std::vector<std::string>{"ctrl-alt-up"});
    const std::pair<const char*, const char*> ruled[] = {
        {"alt-0", "space 10"},         {"alt-1", "space 1"},    {"alt-shift-3", "send 3"},
        {"alt-shift-0", "send 10"},    {"alt-h", "focus west"}, {"alt-shift-l", "swap east"},
        {"ctrl-shift-j", "join south"}};
    for (const auto& [chord, command] : ruled)
        EXPECT_EQ(keys.at(chord), command) << chord;
}

TEST(DefaultSettingsTest, RulesComeFromTheRuleDefaultsAndEveryOptionalIsAbsent) {
    const Settings& settings = Settings::default_();
    EXPECT_EQ(&settings, &Settings::default_());
    EXPECT_TRUE(settings.focusFollowsMouse);
    EXPECT_TRUE(settings.mouseFollowsFocus);
    EXPECT_EQ(settings.floatApps,
              (std::vector<std::string>{"Activity Monitor", "App Store", "Archive Utility", "Calculator",
                                        "Dictionary", "FaceTime", "Photo Booth", "Screen Sharing",
                                        "Software Update", "System Information", "System Settings"}));
    EXPECT_EQ(settings.floatTitles, (std::vector<TitleRule>{{"Finder", "Co(py|nnect)|Move|Info|Pref"}}));
    EXPECT_EQ(settings.floatRules(), FloatRules::default_());
    ASSERT_EQ(settings.spaces.size(), 10u);
    for (std::size_t index = 0; index < 10; ++index)
        EXPECT_EQ(settings.spaces[index], (Settings::SpaceSettings{static_cast<std::int64_t>(index + 1)}));
    EXPECT_TRUE(settings.appSpaces.empty());

    // Every optional field absent: the record equals one that holds only the required fields.
    Settings requiredOnly;
    requiredOnly.keys = settings.keys;
    requiredOnly.focusFollowsMouse = requiredOnly.mouseFollowsFocus = true;
    requiredOnly.floatApps = settings.floatApps;
    requiredOnly.floatTitles = settings.floatTitles;
    requiredOnly.spaces = settings.spaces;
    EXPECT_EQ(settings, requiredOnly);
}

TEST(DefaultSettingsTest, WrittenAsJsonItHoldsTheSevenRequiredKeysOnly) {
    const auto written = encodeSettings(Settings::default_());
    ASSERT_TRUE(written.ok());
    const auto json = nlohmann::json::parse(*written);
    std::vector<std::string> keys;
    for (const auto& member : json.items())
        keys.push_back(member.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"appSpaces", "floatApps", "floatTitles", "focusFollowsMouse",
                                              "keys", "mouseFollowsFocus", "spaces"}));
    EXPECT_EQ(json["keys"].size(), 71u);
    EXPECT_EQ(json["floatApps"].size(), 11u);
    EXPECT_EQ(json["spaces"][9], (nlohmann::json{{"space", 10}}));
    // No slash escaping in the configuration file.
    EXPECT_NE(written->find("\"alt-shift-.\" : \"send next\""), std::string::npos);

    const auto read = decodeSettings(*written);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(*read, Settings::default_());
}

struct ShortcutCase {
    std::vector<std::string> commands;
    std::optional<std::string> expected;
};

TEST(ShortcutTextTest, DefaultBindingsSummarise) {
    const ShortcutCase cases[] = {
        {{"focus west", "focus south", "focus north", "focus east"}, "⌥ H J K L"},
        {{"space 1", "space 2", "space 3", "space 4", "space 5", "space 6", "space 7", "space 8", "space 9",
          "space 10"},
         "⌥ 1…0"},
        {{"focus west", "swap west"}, "⌥H ⌥⇧H"},
        {{"balance"}, "⌥="},
        {{"zoom"}, "⌥M"},
        {{"place column"}, "⌃⌥↑"},
        {{"place left", "place bottom", "place top", "place right", "place top-left"}, "⌃⌥ H…Y"},
        {{"place left", "place bottom", "place top", "place right"}, "⌃⌥ H J K L"},
        {{"settings", "place left", "close"}, "⌃⌥H"},
        {{"settings", "close"}, std::nullopt},
        {{}, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Settings::default_().shortcutText(c.commands), c.expected)
            << testing::PrintToString(c.commands);
}

TEST(ShortcutTextTest, OnlyTheFirstChordInTextOrderIsTried) {
    Settings settings;
    // "alt-hyper" sorts before "alt-k" and does not parse, so the close command contributes nothing.
    settings.keys = {
        {"alt-hyper", "close"}, {"alt-k", "close"}, {"hyper-x", "zoom"}, {"cmd-return", "settings"}};
    EXPECT_EQ(settings.shortcutText({"close"}), std::nullopt);
    EXPECT_EQ(settings.shortcutText({"zoom"}), std::nullopt);
    EXPECT_EQ(settings.shortcutText({"close", "zoom", "settings"}), "⌘↩");
}

} // namespace
} // namespace quillmere
