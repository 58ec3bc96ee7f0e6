#pragma once

#include <map>
#include <string>
#include <vector>

namespace quillmere {

// A built-in set of key bindings copied from another window manager, so that its users keep the chords
// their hands know. Applying one replaces the configuration's key map by `settingsKeys`.
struct KeyPreset {
    // Chord text to command text.
    using KeyMap = std::map<std::string, std::string>;

    std::string id;
    std::string name;
    std::string note;
    KeyMap keys;
    // The other program's features without a counterpart, as shown to the user.
    std::vector<std::string> unmatched;
    // Chords for default commands whose default chord the preset takes.
    KeyMap fallbacks;

    // Rectangle, Spectacle, AeroSpace, Amethyst, BetterStage and ShiftPlus, in that order.
    static const std::vector<KeyPreset>& all();
    static const KeyPreset& rectangle();
    static const KeyPreset& spectacle();
    static const KeyPreset& aerospace();
    static const KeyPreset& amethyst();
    static const KeyPreset& betterStage();
    static const KeyPreset& shiftPlus();

    // The default bindings that share neither chord nor command with the preset, the preset's own, and each
    // fallback whose chord is still free and whose command is not bound yet.
    KeyMap settingsKeys() const;
    // Commands bound by default that the preset's own keys do not bind, sorted.
    std::vector<std::string> quillmereOnly() const;
    // Commands bound by default that applying the preset leaves without any chord, sorted.
    std::vector<std::string> displaced() const;

    friend bool operator==(const KeyPreset&, const KeyPreset&) = default;
};

} // namespace quillmere
