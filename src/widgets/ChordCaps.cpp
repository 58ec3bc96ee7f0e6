#include "widgets/ChordCaps.h"

#include "core/KeyNames.h"

namespace quillmere {

namespace {

void addModifierCaps(std::vector<Cap>& caps, KeyChord::Modifiers modifiers) {
    for (KeyChord::Modifier modifier : allModifiers)
        if (modifiers.contains(modifier))
            caps.push_back({modifierSymbols({modifier}), false});
}

} // namespace

std::vector<Cap> chordCaps(std::string_view chord) {
    const auto parsed = KeyChord::parse(chord);
    if (!parsed)
        return {{std::string(chord), true}};
    std::vector<Cap> caps;
    addModifierCaps(caps, parsed->modifiers);
    caps.push_back({keyName(parsed->key), false});
    return caps;
}

std::vector<Cap> prefixCaps(const std::optional<KeyChord::Modifiers>& shared) {
    if (!shared)
        return {{"Mixed", true}};
    std::vector<Cap> caps;
    addModifierCaps(caps, *shared);
    return caps;
}

} // namespace quillmere
