#include "settings/KeyBindingRows.h"

#include "core/KeyChord.h"
#include "settings/model/TextComparison.h"

#include <algorithm>
#include <optional>

namespace quillmere {

namespace {

std::optional<std::vector<KeyChord::Modifiers>> modifierSets(const std::vector<std::string>& chords) {
    std::vector<KeyChord::Modifiers> sets;
    for (const auto& chord : chords) {
        const auto parsed = KeyChord::parse(chord);
        if (!parsed)
            return std::nullopt;
        sets.push_back(parsed->modifiers);
    }
    return sets;
}

} // namespace

std::vector<std::string> chordsBoundTo(const Settings::KeyMap& keys, std::string_view command) {
    std::vector<std::string> chords;
    for (const auto& [chord, bound] : keys)
        if (bound == command)
            chords.push_back(chord);
    return chords;
}

std::vector<std::string> boundCommands(const std::vector<KeyAction>& actions, const Settings::KeyMap& keys) {
    std::vector<std::pair<KeyChord::Modifiers, int>> counts;
    std::vector<std::pair<std::string, std::vector<std::string>>> bound;
    for (const auto& action : actions) {
        auto chords = chordsBoundTo(keys, action.command);
        if (chords.empty())
            continue;
        for (const auto& chord : chords)
            if (const auto parsed = KeyChord::parse(chord)) {
                const auto counted = std::find_if(counts.begin(), counts.end(),
                                                  [&](const auto& entry) { return entry.first == parsed->modifiers; });
                if (counted == counts.end())
                    counts.emplace_back(parsed->modifiers, 1);
                else
                    ++counted->second;
            }
        bound.emplace_back(action.command, std::move(chords));
    }
    if (counts.empty())
        return {};
    // max_element keeps the first of equal counts, which is the set met first.
    const KeyChord::Modifiers dominant =
        std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) { return a.second < b.second; })
            ->first;
    std::vector<std::string> commands;
    for (const auto& [command, chords] : bound) {
        const auto sets = modifierSets(chords);
        if (sets && std::all_of(sets->begin(), sets->end(), [&](const auto& set) { return set == dominant; }))
            commands.push_back(command);
    }
    return commands;
}

bool showsSpaces(std::string_view query) {
    return containsFolded("switch send space", query);
}

std::vector<KeyAction> shownActions(const std::vector<KeyAction>& actions, std::string_view query) {
    std::vector<KeyAction> shown;
    for (const auto& action : actions)
        if (containsFolded(action.title, query) || containsFolded(action.command, query))
            shown.push_back(action);
    return shown;
}

std::vector<CustomEntry> customEntries(const Settings::KeyMap& keys, std::string_view query) {
    const auto& listed = KeyAction::listedCommands();
    std::vector<CustomEntry> entries;
    for (const auto& [chord, command] : keys)
        if (!listed.contains(command) && containsFolded(command, query))
            entries.push_back({chord, command});
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto& a, const auto& b) { return plainLess(a.chord, b.chord); });
    return entries;
}

std::vector<std::string> spaceCommands(std::string_view word) {
    std::vector<std::string> commands;
    for (int number = 1; number <= 10; ++number)
        commands.push_back(std::string(word) + " " + std::to_string(number));
    return commands;
}

std::vector<SpaceCap> spaceCaps(const Settings::KeyMap& keys, std::string_view word, int spaceCount) {
    const auto commands = spaceCommands(word);
    const auto shown = static_cast<std::size_t>(std::clamp(spaceCount, 0, 10));
    std::vector<SpaceCap> caps;
    for (std::size_t index = 0; index < shown; ++index) {
        const std::string digit = std::to_string((index + 1) % 10);
        const auto chords = chordsBoundTo(keys, commands[index]);
        if (chords.empty()) {
            caps.push_back({digit, true, "Not bound"});
            continue;
        }
        const auto parsed = KeyChord::parse(chords.front());
        caps.push_back({parsed ? parsed->key : digit, false, commands[index] + ": " + chords.front()});
    }
    return caps;
}

std::string presetMessage(const KeyPreset& preset) {
    std::string message = preset.note + " Quillmere's own shortcuts stay for actions " + preset.name + " doesn't have";
    if (!preset.fallbacks.empty())
        message += "; the few whose keys " + preset.name + " uses move to new ones in its style";
    return message + ". Shortcuts you recorded are replaced. Edit › Undo takes this back.";
}

} // namespace quillmere
