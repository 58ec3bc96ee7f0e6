#pragma once

#include "platform/HotKeys.h"

#include <compare>
#include <cstdint>
#include <map>
#include <optional>
#include <set>

// The records behind the simulated desktop's global hot keys.
namespace quillmere::sim {

// A key code with a Carbon modifier mask: what the event manager tells hot keys apart by.
struct HotKeyChord {
    std::uint32_t keyCode = 0;
    std::uint32_t modifiers = 0;
    friend auto operator<=>(const HotKeyChord&, const HotKeyChord&) = default;
};

struct RegisteredHotKey {
    HotKeyChord chord;
    HotKeyId id;
    friend bool operator==(const RegisteredHotKey&, const RegisteredHotKey&) = default;
};

struct HotKeyTable {
    // This application's, by reference, so in the order they were registered.
    std::map<std::uint64_t, RegisteredHotKey> registered;
    std::set<HotKeyChord> heldElsewhere;
    std::map<std::uint64_t, HotKeyRegistrar::PressedHandler> handlers;
    std::optional<HotKeyStatus> failure;
    std::uint64_t nextRef = 1;
    std::uint64_t nextHandler = 1;

    const RegisteredHotKey* own(HotKeyChord chord) const {
        for (const auto& [ref, hotKey] : registered)
            if (hotKey.chord == chord)
                return &hotKey;
        return nullptr;
    }
};

} // namespace quillmere::sim
