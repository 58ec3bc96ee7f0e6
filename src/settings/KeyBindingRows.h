#pragma once

#include "core/KeyCatalog.h"
#include "core/KeyPresets.h"
#include "core/Settings.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillmere {

// What the sections of the Keys pane list, worked out from the bindings (chord text to command text).

// The chord texts bound to the command, in text order.
std::vector<std::string> chordsBoundTo(const Settings::KeyMap& keys, std::string_view command);

// The commands the section's prefix picker rewrites, in catalogue order: those whose chords all parse and all
// carry the modifier set most chords of the section carry. A command with an unparsable chord or a chord
// of another set is left out, so re-prefixing never touches it. Of equally common sets the one met first,
// in catalogue and then chord order, wins.
std::vector<std::string> boundCommands(const std::vector<KeyAction>& actions, const Settings::KeyMap& keys);

// Whether the Spaces section shows for the query: its words "switch send space" contain it.
bool showsSpaces(std::string_view query);
// The actions whose title, or else whose command, contains the query, in catalogue order.
std::vector<KeyAction> shownActions(const std::vector<KeyAction>& actions, std::string_view query);

// A binding of a command the catalogue does not list: profile loads and texts that are no command.
struct CustomEntry {
    std::string chord;
    std::string command;
    friend bool operator==(const CustomEntry&, const CustomEntry&) = default;
};
// By chord text; the query searches the command only.
std::vector<CustomEntry> customEntries(const Settings::KeyMap& keys, std::string_view query);

// The ten commands of a Spaces row: the word ("space" or "send"), a blank and 1 to 10.
std::vector<std::string> spaceCommands(std::string_view word);

// One key cap of a Spaces row: the stored key of the Space's first chord, else its digit, dimmed while
// nothing is bound.
struct SpaceCap {
    std::string text;
    bool dimmed = false;
    std::string tooltip;
    friend bool operator==(const SpaceCap&, const SpaceCap&) = default;
};
// One per Space, at most ten.
std::vector<SpaceCap> spaceCaps(const Settings::KeyMap& keys, std::string_view word, int spaceCount);

// The message of the confirmation before a preset replaces the bindings.
std::string presetMessage(const KeyPreset& preset);

} // namespace quillmere
