#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace quillmere {

// A global hot key: one key of the key table and the modifiers held with it. Its text form is the modifier
// words in the fixed order ctrl, alt, shift, cmd and the key name, joined by "-" ("ctrl-alt-h").
struct KeyChord {
    enum class Modifier { ctrl, alt, shift, cmd };

    // A set of modifiers; it always lists them in the fixed order, whatever order they were named in.
    class Modifiers {
      public:
        constexpr Modifiers() = default;
        constexpr Modifiers(std::initializer_list<Modifier> modifiers) {
            for (Modifier modifier : modifiers)
                insert(modifier);
        }
        constexpr bool contains(Modifier modifier) const { return (bits & bit(modifier)) != 0; }
        constexpr bool empty() const { return bits == 0; }
        constexpr void insert(Modifier modifier) { bits |= bit(modifier); }
        constexpr void erase(Modifier modifier) { bits &= ~bit(modifier); }
        constexpr std::uint8_t rawBits() const { return bits; }
        friend bool operator==(const Modifiers&, const Modifiers&) = default;

      private:
        static constexpr std::uint8_t bit(Modifier modifier) {
            return static_cast<std::uint8_t>(1u << static_cast<unsigned>(modifier));
        }
        std::uint8_t bits = 0;
    };

    // One entry of the key table: a key name and its macOS virtual key code.
    struct Key {
        std::string_view name;
        std::uint32_t code;
    };

    std::string key;
    Modifiers modifiers;

    // The 56 keys a chord may name, in table order.
    static const std::array<Key, 56>& keyCodes();

    // Exact and case-sensitive: modifier words ("opt" for alt) in any order, each followed by "-", then a
    // key name; a trailing "--" names the minus key.
    static std::optional<KeyChord> parse(std::string_view text);

    // The chord of the key with that virtual key code, none when no key of the table has it.
    static std::optional<KeyChord> fromKeyCode(std::uint32_t code, Modifiers modifiers);

    std::string text() const;

    // None when the key is not in the key table, which only a chord built by hand can hold.
    std::optional<std::uint32_t> keyCode() const;

    // The Carbon modifier flags of the modifiers, ORed together.
    std::uint32_t carbonModifiers() const;

    // Why the operating system owns this chord, none when it is free.
    std::optional<std::string_view> reservedReason() const;

    friend bool operator==(const KeyChord&, const KeyChord&) = default;
};

constexpr std::array<KeyChord::Modifier, 4> allModifiers{KeyChord::Modifier::ctrl, KeyChord::Modifier::alt,
                                                         KeyChord::Modifier::shift, KeyChord::Modifier::cmd};

constexpr std::string_view text(KeyChord::Modifier modifier) {
    switch (modifier) {
    case KeyChord::Modifier::ctrl:
        return "ctrl";
    case KeyChord::Modifier::alt:
        return "alt";
    case KeyChord::Modifier::shift:
        return "shift";
    case KeyChord::Modifier::cmd:
        return "cmd";
    }
    return "";
}

constexpr std::optional<KeyChord::Modifier> parseModifier(std::string_view word) {
    for (KeyChord::Modifier modifier : allModifiers)
        if (text(modifier) == word)
            return modifier;
    return std::nullopt;
}

// The Carbon event modifier bit of the modifier.
constexpr std::uint32_t carbonFlag(KeyChord::Modifier modifier) {
    switch (modifier) {
    case KeyChord::Modifier::ctrl:
        return 0x1000;
    case KeyChord::Modifier::alt:
        return 0x0800;
    case KeyChord::Modifier::shift:
        return 0x0200;
    case KeyChord::Modifier::cmd:
        return 0x0100;
    }
    return 0;
}

} // namespace quillmere

template <> struct std::hash<quillmere::KeyChord> {
    std::size_t operator()(const quillmere::KeyChord& chord) const noexcept {
        return std::hash<std::string>{}(chord.key) * 31 + chord.modifiers.rawBits();
    }
};
