#include "core/Command.h"
#include "core/KeyCatalog.h"
#include "core/RegionText.h"
#include "support/Printers.h"

#include <gtest/gtest.h>
#include <set>

namespace quillmere {
namespace {

const KeyAction& actionOf(std::string_view command) {
    for (const auto& section : KeyAction::sections())
        for (const auto& action : section.actions)
            if (action.command == command)
                return action;
    throw std::invalid_argument(std::string(command));
}

std::string symbolOf(std::string_view command) {
    return std::get<KeyAction::Symbol>(actionOf(command).picture).name;
}

TEST(KeyCatalogTest, EightSectionsOfSeventySixActions) {
    const std::vector<std::tuple<std::string, std::string, std::size_t>> expected = {
        {"Focus", "scope", 11},
        {"Move", "arrow.up.and.down.and.arrow.left.and.right", 10},
        {"Join", "arrow.uturn.right.square", 4},
        {"Layout", "rectangle.split.2x2", 13},
        {"Place & Size", "rectangle.split.3x3", 25},
        {"Full Screen", "rectangle.inset.filled", 4},
        {"Quillmere", "square.grid.2x2", 5},
        {"Preselect", "rectangle.dashed", 4},
    };
    const auto& sections = KeyAction::sections();
    ASSERT_EQ(sections.size(), expected.size());
    std::size_t total = 0;
    for (std::size_t i = 0; i < sections.size(); ++i) {
        EXPECT_EQ(sections[i].title, std::get<0>(expected[i]));
        EXPECT_EQ(sections[i].symbol, std::get<1>(expected[i]));
        EXPECT_EQ(sections[i].actions.size(), std::get<2>(expected[i])) << sections[i].title;
        total += sections[i].actions.size();
    }
    EXPECT_EQ(total, 76u);
    EXPECT_EQ(sections.front().actions.front().command, "focus west");
    EXPECT_EQ(sections.back().actions.back().command, "preselect east");
}

// Every command is a canonical text: it parses, and prints back as itself; ids are unique.
TEST(KeyCatalogTest, EveryCommandParsesAndPrintsAsItself) {
    std::set<std::string> ids;
    for (const auto& section : KeyAction::sections())
        for (const auto& action : section.actions) {
            const auto command = Command::parse(action.command);
            ASSERT_TRUE(command.has_value()) << action.command;
            EXPECT_EQ(command->text(), action.command);
            EXPECT_TRUE(ids.insert(action.id()).second) << action.command;
        }
}

TEST(KeyCatalogTest, PlaceRowsArePicturedByTheirRegionAndTheRestBySymbols) {
    std::size_t regions = 0;
    for (const auto& section : KeyAction::sections())
        for (const auto& action : section.actions) {
            if (const auto* region = std::get_if<Region>(&action.picture)) {
                ++regions;
                ASSERT_TRUE(action.command.starts_with("place ")) << action.command;
                EXPECT_EQ(parseRegion(action.command.substr(6)), *region);
            }
        }
    EXPECT_EQ(regions, 17u);
    EXPECT_EQ(symbolOf("place column"), "arrow.up.and.down.square");
    EXPECT_EQ(std::get<Region>(actionOf("place left 3/4").picture),
              (Region{Region::Edge{Direction::west, 0.75}}));
}

TEST(KeyCatalogTest, TitlesAndSymbolsAreWrittenOut) {
    EXPECT_EQ(actionOf("place left").title, "Left ½ → ⅔ → ⅓");
    EXPECT_EQ(actionOf("place bottom-center-sixth").title, "Bottom-centre ⅙");
    EXPECT_EQ(actionOf("mirror horizontal").title, "Mirror left ↔ right");
    EXPECT_EQ(actionOf("mirror vertical").title, "Mirror top ↕ bottom");
    EXPECT_EQ(actionOf("fullscreen pair").title, "Full screen with the neighbouring window");
    EXPECT_EQ(actionOf("toggle border").title, "Toggle active border");
    EXPECT_EQ(symbolOf("mirror horizontal"), "arrow.left.and.right.righttriangle.left.righttriangle.right");
    EXPECT_EQ(symbolOf("display next"), "display");
    EXPECT_EQ(symbolOf("display prev"), "display");
    EXPECT_EQ(symbolOf("send display next"), "macwindow.badge.plus");
    EXPECT_EQ(symbolOf("send display prev"), "macwindow.badge.plus");
    EXPECT_EQ(symbolOf("float"), "macwindow.on.rectangle");
    EXPECT_EQ(symbolOf("layout float"), "macwindow.on.rectangle");
    EXPECT_EQ(symbolOf("stack prev"), "square.stack");
    EXPECT_EQ(symbolOf("layout stack"), "square.stack");
    EXPECT_EQ(symbolOf("preselect east"), "rectangle.righthalf.inset.filled.arrow.right");
}

TEST(KeyCatalogTest, TitleForPrefersTheCatalogueThenNumberedDesktops) {
    const std::pair<std::string, std::string> cases[] = {
        {"space next", "Next Space"},
        {"space 4", "Switch to Space 4"},
        {"send 12", "Send to Space 12"},
        {"space 03", "Switch to Space 3"},
        {"  send   +2 ", "Send to Space 2"},
        {"space -1", "Switch to Space -1"},
        {"space 4 x", "space 4 x"},
        {"space x", "space x"},
        {"load 4", "load 4"},
        {"dance", "dance"},
        {"place left 2/3", "place left 2/3"},
        {"", ""},
    };
    for (const auto& [command, title] : cases)
        EXPECT_EQ(KeyAction::titleFor(command), title) << command;
}

TEST(KeyCatalogTest, ListedCommandsAreTheCatalogueAndTenNumberedDesktops) {
    const auto& listed = KeyAction::listedCommands();
    EXPECT_EQ(listed.size(), 76u + 20u);
    for (const auto* command : {"send 10", "space 1", "focus west", "place left 3/4", "toggle dim"})
        EXPECT_TRUE(listed.contains(command)) << command;
    for (const auto* command : {"space 11", "space 0", "place left 2/3", "capture", "space 01"})
        EXPECT_FALSE(listed.contains(command)) << command;
}

} // namespace
} // namespace quillmere
