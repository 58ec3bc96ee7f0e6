#include "core/KeyPresets.h"

#include "core/Settings.h"

#include <algorithm>
#include <iterator>
#include <set>

namespace quillmere {

namespace {

using KeyMap = KeyPreset::KeyMap;

// Binds prefix followed by n to command words followed by n, for the digits 1 to 9.
void addDigits(KeyMap& keys, const std::string& chordPrefix, const std::string& commandPrefix) {
    for (int n = 1; n <= 9; ++n)
        keys.emplace(chordPrefix + std::to_string(n), commandPrefix + std::to_string(n));
}

std::set<std::string> commandsOf(const KeyMap& keys) {
    std::set<std::string> commands;
    for (const auto& binding : keys)
        commands.insert(binding.second);
    return commands;
}

std::vector<std::string> difference(const std::set<std::string>& from, const std::set<std::string>& without) {
    std::vector<std::string> result;
    std::ranges::set_difference(from, without, std::back_inserter(result));
    return result;
}

KeyPreset makeAerospace() {
    KeyPreset preset{
        "aerospace",
        "AeroSpace",
        "AeroSpace's default config: ⌥ HJKL to focus, ⌥⇧ HJKL to move, ⌥1–9 for workspaces, ⌥Tab for the "
        "last "
        "one.",
        {
            {"alt-h", "focus west"},
            {"alt-j", "focus south"},
            {"alt-k", "focus north"},
            {"alt-l", "focus east"},
            {"alt-shift-h", "swap west"},
            {"alt-shift-j", "swap south"},
            {"alt-shift-k", "swap north"},
            {"alt-shift-l", "swap east"},
            {"alt-/", "layout bsp"},
            {"alt-,", "layout stack"},
            {"alt--", "shrink"},
            {"alt-=", "grow"},
            {"alt-tab", "space last"},
        },
        {"Workspaces A–Z", "Move workspace to another monitor",
         "Service mode (join, float and flatten have direct shortcuts here)",
         "Toggling tile orientation with ⌥/ (⌥E splits the other way here)"},
        {{"alt-[", "space prev"}},
    };
    addDigits(preset.keys, "alt-", "space ");
    addDigits(preset.keys, "alt-shift-", "send ");
    return preset;
}

KeyPreset makeAmethyst() {
    KeyPreset preset{
        "amethyst",
        "Amethyst",
        "Amethyst's defaults, with mod1 as ⌥⇧ and mod2 as ⌃⌥⇧.",
        {
            {"alt-shift-d", "layout stack"},
            {"alt-shift-h", "shrink"},
            {"alt-shift-l", "grow"},
            {"alt-shift-p", "display prev"},
            {"alt-shift-n", "display next"},
            {"ctrl-alt-shift-h", "send display prev"},
            {"ctrl-alt-shift-l", "send display next"},
            {"ctrl-alt-shift-left", "send prev"},
            {"ctrl-alt-shift-right", "send next"},
            {"alt-shift-t", "float"},
            {"ctrl-alt-shift-t", "pause"},
            {"alt-shift-z", "retile"},
            {"ctrl-alt-shift-0", "send 10"},
            {"alt-shift-return", "pop out"},
        },
        {"Cycling layouts", "Tall, wide and column layouts", "Main pane count",
         "Focus and swap round the layout (ccw, cw)", "Focus main", "Focus or throw to screen 1–5",
         "Show current layout", "Relaunch", "Toggling focus follows mouse"},
        {{"alt-shift-left", "swap west"},
         {"alt-shift-right", "swap east"},
         {"ctrl-alt-shift-,", "preselect west"},
         {"ctrl-alt-shift-.", "preselect east"}},
    };
    addDigits(preset.keys, "ctrl-alt-shift-", "send ");
    return preset;
}

KeyPreset makeBetterStage() {
    KeyPreset preset{
        "betterstage",
        "BetterStage",
        "BetterStage's Standard set: ⌥1–9 for stages, ⌥⌘ IJKL to focus, ⌃⌥ for halves, quarters and thirds.",
        {
            {"alt-down", "retile"},
            {"alt-left", "space prev"},
            {"alt-right", "space next"},
            {"alt-tab", "space next"},
            {"alt-shift-tab", "space prev"},
            {"alt-cmd-j", "focus west"},
            {"alt-cmd-k", "focus south"},
            {"alt-cmd-i", "focus north"},
            {"alt-cmd-l", "focus east"},
            {"ctrl-alt-left", "place left 1/2"},
            {"ctrl-alt-right", "place right 1/2"},
            {"ctrl-alt-up", "place top 1/2"},
            {"ctrl-alt-down", "place bottom 1/2"},
            {"ctrl-alt-c", "place center"},
            {"ctrl-alt-return", "zoom"},
            {"ctrl-alt-u", "place top-left"},
            {"ctrl-alt-i", "place top-right"},
            {"ctrl-alt-j", "place bottom-left"},
            {"ctrl-alt-k", "place bottom-right"},
            {"ctrl-alt-a", "place left 1/3"},
            {"ctrl-alt-s", "place center"},
            {"ctrl-alt-d", "place right 1/3"},
            {"ctrl-alt-q", "place left 2/3"},
            {"ctrl-alt-w", "place right 2/3"},
        },
        {"Stages Bar", "New and close stage (macOS adds and removes Spaces in Mission Control)",
         "Cycle window mode", "Center two-thirds"},
        {{"ctrl-alt-cmd-up", "place top"},
         {"ctrl-alt-cmd-down", "place bottom"},
         {"ctrl-alt-shift-up", "place column"}},
    };
    addDigits(preset.keys, "alt-", "space ");
    addDigits(preset.keys, "alt-shift-", "send ");
    return preset;
}

} // namespace

const KeyPreset& KeyPreset::rectangle() {
    static const KeyPreset preset{
        "rectangle",
        "Rectangle",
        "Rectangle's Recommended set: ⌃⌥ with arrows for halves, U I J K for quarters, D F G and E T for "
        "thirds.",
        {
            {"ctrl-alt-left", "place left 1/2"},
            {"ctrl-alt-right", "place right 1/2"},
            {"ctrl-alt-up", "place top 1/2"},
            {"ctrl-alt-down", "place bottom 1/2"},
            {"ctrl-alt-u", "place top-left"},
            {"ctrl-alt-i", "place top-right"},
            {"ctrl-alt-j", "place bottom-left"},
            {"ctrl-alt-k", "place bottom-right"},
            {"ctrl-alt-return", "zoom"},
            {"ctrl-alt-c", "place center"},
            {"ctrl-alt-=", "grow"},
            {"ctrl-alt--", "shrink"},
            {"ctrl-alt-delete", "restore"},
            {"ctrl-alt-cmd-left", "send display prev"},
            {"ctrl-alt-cmd-right", "send display next"},
            {"ctrl-alt-d", "place left 1/3"},
            {"ctrl-alt-f", "place center"},
            {"ctrl-alt-g", "place right 1/3"},
            {"ctrl-alt-e", "place left 2/3"},
            {"ctrl-alt-t", "place right 2/3"},
            {"ctrl-alt-shift-up", "place column"},
        },
        {"Center Two Thirds", "Center keeping the window's size"},
        {{"ctrl-alt-cmd-up", "place top"}, {"ctrl-alt-cmd-down", "place bottom"}},
    };
    return preset;
}

const KeyPreset& KeyPreset::spectacle() {
    static const KeyPreset preset{
        "spectacle",
        "Spectacle",
        "Spectacle's defaults, also Rectangle's Spectacle set: ⌥⌘ with arrows for halves that cycle ½ → ⅔ → "
        "⅓.",
        {
            {"alt-cmd-left", "place left"},
            {"alt-cmd-right", "place right"},
            {"alt-cmd-up", "place top"},
            {"alt-cmd-down", "place bottom"},
            {"ctrl-cmd-left", "place top-left"},
            {"ctrl-cmd-right", "place top-right"},
            {"ctrl-shift-cmd-left", "place bottom-left"},
            {"ctrl-shift-cmd-right", "place bottom-right"},
            {"alt-cmd-f", "zoom"},
            {"alt-cmd-c", "place center"},
            {"ctrl-alt-shift-right", "grow"},
            {"ctrl-alt-shift-left", "shrink"},
            {"ctrl-alt-delete", "restore"},
            {"ctrl-alt-cmd-left", "send display prev"},
            {"ctrl-alt-cmd-right", "send display next"},
            {"ctrl-alt-shift-up", "place column"},
        },
        {"Undo and Redo", "Center keeping the window's size"},
        {},
    };
    return preset;
}

const KeyPreset& KeyPreset::aerospace() {
    static const KeyPreset preset = makeAerospace();
    return preset;
}

const KeyPreset& KeyPreset::amethyst() {
    static const KeyPreset preset = makeAmethyst();
    return preset;
}

const KeyPreset& KeyPreset::betterStage() {
    static const KeyPreset preset = makeBetterStage();
    return preset;
}

const KeyPreset& KeyPreset::shiftPlus() {
    static const KeyPreset preset{
        "shiftplus",
        "ShiftPlus",
        "ShiftPlus's two default shortcuts: ⌘; for the previous workspace and ⌃⌘→ to cycle.",
        {{"cmd-;", "space last"}, {"ctrl-cmd-right", "space next"}},
        {"Capturing a workspace by shortcut (Save Layout as Profile… in the menu bar)"},
        {},
    };
    return preset;
}

const std::vector<KeyPreset>& KeyPreset::all() {
    static const std::vector<KeyPreset> presets{rectangle(), spectacle(),   aerospace(),
                                                amethyst(),  betterStage(), shiftPlus()};
    return presets;
}

KeyMap KeyPreset::settingsKeys() const {
    const std::set<std::string> presetCommands = commandsOf(keys);
    KeyMap result;
    for (const auto& [chord, command] : Settings::default_().keys)
        if (!keys.contains(chord) && !presetCommands.contains(command))
            result.emplace(chord, command);
    for (const auto& binding : keys)
        result.insert_or_assign(binding.first, binding.second);
    // Taken before any fallback is added, so the fallbacks' order cannot change the result.
    const std::set<std::string> bound = commandsOf(result);
    for (const auto& [chord, command] : fallbacks)
        if (!result.contains(chord) && !bound.contains(command))
            result.emplace(chord, command);
    return result;
}

std::vector<std::string> KeyPreset::quillmereOnly() const {
    return difference(commandsOf(Settings::default_().keys), commandsOf(keys));
}

std::vector<std::string> KeyPreset::displaced() const {
    return difference(commandsOf(Settings::default_().keys), commandsOf(settingsKeys()));
}

} // namespace quillmere
