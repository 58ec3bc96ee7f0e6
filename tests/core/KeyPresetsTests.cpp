#include "core/KeyPresets.h"
#include "core/Settings.h"

#include <gtest/gtest.h>

namespace quillmere {
namespace {

using KeyMap = KeyPreset::KeyMap;

// The default map's bindings of a command.
std::vector<std::string> chordsOf(const KeyMap& keys, std::string_view command) {
    std::vector<std::string> chords;
    for (const auto& [chord, bound] : keys)
        if (bound == command)
            chords.push_back(chord);
    return chords;
}

struct PresetCase {
    const KeyPreset& preset;
    std::size_t bindings;
    KeyMap fallbacksUsed;
};

TEST(KeyPresetTest, SettingsKeysMergeThePresetOverTheDefaults) {
    const PresetCase cases[] = {
        {KeyPreset::rectangle(), 81, KeyPreset::rectangle().fallbacks},
        {KeyPreset::spectacle(), 72, {}},
        {KeyPreset::aerospace(), 70, {{"alt-[", "space prev"}}},
        {KeyPreset::amethyst(), 77, KeyPreset::amethyst().fallbacks},
        {KeyPreset::betterStage(), 82, KeyPreset::betterStage().fallbacks},
        {KeyPreset::shiftPlus(), 71, {}},
    };
    const KeyMap& defaults = Settings::default_().keys;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.preset.id);
        const KeyMap keys = c.preset.settingsKeys();
        EXPECT_EQ(keys.size(), c.bindings);
        for (const auto& [chord, command] : c.preset.keys)
            EXPECT_EQ(keys.at(chord), command);
        for (const auto& [chord, command] : c.preset.fallbacks) {
            const auto bound = keys.find(chord);
            const bool used =
                bound != keys.end() && bound->second == command && !c.preset.keys.contains(chord);
            EXPECT_EQ(used, c.fallbacksUsed.contains(chord)) << chord;
        }
        // Whatever is neither the preset's own nor a fallback is a default binding left untouched.
        for (const auto& [chord, command] : keys) {
            if (!c.preset.keys.contains(chord) && !c.fallbacksUsed.contains(chord)) {
                EXPECT_EQ(defaults.at(chord), command) << chord;
            }
        }
        EXPECT_TRUE(c.preset.displaced().empty());
    }
}

TEST(KeyPresetTest, AllSixInOrderWithParsableChordsAndCommands) {
    std::vector<std::string> ids;
    for (const auto& preset : KeyPreset::all()) {
        ids.push_back(preset.id);
        EXPECT_FALSE(preset.name.empty());
        EXPECT_FALSE(preset.note.empty());
        EXPECT_FALSE(preset.unmatched.empty());
        for (const KeyMap* map : {&preset.keys, &preset.fallbacks})
            for (const auto& [chord, command] : *map) {
                EXPECT_TRUE(KeyChord::parse(chord)) << preset.id << " " << chord;
                EXPECT_TRUE(Command::parse(command)) << preset.id << " " << command;
            }
    }
    EXPECT_EQ(ids, (std::vector<std::string>{"rectangle", "spectacle", "aerospace", "amethyst", "betterstage",
                                             "shiftplus"}));
    EXPECT_EQ(&KeyPreset::all().front(), &KeyPreset::all().front());
    EXPECT_EQ(KeyPreset::aerospace().keys.size(), 31u);
    EXPECT_EQ(KeyPreset::amethyst().keys.size(), 23u);
    EXPECT_EQ(KeyPreset::betterStage().keys.size(), 42u);
}

TEST(KeyPresetTest, ACommandThePresetBindsKeepsOnlyThePresetsChords) {
    const KeyMap rectangle = KeyPreset::rectangle().settingsKeys();
    EXPECT_EQ(chordsOf(rectangle, "zoom"), std::vector<std::string>{"ctrl-alt-return"});
    EXPECT_EQ(chordsOf(rectangle, "place top-right"), std::vector<std::string>{"ctrl-alt-i"});
    EXPECT_EQ(chordsOf(rectangle, "place column"), std::vector<std::string>{"ctrl-alt-shift-up"});
    EXPECT_EQ(chordsOf(rectangle, "place top"), std::vector<std::string>{"ctrl-alt-cmd-up"});

    const KeyMap aerospace = KeyPreset::aerospace().settingsKeys();
    EXPECT_EQ(aerospace.at("alt-,"), "layout stack");
    EXPECT_EQ(chordsOf(aerospace, "space prev"), std::vector<std::string>{"alt-["});
    EXPECT_EQ(chordsOf(aerospace, "balance"), (std::vector<std::string>{"alt-]", "alt-b"}));

    const KeyMap shiftPlus = KeyPreset::shiftPlus().settingsKeys();
    EXPECT_EQ(chordsOf(shiftPlus, "space last"), std::vector<std::string>{"cmd-;"});
    EXPECT_EQ(chordsOf(shiftPlus, "space next"), std::vector<std::string>{"ctrl-cmd-right"});
    EXPECT_FALSE(shiftPlus.contains("alt-`"));
}

TEST(KeyPresetTest, QuillmereOnlyListsTheDefaultCommandsThePresetLeavesAlone) {
    const auto only = KeyPreset::shiftPlus().quillmereOnly();
    EXPECT_TRUE(std::ranges::is_sorted(only));
    EXPECT_EQ(only.size(), 66u);
    EXPECT_EQ(std::ranges::count(only, "space last"), 0);
    EXPECT_EQ(std::ranges::count(only, "space prev"), 1);
    const auto rectangleOnly = KeyPreset::rectangle().quillmereOnly();
    EXPECT_EQ(std::ranges::count(rectangleOnly, "place top"), 1);
    EXPECT_EQ(std::ranges::count(rectangleOnly, "zoom"), 0);
}

TEST(KeyPresetTest, AFallbackIsAddedOnlyForAFreeChordAndAnUnboundCommand) {
    KeyPreset preset;
    preset.keys = {{"alt-h", "zoom"}, {"ctrl-alt-k", "place left"}, {"alt-`", "grow"}};
    preset.fallbacks = {
        {"alt-h", "focus west"},  // the preset binds the chord
        {"ctrl-alt-h", "zoom"},   // the command is still bound
        {"cmd-f1", "place top"},  // taken by the preset and free: added
        {"cmd-f2", "space last"}, // added
        {"cmd-f3", "place top"},  // the set of bound commands is taken before any fallback: added too
    };
    const KeyMap keys = preset.settingsKeys();
    EXPECT_FALSE(keys.contains("ctrl-alt-h"));
    EXPECT_EQ(keys.at("alt-h"), "zoom");
    EXPECT_EQ(keys.at("cmd-f1"), "place top");
    EXPECT_EQ(keys.at("cmd-f3"), "place top");
    EXPECT_EQ(keys.at("cmd-f2"), "space last");
    // "alt-h" took the only chord of "focus west", and its fallback was not free.
    EXPECT_EQ(preset.displaced(), std::vector<std::string>{"focus west"});
}

} // namespace
} // namespace quillmere
