#include "core/Command.h"
#include "core/FloatRules.h"
#include "core/KeyCatalog.h"
#include "core/KeyChord.h"
#include "core/RegionText.h"
#include "core/TitleRule.h"
#include "support/Printers.h"
#include "support/TextDamage.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillmere {
namespace {

// Generated and mutated texts: no input may crash a parser, and whatever a parser accepts must print to a
// text that reads back and prints the same again.
class ParserFuzzTest : public testing::Test {
  protected:
    TextDamage damage{1234567};

    std::size_t below(std::size_t count) { return damage.below(count); }

    template <typename List> auto pick(const List& list) { return damage.pick(list); }

    // Damage drawn from the characters the grammars care about and from bytes that are not text at all.
    std::string mutated(std::string text) {
        return damage.damaged(std::move(text), " \t-/.+0123456789exp\xff\xc3\x80", 3, 1, 4);
    }

    // Words of the command language and near misses, joined by one or more spaces or a tab.
    std::string generatedCommand() {
        static const std::vector<std::string> vocabulary = {
            "focus",
            "swap",
            "border",
            "layout",
            "mirror",
            "rotate",
            "space",
            "send",
            "stack",
            "capture",
            "load",
            "preselect",
            "join",
            "place",
            "display",
            "toggle",
            "pop",
            "fullscreen",
            "zoom",
            "pair",
            "next",
            "prev",
            "last",
            "west",
            "north",
            "horizontal",
            "vertical",
            "bsp",
            "float",
            "90",
            "270",
            "spacing",
            "dim",
            "in",
            "out",
            "left",
            "top-left",
            "bottom-center-sixth",
            "column",
            "center",
            "2/3",
            "1/x/2",
            "0.05",
            "0.95",
            "-3",
            "+3",
            "3.0",
            "0x1p4",
            "inf",
            "nan",
            "1e400",
            "-9223372036854775808",
            "9223372036854775807",
            "",
        };
        std::string text;
        for (std::size_t n = below(5); n > 0; --n)
            text += pick(vocabulary) + pick(std::vector<std::string>{" ", "  ", "\t", " "});
        return text;
    }

    void checkCommand(const std::string& text) {
        const auto command = Command::parse(text);
        if (!command)
            return;
        const auto printed = command->text();
        const auto again = Command::parse(printed);
        ASSERT_TRUE(again.has_value()) << "\"" << text << "\" printed as \"" << printed << "\"";
        ASSERT_EQ(again->text(), printed) << "\"" << text << "\"";
    }
};

TEST_F(ParserFuzzTest, CommandTextsNeverCrashAndAcceptedOnesRoundTrip) {
    std::vector<std::string> seeds;
    for (const auto& section : KeyAction::sections())
        for (const auto& action : section.actions)
            seeds.push_back(action.command);
    for (const auto* extra : {"capture My Work", "space -12", "place left 0.4", "border vertical 7.5"})
        seeds.push_back(extra);
    for (int round = 0; round < 30000; ++round) {
        checkCommand(generatedCommand());
        checkCommand(mutated(pick(seeds)));
        if (HasFatalFailure())
            return;
    }
}

TEST_F(ParserFuzzTest, RegionTextsNeverCrashAndAcceptedOnesRoundTrip) {
    const std::vector<std::string> seeds = {"left",     "right 2/3",          "top 0.25",
                                            "top-left", "bottom-right-sixth", "column",
                                            "center",   "left 1/x/2",         "bottom 1e-1"};
    for (int round = 0; round < 30000; ++round) {
        const auto text = mutated(pick(seeds));
        const auto region = parseRegion(text);
        if (!region)
            continue;
        const auto printed = quillmere::text(*region);
        const auto again = parseRegion(printed);
        ASSERT_TRUE(again.has_value()) << "\"" << text << "\" printed as \"" << printed << "\"";
        ASSERT_EQ(quillmere::text(*again), printed);
    }
}

TEST_F(ParserFuzzTest, ChordTextsNeverCrashAndAcceptedOnesRoundTripExactly) {
    const std::vector<std::string> seeds = {"ctrl-alt-h", "opt-shift-1",    "cmd--",  "ctrl-alt--", "h", "-",
                                            "--",         "shift-cmd-left", "alt-\\", "ctrl-space"};
    for (int round = 0; round < 30000; ++round) {
        const auto text = mutated(pick(seeds));
        const auto chord = KeyChord::parse(text);
        if (!chord)
            continue;
        ASSERT_EQ(KeyChord::parse(chord->text()), chord) << "\"" << text << "\"";
        ASSERT_TRUE(chord->keyCode().has_value());
    }
}

TEST_F(ParserFuzzTest, PatternsNeverCrashOrHang) {
    const std::string pieces[] = {"(",  ")", "[", "]", "a",   "b",    "*",   "+",      "?",     "{2,}", "|",
                                  "\\", "^", "$", ".", "(?=", "(?<=", "\\1", "\\p{L}", "(a+)+", "\xff", "é"};
    const std::string titles[] = {"", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa!", "Copy (2)", "é[a]", "\xff\xfe"};
    for (int round = 0; round < 3000; ++round) {
        std::string pattern;
        for (std::size_t n = 1 + below(8); n > 0; --n)
            pattern += pick(pieces);
        const TitleRule rule{"App", pattern};
        FloatRules rules;
        rules.titles = {{"App", pattern}};
        const auto title = pick(titles);
        const bool floats = rules.floats("App", title);
        const std::vector<std::pair<std::string, std::string>> windows = {{"App", title}};
        EXPECT_EQ(rule.matches(windows), floats ? 1u : 0u) << pattern;
        if (TitleRule::problem(pattern)) {
            EXPECT_FALSE(floats) << pattern;
        }
    }
}

} // namespace
} // namespace quillmere
