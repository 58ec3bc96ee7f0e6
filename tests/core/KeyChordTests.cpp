#include "core/KeyChord.h"
#include "core/KeyNames.h"
#include "support/Printers.h"

#include <gtest/gtest.h>
#include <set>
#include <unordered_set>

namespace quillmere {
namespace {

using M = KeyChord::Modifier;

struct ChordCase {
    std::string text;
    std::optional<KeyChord> chord;
    // What the chord prints; empty when it prints the text itself.
    std::string printed = "";
};

std::ostream& operator<<(std::ostream& out, const ChordCase& c) {
    return out << "\"" << c.text << "\"";
}

class KeyChordParseTest : public testing::TestWithParam<ChordCase> {};

TEST_P(KeyChordParseTest, ParsesPrintsInCanonicalOrderAndParsesBack) {
    const auto& c = GetParam();
    const auto chord = KeyChord::parse(c.text);
    ASSERT_EQ(chord, c.chord);
    if (!chord)
        return;
    const auto printed = c.printed.empty() ? c.text : c.printed;
    EXPECT_EQ(chord->text(), printed);
    EXPECT_EQ(KeyChord::parse(printed), chord);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyChordParseTest,
    testing::Values(
        ChordCase{"ctrl-alt-h", KeyChord{"h", {M::ctrl, M::alt}}}, ChordCase{"h", KeyChord{"h", {}}},
        ChordCase{"opt-shift-1", KeyChord{"1", {M::alt, M::shift}}, "alt-shift-1"},
        ChordCase{"cmd-ctrl-h", KeyChord{"h", {M::ctrl, M::cmd}}, "ctrl-cmd-h"},
        ChordCase{"shift-cmd-alt-ctrl-left", KeyChord{"left", {M::ctrl, M::alt, M::shift, M::cmd}},
                  "ctrl-alt-shift-cmd-left"},
        ChordCase{"ctrl-ctrl-h", KeyChord{"h", {M::ctrl}}, "ctrl-h"},
        ChordCase{"alt-opt-x", KeyChord{"x", {M::alt}}, "alt-x"},
        ChordCase{"ctrl-alt--", KeyChord{"-", {M::ctrl, M::alt}}},
        ChordCase{"ctrl--", KeyChord{"-", {M::ctrl}}}, ChordCase{"cmd-\\", KeyChord{"\\", {M::cmd}}},
        ChordCase{"ctrl-=", KeyChord{"=", {M::ctrl}}}, ChordCase{"alt-space", KeyChord{"space", {M::alt}}},
        // The minus key alone, an empty piece, or anything outside the exact vocabulary.
        ChordCase{"-", std::nullopt}, ChordCase{"--", std::nullopt}, ChordCase{"ctrl---", std::nullopt},
        ChordCase{"", std::nullopt}, ChordCase{"Ctrl-h", std::nullopt}, ChordCase{"ctrl-H", std::nullopt},
        ChordCase{"ctrl+h", std::nullopt}, ChordCase{"ctrl-f1", std::nullopt},
        ChordCase{"control-h", std::nullopt}, ChordCase{"option-h", std::nullopt},
        ChordCase{"ctrl--h", std::nullopt}, ChordCase{"-h", std::nullopt}, ChordCase{"ctrl-", std::nullopt},
        ChordCase{"ctrl-h-", std::nullopt}, ChordCase{"ctrl- h", std::nullopt},
        ChordCase{"ctrl-h ", std::nullopt}, ChordCase{"hyper-x", std::nullopt},
        ChordCase{"ctrl-h-alt", std::nullopt}));

TEST(KeyChordTest, KeyCodeAndCarbonModifiersRegisterTheHotKey) {
    const auto chord = KeyChord::parse("ctrl-alt-h").value();
    EXPECT_EQ(chord.keyCode(), 4u);
    EXPECT_EQ(chord.carbonModifiers(), 0x1800u);
    EXPECT_EQ(KeyChord::parse("ctrl-alt--")->keyCode(), 27u);
    EXPECT_EQ(KeyChord::parse("h")->carbonModifiers(), 0u);
    EXPECT_EQ(KeyChord::parse("cmd-shift-alt-ctrl-a")->carbonModifiers(), 0x1B00u);
    EXPECT_EQ((KeyChord{"f1", {M::cmd}}.keyCode()), std::nullopt);
}

TEST(KeyChordTest, KeyTableHasFiftySixUniqueNamesAndCodesThatParseAndLookUp) {
    const auto& keys = KeyChord::keyCodes();
    std::set<std::string_view> names;
    std::set<std::uint32_t> codes;
    for (const auto& key : keys) {
        names.insert(key.name);
        codes.insert(key.code);
        const auto chord = KeyChord::parse("ctrl-" + std::string(key.name));
        ASSERT_TRUE(chord.has_value()) << key.name;
        EXPECT_EQ(chord->keyCode(), key.code);
        EXPECT_EQ(KeyChord::fromKeyCode(key.code, {M::ctrl}), chord);
    }
    EXPECT_EQ(names.size(), 56u);
    EXPECT_EQ(codes.size(), 56u);
    EXPECT_EQ(keys.front().name, "a");
    EXPECT_EQ(keys.back().name, "up");
    EXPECT_EQ(keys.back().code, 126u);
}

TEST(KeyChordTest, ReverseLookupFindsTheKeyOfACode) {
    EXPECT_EQ(KeyChord::fromKeyCode(123, {M::ctrl}), (KeyChord{"left", {M::ctrl}}));
    EXPECT_EQ(KeyChord::fromKeyCode(122, {M::ctrl}), std::nullopt);
    EXPECT_EQ(KeyChord::fromKeyCode(10, {}), std::nullopt);
    // Only the reverse lookup builds the bare minus key, whose text does not parse back.
    const auto minus = KeyChord::fromKeyCode(27, {}).value();
    EXPECT_EQ(minus.text(), "-");
    EXPECT_EQ(KeyChord::parse(minus.text()), std::nullopt);
}

struct ReservedCase {
    std::string chord;
    std::optional<std::string_view> reason;
};

std::ostream& operator<<(std::ostream& out, const ReservedCase& c) {
    return out << "\"" << c.chord << "\"";
}

class KeyChordReservedTest : public testing::TestWithParam<ReservedCase> {};

TEST_P(KeyChordReservedTest, TheSystemOwnsExactlyTheseChords) {
    EXPECT_EQ(KeyChord::parse(GetParam().chord).value().reservedReason(), GetParam().reason);
}

constexpr std::string_view spaces =
    "⌃← and ⌃→ move between Spaces in macOS, and Quillmere uses them itself when instant switching fails.";
constexpr std::string_view missionControl = "⌃↑ and ⌃↓ open Mission Control and App Exposé.";

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyChordReservedTest,
    testing::Values(ReservedCase{"ctrl-left", spaces}, ReservedCase{"ctrl-right", spaces},
                    ReservedCase{"ctrl-up", missionControl}, ReservedCase{"ctrl-down", missionControl},
                    ReservedCase{"cmd-q", "⌘Q quits the app in front."},
                    ReservedCase{"cmd-tab", "⌘Tab switches between apps."},
                    ReservedCase{"cmd-space", "⌘Space opens Spotlight."},
                    ReservedCase{"ctrl-shift-left", std::nullopt}, ReservedCase{"alt-left", std::nullopt},
                    ReservedCase{"cmd-ctrl-q", std::nullopt}, ReservedCase{"shift-cmd-tab", std::nullopt},
                    ReservedCase{"ctrl-q", std::nullopt}, ReservedCase{"left", std::nullopt}));

TEST(KeyChordTest, EqualChordsHashAlike) {
    std::unordered_set<KeyChord> chords{*KeyChord::parse("cmd-ctrl-h"), *KeyChord::parse("ctrl-cmd-h"),
                                        *KeyChord::parse("ctrl-h")};
    EXPECT_EQ(chords.size(), 2u);
    EXPECT_TRUE(chords.contains(KeyChord{"h", {M::cmd, M::ctrl}}));
}

TEST(KeyNamesTest, ModifierGlyphsFollowTheFixedOrder) {
    EXPECT_EQ(modifierSymbols({M::cmd, M::ctrl}), "⌃⌘");
    EXPECT_EQ(modifierSymbols({M::shift, M::cmd, M::alt, M::ctrl}), "⌃⌥⇧⌘");
    EXPECT_EQ(modifierSymbols({}), "");
}

TEST(KeyNamesTest, NamedKeysHaveTheirOwnNamesAndOthersAreUpperCased) {
    const std::pair<std::string, std::string> cases[] = {
        {"left", "←"},   {"right", "→"}, {"up", "↑"},     {"down", "↓"},   {"space", "Space"},
        {"return", "↩"}, {"tab", "⇥"},   {"delete", "⌫"}, {"escape", "⎋"}, {"h", "H"},
        {"-", "-"},      {"1", "1"},     {"é", "É"},      {"ß", "SS"},     {"", ""},
    };
    for (const auto& [key, shown] : cases)
        EXPECT_EQ(keyName(key), shown) << key;
    const auto chord = KeyChord::parse("alt-shift-left").value();
    EXPECT_EQ(modifierSymbols(chord.modifiers) + keyName(chord.key), "⌥⇧←");
}

} // namespace
} // namespace quillmere
