#include "core/KeyChord.h"

#include <unordered_map>
#include <vector>

namespace quillmere {
namespace {

// Key positions of the ANSI layout in the macOS virtual key code set.
constexpr std::array<KeyChord::Key, 56> keyTable{{
    {"a", 0},      {"s", 1},       {"d", 2},       {"f", 3},      {"h", 4},       {"g", 5},       {"z", 6},
    {"x", 7},      {"c", 8},       {"v", 9},       {"b", 11},     {"q", 12},      {"w", 13},      {"e", 14},
    {"r", 15},     {"y", 16},      {"t", 17},      {"1", 18},     {"2", 19},      {"3", 20},      {"4", 21},
    {"6", 22},     {"5", 23},      {"=", 24},      {"9", 25},     {"7", 26},      {"-", 27},      {"8", 28},
    {"0", 29},     {"]", 30},      {"o", 31},      {"u", 32},     {"[", 33},      {"i", 34},      {"p", 35},
    {"l", 37},     {"j", 38},      {"'", 39},      {"k", 40},     {";", 41},      {"\\", 42},     {",", 43},
    {"/", 44},     {"n", 45},      {"m", 46},      {".", 47},     {"`", 50},      {"return", 36}, {"tab", 48},
    {"space", 49}, {"delete", 51}, {"escape", 53}, {"left", 123}, {"right", 124}, {"down", 125},  {"up", 126},
}};

// Built once, on first use, and only read after that; a function-local static is safe to build from
// several threads at once.
const std::unordered_map<std::string_view, std::uint32_t>& codesByName() {
    static const auto table = [] {
        std::unordered_map<std::string_view, std::uint32_t> byName;
        for (const auto& key : keyTable)
            byName.emplace(key.name, key.code);
        return byName;
    }();
    return table;
}

// Every "-" separates, empty pieces included, so that "ctrl--h" is refused for its empty modifier.
std::vector<std::string_view> splitKeepingEmpty(std::string_view text) {
    std::vector<std::string_view> pieces;
    for (auto end = text.find('-'); end != std::string_view::npos; end = text.find('-')) {
        pieces.push_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    pieces.push_back(text);
    return pieces;
}

// A reservation names one or two keys; one key is written twice.
struct Reservation {
    KeyChord::Modifiers modifiers;
    std::array<std::string_view, 2> keys;
    std::string_view reason;
};

constexpr std::array<Reservation, 5> reservations{{
    {{KeyChord::Modifier::ctrl},
     {"left", "right"},
     "⌃← and ⌃→ move between Spaces in macOS, and Quillmere uses them itself when instant switching fails."},
    {{KeyChord::Modifier::ctrl}, {"up", "down"}, "⌃↑ and ⌃↓ open Mission Control and App Exposé."},
    {{KeyChord::Modifier::cmd}, {"q", "q"}, "⌘Q quits the app in front."},
    {{KeyChord::Modifier::cmd}, {"tab", "tab"}, "⌘Tab switches between apps."},
    {{KeyChord::Modifier::cmd}, {"space", "space"}, "⌘Space opens Spotlight."},
}};

} // namespace

const std::array<KeyChord::Key, 56>& KeyChord::keyCodes() {
    return keyTable;
}

std::optional<KeyChord> KeyChord::parse(std::string_view text) {
    auto pieces = splitKeepingEmpty(text);
    if (text.ends_with("--")) {
        pieces.resize(pieces.size() - 2);
        pieces.push_back("-");
    }
    const auto key = pieces.back();
    if (!codesByName().contains(key))
        return std::nullopt;
    pieces.pop_back();
    Modifiers modifiers;
    for (auto word : pieces) {
        const auto modifier = parseModifier(word == "opt" ? "alt" : word);
        if (!modifier)
            return std::nullopt;
        modifiers.insert(*modifier);
    }
    return KeyChord{std::string(key), modifiers};
}

std::optional<KeyChord> KeyChord::fromKeyCode(std::uint32_t code, Modifiers modifiers) {
    for (const auto& key : keyTable)
        if (key.code == code)
            return KeyChord{std::string(key.name), modifiers};
    return std::nullopt;
}

std::string KeyChord::text() const {
    std::string result;
    for (Modifier modifier : allModifiers)
        if (modifiers.contains(modifier))
            result.append(quillmere::text(modifier)).append("-");
    return result + key;
}

std::optional<std::uint32_t> KeyChord::keyCode() const {
    const auto& table = codesByName();
    const auto entry = table.find(key);
    if (entry == table.end())
        return std::nullopt;
    return entry->second;
}

std::uint32_t KeyChord::carbonModifiers() const {
    std::uint32_t flags = 0;
    for (Modifier modifier : allModifiers)
        if (modifiers.contains(modifier))
            flags |= carbonFlag(modifier);
    return flags;
}

std::optional<std::string_view> KeyChord::reservedReason() const {
    for (const auto& reservation : reservations)
        if (reservation.modifiers == modifiers && (reservation.keys[0] == key || reservation.keys[1] == key))
            return reservation.reason;
    return std::nullopt;
}

} // namespace quillmere
