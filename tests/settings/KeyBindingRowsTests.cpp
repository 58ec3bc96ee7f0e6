#include "settings/KeyBindingRows.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

using testing::ElementsAre;

std::vector<std::string> commandsOf(const std::vector<KeyAction>& actions) {
    std::vector<std::string> commands;
    for (const auto& action : actions)
        commands.push_back(action.command);
    return commands;
}

const KeyAction::Section& section(std::string_view title) {
    for (const auto& section : KeyAction::sections())
        if (section.title == title)
            return section;
    throw std::out_of_range("no section");
}

TEST(KeySearch, SpacesSectionShowsWhenItsWordsContainTheQuery) {
    struct Case {
        std::string query;
        bool shown;
    };
    for (const Case& c : std::vector<Case>{
             {"", true}, {"SEND", true}, {"itch", true}, {"space", true}, {"space 3", false}, {"switch to", false}})
        EXPECT_EQ(showsSpaces(c.query), c.shown) << c.query;
}

TEST(KeySearch, FindsActionsByTitleOrElseByCommand) {
    const auto& focus = section("Focus");
    EXPECT_THAT(commandsOf(shownActions(focus.actions, "")), testing::SizeIs(focus.actions.size()));
    EXPECT_THAT(commandsOf(shownActions(focus.actions, "BELOW")), ElementsAre("focus south"));
    // "west" is only in the command; the title says "on the left".
    EXPECT_THAT(commandsOf(shownActions(focus.actions, "west")), ElementsAre("focus west"));
    EXPECT_THAT(commandsOf(shownActions(focus.actions, "nothing like it")), ElementsAre());
}

TEST(DominantPrefix, IsTheSetMostChordsCarryAndLeavesOtherCommandsOut) {
    const std::vector<KeyAction> actions{{"focus west", "W", KeyAction::Symbol{"a"}},
                                         {"focus south", "S", KeyAction::Symbol{"a"}},
                                         {"focus north", "N", KeyAction::Symbol{"a"}},
                                         {"focus east", "E", KeyAction::Symbol{"a"}},
                                         {"space next", "Next", KeyAction::Symbol{"a"}}};
    struct Case {
        std::string name;
        Settings::KeyMap keys;
        std::vector<std::string> bound;
    };
    for (const Case& c : std::vector<Case>{
             {"nothing bound", {}, {}},
             {"one odd command",
              {{"alt-h", "focus west"}, {"alt-j", "focus south"}, {"ctrl-k", "focus north"}},
              {"focus west", "focus south"}},
             {"a command with two sets",
              {{"alt-h", "focus west"}, {"alt-j", "focus south"}, {"ctrl-l", "focus east"}, {"alt-l", "focus east"}},
              {"focus west", "focus south"}},
             {"an unparsable chord",
              {{"alt-h", "focus west"}, {"hyper-j", "focus south"}, {"alt-j", "focus south"}},
              {"focus west"}},
             {"only unparsable chords", {{"hyper-h", "focus west"}}, {}},
             {"a tie goes to the set met first",
              {{"ctrl-h", "focus west"}, {"alt-j", "focus south"}},
              {"focus west"}},
         })
        EXPECT_EQ(boundCommands(actions, c.keys), c.bound) << c.name;
}

TEST(CustomEntries, ListBindingsOutsideTheCatalogueByChordSearchedByCommand) {
    const Settings::KeyMap keys{{"alt-1", "space 1"},       {"ctrl-0", "space 10"},    {"ctrl-1", "space 11"},
                                {"cmd-p", "profile Work"},  {"alt-q", "fly away"},     {"alt-h", "focus west"}};
    EXPECT_THAT(customEntries(keys, ""), ElementsAre(CustomEntry{"alt-q", "fly away"}, CustomEntry{"cmd-p", "profile Work"},
                                                     CustomEntry{"ctrl-1", "space 11"}));
    EXPECT_THAT(customEntries(keys, "WORK"), ElementsAre(CustomEntry{"cmd-p", "profile Work"}));
    EXPECT_THAT(customEntries(keys, "cmd-p"), ElementsAre());
}

TEST(SpaceCaps, ShowTheStoredKeyOrTheDimmedDigitForAtMostTenSpaces) {
    const Settings::KeyMap keys{{"alt-1", "space 1"}, {"ctrl-alt-return", "space 2"}, {"hyper-3", "space 3"},
                                {"alt-0", "space 10"}};
    EXPECT_THAT(spaceCaps(keys, "space", 4),
                ElementsAre(SpaceCap{"1", false, "space 1: alt-1"}, SpaceCap{"return", false, "space 2: ctrl-alt-return"},
                            SpaceCap{"3", false, "space 3: hyper-3"}, SpaceCap{"4", true, "Not bound"}));
    const auto twelve = spaceCaps(keys, "space", 12);
    ASSERT_EQ(twelve.size(), 10u);
    EXPECT_EQ(twelve.back(), (SpaceCap{"0", false, "space 10: alt-0"}));
    EXPECT_EQ(spaceCaps(keys, "send", 10).back(), (SpaceCap{"0", true, "Not bound"}));
    EXPECT_THAT(spaceCaps(keys, "space", 0), ElementsAre());
}

TEST(PresetMessage, MentionsFallbacksOnlyWhenThePresetHasThem) {
    KeyPreset preset{.name = "Tiler", .note = "Tiler's set."};
    EXPECT_EQ(presetMessage(preset), "Tiler's set. Quillmere's own shortcuts stay for actions Tiler doesn't have. "
                                     "Shortcuts you recorded are replaced. Edit › Undo takes this back.");
    preset.fallbacks = {{"alt-shift-f", "float"}};
    EXPECT_EQ(presetMessage(preset),
              "Tiler's set. Quillmere's own shortcuts stay for actions Tiler doesn't have; the few whose keys Tiler "
              "uses move to new ones in its style. Shortcuts you recorded are replaced. Edit › Undo takes this back.");
}

} // namespace
} // namespace quillmere
