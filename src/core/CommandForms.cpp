#include "core/CommandForms.h"

#include "core/CommandWords.h"
#include "core/LayoutMode.h"
#include "core/SettingToggle.h"

#include <array>

namespace quillmere {
namespace {

// The words of a table or list, separated by "|".
template <typename Range, typename Word> std::string choices(const Range& range, Word word) {
    std::string text;
    for (const auto& item : range) {
        if (!text.empty())
            text += '|';
        text += word(item);
    }
    return text;
}

template <typename Table> std::string tableChoices(const Table& table) {
    return choices(table, [](const auto& entry) { return entry.first; });
}

template <typename Values> std::string valueChoices(const Values& values) {
    return choices(values, [](auto value) { return text(value); });
}

std::string form(std::string_view first, std::string_view rest) {
    return std::string(first) + " " + std::string(rest);
}

// Corners join a vertical edge word and a horizontal one, the vertical first.
std::string cornerChoices() {
    std::string text;
    for (const auto& [vertical, verticalDirection] : commandWords::edges)
        for (const auto& [horizontal, horizontalDirection] : commandWords::edges)
            if (axisOf(verticalDirection) == Axis::vertical && axisOf(horizontalDirection) == Axis::horizontal)
                text.append(text.empty() ? "" : "|").append(vertical).append("-").append(horizontal);
    return text;
}

} // namespace

std::vector<CommandFormGroup> commandForms() {
    const std::string directions = tableChoices(commandWords::directions);
    const std::string steps = tableChoices(commandWords::steps);
    const std::string axes = valueChoices(std::array{Axis::horizontal, Axis::vertical});
    return {
        {"Windows",
         {
             {form("focus", directions), "focus the neighbouring window in that direction"},
             {form("swap", directions), "swap the focused window with its neighbour"},
             {form("join", directions), "join the focused window to the neighbour's tile"},
             {form("preselect", directions), "place the next new window on that side"},
             {form("stack", steps), "show the next or previous window of a stack"},
             {"zoom", "zoom the focused window, or unzoom it"},
             {"float", "float the focused window, or tile it again"},
             {"pop out", "swap the focused window into the main tile"},
             {"pop in", "swap the popped-out window back"},
             {"close", "close the focused window"},
             {"fullscreen", "put the focused window into full screen, or out"},
             {"fullscreen pair", "put the window and its neighbour in full screen"},
         }},
        {"Layout",
         {
             {form("layout", valueChoices(allLayoutModes)), "set the Space's layout"},
             {"balance", "balance the Space's splits"},
             {"split", "flip the split around the focused window"},
             {form("mirror", axes), "mirror the Space's tree"},
             {form("rotate", tableChoices(commandWords::rotations)), "turn the Space's tree clockwise"},
             {form("border", axes + " POINTS"), "move the split's border; negative is left or up"},
             {"grow", "grow the focused window"},
             {"shrink", "shrink the focused window"},
             {"place REGION", "put the focused window into a REGION (below)"},
             {"restore", "restore the tree from before the placements"},
             {"retile", "lay out the shown Spaces again"},
         }},
        {"Spaces and displays",
         {
             {"space NUMBER", "switch to the Desktop with that number"},
             {form("space", steps), "switch to the next or previous Desktop"},
             {"space last", "switch back to the Desktop used before"},
             {form("space fullscreen", steps), "switch to the next or previous full-screen Space"},
             {"send NUMBER", "send the focused window to that Desktop"},
             {form("send", steps), "send the window to the next or previous Desktop"},
             {form("display", steps), "focus the next or previous display"},
             {form("send display", steps), "send the window to the next or previous display"},
         }},
        {"Profiles",
         {
             {"capture NAME", "capture the arrangement as the profile NAME"},
             {"load NAME", "load the profile NAME"},
         }},
        {"Quillmere",
         {
             {form("toggle", valueChoices(allSettingToggles)), "switch that setting on or off"},
             {"pause", "pause or resume tiling"},
             {"settings", "open the Settings window"},
         }},
    };
}

CommandFormGroup regionForms() {
    const std::string edges = tableChoices(commandWords::edges);
    return {"REGION of place",
            {
                {edges, "that side; placing again steps 1/2, 2/3, 1/3"},
                {edges + " SHARE", "that side, taking SHARE (2/3, 0.4; 0.05 to 0.95)"},
                {cornerChoices(), "a quarter of the screen"},
                {"ROW-COLUMN-sixth", "sixth: ROW top|bottom, COLUMN left|center|right"},
                {"column", "a full-height band as wide as the window is now"},
                {"center", "the middle third of the width, full height"},
            }};
}

} // namespace quillmere
