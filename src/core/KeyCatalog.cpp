#include "core/KeyCatalog.h"

#include "core/Command.h"
#include "core/NumberText.h"
#include "core/Words.h"

#include <optional>

namespace quillmere {
namespace {

// A row with no symbol is a place command, pictured by its own region.
struct Row {
    std::string_view command;
    std::string_view title;
    std::optional<std::string_view> symbol;
};

KeyAction action(const Row& row) {
    if (row.symbol)
        return {std::string(row.command), std::string(row.title),
                KeyAction::Symbol{std::string(*row.symbol)}};
    const auto place = std::get<Command::Place>(Command::parse(row.command).value().value);
    return {std::string(row.command), std::string(row.title), place.region};
}

KeyAction::Section section(std::string_view title, std::string_view symbol, std::initializer_list<Row> rows) {
    KeyAction::Section result{std::string(title), std::string(symbol), {}};
    for (const auto& row : rows)
        result.actions.push_back(action(row));
    return result;
}

std::vector<KeyAction::Section> catalogue() {
    return {
        section("Focus", "scope",
                {
                    {"focus west", "Focus the window on the left", "arrow.left"},
                    {"focus south", "Focus the window below", "arrow.down"},
                    {"focus north", "Focus the window above", "arrow.up"},
                    {"focus east", "Focus the window on the right", "arrow.right"},
                    {"space prev", "Previous Space", "chevron.left.2"},
                    {"space next", "Next Space", "chevron.right.2"},
                    {"space last", "Last-used Space", "arrow.uturn.backward"},
                    {"display next", "Focus next display", "display"},
                    {"display prev", "Focus previous display", "display"},
                    {"stack prev", "Previous window in stack", "square.stack"},
                    {"stack next", "Next window in stack", "square.stack.fill"},
                }),
        section("Move", "arrow.up.and.down.and.arrow.left.and.right",
                {
                    {"swap west", "Swap with the window on the left", "arrow.left.square"},
                    {"swap south", "Swap with the window below", "arrow.down.square"},
                    {"swap north", "Swap with the window above", "arrow.up.square"},
                    {"swap east", "Swap with the window on the right", "arrow.right.square"},
                    {"pop out", "Pop out", "arrow.up.left.square"},
                    {"pop in", "Pop back in", "arrow.down.right.square"},
                    {"send prev", "Send to previous Space", "rectangle.portrait.and.arrow.forward"},
                    {"send next", "Send to next Space", "rectangle.portrait.and.arrow.right"},
                    {"send display next", "Send to next display", "macwindow.badge.plus"},
                    {"send display prev", "Send to previous display", "macwindow.badge.plus"},
                }),
        section("Join", "arrow.uturn.right.square",
                {
                    {"join west", "Join with the window on the left", "arrow.uturn.left.square"},
                    {"join south", "Join with the window below", "arrow.uturn.down.square"},
                    {"join north", "Join with the window above", "arrow.uturn.up.square"},
                    {"join east", "Join with the window on the right", "arrow.uturn.right.square"},
                }),
        section("Layout", "rectangle.split.2x2",
                {
                    {"zoom", "Zoom (fill the Space)", "arrow.up.left.and.arrow.down.right"},
                    {"float", "Toggle float", "macwindow.on.rectangle"},
                    {"split", "Toggle split direction", "rectangle.split.1x2"},
                    {"balance", "Balance", "equal.square"},
                    {"layout bsp", "Tile this Space", "rectangle.split.2x1"},
                    {"layout stack", "Stack this Space", "square.stack"},
                    {"layout float", "Float this Space", "macwindow.on.rectangle"},
                    {"mirror horizontal", "Mirror left ↔ right",
                     "arrow.left.and.right.righttriangle.left.righttriangle.right"},
                    {"mirror vertical", "Mirror top ↕ bottom",
                     "arrow.up.and.down.righttriangle.up.righttriangle.down"},
                    {"rotate 90", "Rotate clockwise", "rotate.right"},
                    {"rotate 270", "Rotate anticlockwise", "rotate.left"},
                    {"retile", "Retile", "arrow.clockwise"},
                    {"close", "Close window", "xmark.square"},
                }),
        section("Place & Size", "rectangle.split.3x3",
                {
                    {"place column", "Maximize height", "arrow.up.and.down.square"},
                    {"place left", "Left ½ → ⅔ → ⅓", std::nullopt},
                    {"place right", "Right ½ → ⅔ → ⅓", std::nullopt},
                    {"place top", "Top ½ → ⅔ → ⅓", std::nullopt},
                    {"place bottom", "Bottom ½ → ⅔ → ⅓", std::nullopt},
                    {"place left 3/4", "Left ¾", std::nullopt},
                    {"place right 3/4", "Right ¾", std::nullopt},
                    {"place center", "Centre ⅓", std::nullopt},
                    {"place top-left", "Top-left ¼", std::nullopt},
                    {"place top-right", "Top-right ¼", std::nullopt},
                    {"place bottom-left", "Bottom-left ¼", std::nullopt},
                    {"place bottom-right", "Bottom-right ¼", std::nullopt},
                    {"place top-left-sixth", "Top-left ⅙", std::nullopt},
                    {"place top-center-sixth", "Top-centre ⅙", std::nullopt},
                    {"place top-right-sixth", "Top-right ⅙", std::nullopt},
                    {"place bottom-left-sixth", "Bottom-left ⅙", std::nullopt},
                    {"place bottom-center-sixth", "Bottom-centre ⅙", std::nullopt},
                    {"place bottom-right-sixth", "Bottom-right ⅙", std::nullopt},
                    {"grow", "Grow", "arrow.up.left.and.arrow.down.right.square"},
                    {"shrink", "Shrink", "arrow.down.right.and.arrow.up.left.square"},
                    {"restore", "Restore", "arrow.uturn.backward.square"},
                    {"border horizontal -100", "Move vertical border left", "arrow.left.to.line"},
                    {"border horizontal 100", "Move vertical border right", "arrow.right.to.line"},
                    {"border vertical -100", "Raise horizontal border", "arrow.up.to.line"},
                    {"border vertical 100", "Lower horizontal border", "arrow.down.to.line"},
                }),
        section(
            "Full Screen", "rectangle.inset.filled",
            {
                {"fullscreen", "Toggle full screen", "arrow.up.backward.and.arrow.down.forward"},
                {"fullscreen pair", "Full screen with the neighbouring window", "rectangle.split.2x1.fill"},
                {"space fullscreen prev", "Previous full-screen app", "arrow.left.square.fill"},
                {"space fullscreen next", "Next full-screen app", "arrow.right.square.fill"},
            }),
        section("Quillmere", "square.grid.2x2",
                {
                    {"pause", "Pause or resume tiling", "pause.circle"},
                    {"settings", "Open Settings", "gearshape"},
                    {"toggle spacing", "Toggle spacing", "rectangle.grid.2x2"},
                    {"toggle border", "Toggle active border", "square.dashed"},
                    {"toggle dim", "Toggle dimming", "circle.lefthalf.filled"},
                }),
        section(
            "Preselect", "rectangle.dashed",
            {
                {"preselect west", "Next window goes left", "rectangle.lefthalf.inset.filled.arrow.left"},
                {"preselect south", "Next window goes below", "rectangle.bottomhalf.inset.filled"},
                {"preselect north", "Next window goes above", "rectangle.tophalf.inset.filled"},
                {"preselect east", "Next window goes right", "rectangle.righthalf.inset.filled.arrow.right"},
            }),
    };
}

} // namespace

const std::vector<KeyAction::Section>& KeyAction::sections() {
    static const auto built = catalogue();
    return built;
}

std::string KeyAction::titleFor(std::string_view command) {
    for (const auto& section : sections())
        for (const auto& action : section.actions)
            if (action.command == command)
                return action.title;
    const auto commandWords = words(command);
    if (commandWords.size() == 2) {
        if (const auto number = parseInteger(commandWords[1])) {
            if (commandWords[0] == "space")
                return "Switch to Space " + std::to_string(*number);
            if (commandWords[0] == "send")
                return "Send to Space " + std::to_string(*number);
        }
    }
    return std::string(command);
}

const std::set<std::string, std::less<>>& KeyAction::listedCommands() {
    static const auto listed = [] {
        std::set<std::string, std::less<>> commands;
        for (const auto& section : sections())
            for (const auto& action : section.actions)
                commands.insert(action.command);
        for (int number = 1; number <= 10; ++number) {
            commands.insert("space " + std::to_string(number));
            commands.insert("send " + std::to_string(number));
        }
        return commands;
    }();
    return listed;
}

} // namespace quillmere
