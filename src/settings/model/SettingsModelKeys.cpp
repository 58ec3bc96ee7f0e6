#include "core/KeyCatalog.h"
#include "core/KeyNames.h"
#include "settings/model/SettingsModel.h"

#include <algorithm>
#include <set>

namespace quillmere {
namespace {

std::vector<std::string> chordsOf(const Settings::KeyMap& keys, const std::string& command) {
    std::vector<std::string> chords;
    for (const auto& [chord, bound] : keys)
        if (bound == command)
            chords.push_back(chord);
    // The key map is ordered by chord text already.
    return chords;
}

std::string joined(const std::vector<std::string>& texts, std::string_view separator) {
    std::string result;
    for (const std::string& text : texts) {
        if (!result.empty())
            result += separator;
        result += text;
    }
    return result;
}

// The parsed chords of the commands, in command order; chord texts that do not parse are left out.
std::vector<KeyChord> parsedChords(const Settings::KeyMap& keys, const std::vector<std::string>& commands) {
    std::vector<KeyChord> chords;
    for (const std::string& command : commands)
        for (const std::string& text : chordsOf(keys, command))
            if (auto chord = KeyChord::parse(text))
                chords.push_back(std::move(*chord));
    return chords;
}

} // namespace

void SettingsModel::editKeys(const std::function<void(Settings::KeyMap&)>& edit) {
    Settings changed = settings_;
    edit(changed.keys);
    setSettings(std::move(changed));
}

std::string SettingsModel::label(const std::string& chord) const {
    const auto parsed = KeyChord::parse(chord);
    return parsed ? modifierSymbols(parsed->modifiers) + keyName(parsed->key) : chord;
}

std::vector<std::string> SettingsModel::chords(const std::string& command) const {
    return chordsOf(settings_.keys, command);
}

int SettingsModel::changedCount(const std::vector<std::string>& commands) const {
    return static_cast<int>(std::ranges::count_if(commands, [this](const std::string& command) {
        return chords(command) != chordsOf(Settings::default_().keys, command);
    }));
}

void SettingsModel::restoreDefaultKeys(const std::vector<std::string>& commands) {
    const std::set<std::string> restored(commands.begin(), commands.end());
    editKeys([&restored](Settings::KeyMap& keys) {
        std::erase_if(keys, [&restored](const auto& binding) { return restored.contains(binding.second); });
        for (const auto& [chord, command] : Settings::default_().keys)
            if (restored.contains(command))
                keys.insert_or_assign(chord, command);
    });
    save("Restore Default Shortcuts");
}

std::optional<std::string> SettingsModel::registrationProblem(const std::string& chord) const {
    const auto registration = registrations_.find(chord);
    return registration == registrations_.end() ? std::nullopt : registration->second.problem;
}

void SettingsModel::remove(const std::string& chord) {
    editKeys([&chord](Settings::KeyMap& keys) { keys.erase(chord); });
    save("Remove Shortcut");
}

std::optional<KeyChord::Modifiers> SettingsModel::sharedModifiers(const std::vector<std::string>& commands) const {
    const std::vector<KeyChord> parsed = parsedChords(settings_.keys, commands);
    if (parsed.empty())
        return std::nullopt;
    const KeyChord::Modifiers first = parsed.front().modifiers;
    if (!std::ranges::all_of(parsed, [first](const KeyChord& chord) { return chord.modifiers == first; }))
        return std::nullopt;
    return first;
}

void SettingsModel::setModifiers(KeyChord::Modifiers modifiers, const std::vector<std::string>& commands) {
    const Settings::KeyMap before = settings_.keys;
    std::vector<KeyChord> newChords = parsedChords(before, commands);
    for (KeyChord& chord : newChords)
        chord.modifiers = modifiers;
    for (const KeyChord& chord : newChords)
        if (const auto reason = chord.reservedReason()) {
            setNotice(label(chord.text()) + " stays with macOS: " + std::string(*reason) +
                      " Choose other modifiers.");
            return;
        }
    editKeys([&commands, modifiers](Settings::KeyMap& keys) {
        for (const std::string& command : commands)
            for (const std::string& text : chordsOf(keys, command))
                if (auto chord = KeyChord::parse(text)) {
                    keys.erase(text);
                    chord->modifiers = modifiers;
                    keys.insert_or_assign(chord->text(), command);
                }
    });
    save("Change Prefix");
    for (const KeyChord& chord : newChords)
        noteTaken(chord.text(), before);
}

void SettingsModel::rename(const std::string& chord, const std::string& newChord) {
    if (chord == newChord)
        return;
    const auto found = settings_.keys.find(chord);
    if (found == settings_.keys.end())
        return;
    const std::string command = found->second;
    editKeys([&](Settings::KeyMap& keys) {
        keys.erase(chord);
        keys.insert_or_assign(newChord, command);
    });
    save("Record Shortcut");
}

void SettingsModel::noteTaken(const std::string& chord, const Settings::KeyMap& before) {
    const auto was = before.find(chord);
    if (was == before.end())
        return;
    const std::string& previous = was->second;
    const auto now = settings_.keys.find(chord);
    if (now != settings_.keys.end() && now->second == previous)
        return;
    std::vector<std::string> kept;
    for (const std::string& text : chords(previous))
        if (KeyChord::parse(text))
            kept.push_back(label(text));
    setNotice(label(chord) + " was “" + KeyAction::titleFor(previous) + "”, which " +
              (kept.empty() ? "now has no shortcut." : "keeps " + joined(kept, ", ") + "."));
}

void SettingsModel::apply(const KeyPreset& preset) {
    editKeys([&preset](Settings::KeyMap& keys) { keys = preset.settingsKeys(); });
    save("Use " + preset.name + " Shortcuts");
    std::vector<std::pair<std::string, std::string>> moved;
    for (const auto& [chord, command] : preset.fallbacks) {
        const auto bound = settings_.keys.find(chord);
        if (bound != settings_.keys.end() && bound->second == command)
            moved.emplace_back(command, chord);
    }
    std::ranges::stable_sort(moved, {}, &std::pair<std::string, std::string>::first);
    std::vector<std::string> movedTexts;
    for (const auto& [command, chord] : moved)
        movedTexts.push_back(command + " to " + label(chord));
    std::string notice = "Using " + preset.name + "'s shortcuts.";
    const auto add = [&notice](std::string_view heading, const std::vector<std::string>& texts) {
        if (!texts.empty())
            notice += std::string(heading) + joined(texts, ", ") + ".";
    };
    add(" Not in Quillmere: ", preset.unmatched);
    add(" Moved to make room: ", movedTexts);
    add(" Now without a shortcut: ", preset.displaced());
    setNotice(std::move(notice));
}

} // namespace quillmere
