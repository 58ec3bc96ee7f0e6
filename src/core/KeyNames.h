#pragma once

#include "core/KeyChord.h"

#include <string>
#include <string_view>

namespace quillmere {

// How chords are shown to the user: the modifier glyphs followed directly by the key's display name, so that
// ctrl-alt-h shows as ⌃⌥H and cmd-space as ⌘Space.

// The glyphs of the modifiers in the fixed order ⌃ ⌥ ⇧ ⌘, with nothing between them.
std::string modifierSymbols(KeyChord::Modifiers modifiers);

// The display name of a key: arrows and the named keys have their own, every other key is upper-cased.
std::string keyName(std::string_view key);

} // namespace quillmere
