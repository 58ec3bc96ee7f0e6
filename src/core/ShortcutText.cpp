#include "core/KeyNames.h"
#include "core/Settings.h"

#include <algorithm>

namespace quillmere {

namespace {

std::optional<KeyChord> firstChord(const Settings::KeyMap& keys, const std::string& command) {
    // The map is ordered by chord text, so the first match is the first in text order.
    const auto bound =
        std::ranges::find_if(keys, [&](const auto& binding) { return binding.second == command; });
    if (bound == keys.end())
        return std::nullopt;
    return KeyChord::parse(bound->first);
}

std::string glyphs(const KeyChord& chord) {
    return modifierSymbols(chord.modifiers) + keyName(chord.key);
}

} // namespace

std::optional<std::string> Settings::shortcutText(const std::vector<std::string>& commands) const {
    std::vector<KeyChord> chords;
    for (const auto& command : commands)
        if (auto chord = firstChord(keys, command))
            chords.push_back(std::move(*chord));
    if (chords.empty())
        return std::nullopt;
    if (chords.size() == 1)
        return glyphs(chords.front());

    const bool shared = std::ranges::all_of(
        chords, [&](const KeyChord& chord) { return chord.modifiers == chords.front().modifiers; });
    std::string summary;
    if (!shared) {
        for (const auto& chord : chords)
            summary += (summary.empty() ? "" : " ") + glyphs(chord);
        return summary;
    }
    summary = modifierSymbols(chords.front().modifiers) + " ";
    if (chords.size() >= 5)
        return summary + keyName(chords.front().key) + "…" + keyName(chords.back().key);
    for (std::size_t index = 0; index < chords.size(); ++index)
        summary += (index == 0 ? "" : " ") + keyName(chords[index].key);
    return summary;
}

} // namespace quillmere
