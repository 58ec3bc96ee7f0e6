#include "core/KeyNames.h"

#include <array>
#include <unicode/locid.h>
#include <unicode/unistr.h>
#include <utility>

namespace quillmere {
namespace {

constexpr std::string_view glyph(KeyChord::Modifier modifier) {
    switch (modifier) {
    case KeyChord::Modifier::ctrl:
        return "⌃";
    case KeyChord::Modifier::alt:
        return "⌥";
    case KeyChord::Modifier::shift:
        return "⇧";
    case KeyChord::Modifier::cmd:
        return "⌘";
    }
    return "";
}

constexpr std::array<std::pair<std::string_view, std::string_view>, 9> namedKeys{{
    {"left", "←"},
    {"right", "→"},
    {"up", "↑"},
    {"down", "↓"},
    {"space", "Space"},
    {"return", "↩"},
    {"tab", "⇥"},
    {"delete", "⌫"},
    {"escape", "⎋"},
}};

} // namespace

std::string modifierSymbols(KeyChord::Modifiers modifiers) {
    std::string symbols;
    for (KeyChord::Modifier modifier : allModifiers)
        if (modifiers.contains(modifier))
            symbols.append(glyph(modifier));
    return symbols;
}

std::string keyName(std::string_view key) {
    for (const auto& [name, shown] : namedKeys)
        if (name == key)
            return std::string(shown);
    // Any text may arrive here, so upper-case it by Unicode's rules, not the process locale's.
    std::string upper;
    icu::UnicodeString::fromUTF8(icu::StringPiece(key.data(), static_cast<std::int32_t>(key.size())))
        .toUpper(icu::Locale::getRoot())
        .toUTF8String(upper);
    return upper;
}

} // namespace quillmere
