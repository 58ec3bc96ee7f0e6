#include "platform/linux/XKeyCodes.h"

#include "core/KeyChord.h"

#include <utility>

namespace quillmere {
namespace {

// X key code, Mac key code.
constexpr std::pair<std::uint32_t, std::uint16_t> table[]{
    {9, 53},    // Escape
    {10, 18},   {11, 19},  {12, 20},  {13, 21},  {14, 23},  {15, 22},  {16, 26},  {17, 28},  {18, 25},
    {19, 29},   // 1 to 0
    {20, 27},   // minus
    {21, 24},   // equal
    {22, 51},   // Backspace: the Mac's Delete
    {23, 48},   // Tab
    {24, 12},   {25, 13},  {26, 14},  {27, 15},  {28, 17},  {29, 16},  {30, 32},  {31, 34},  {32, 31},
    {33, 35},   // q w e r t y u i o p
    {34, 33},   {35, 30},  // brackets
    {36, 36},   // Return
    {38, 0},    {39, 1},   {40, 2},   {41, 3},   {42, 5},   {43, 4},   {44, 38},  {45, 40},  {46, 37},
    {47, 41},   // a s d f g h j k l semicolon
    {48, 39},   // apostrophe
    {49, 50},   // grave
    {51, 42},   // backslash
    {52, 6},    {53, 7},   {54, 8},   {55, 9},   {56, 11},  {57, 45},  {58, 46},  {59, 43},  {60, 47},
    {61, 44},   // z x c v b n m comma period slash
    {65, 49},   // space
    {67, 122},  {68, 120}, {69, 99},  {70, 118}, {71, 96},  {72, 97},  {73, 98},  {74, 100}, {75, 101},
    {76, 109},  {95, 103}, {96, 111}, // F1 to F12
    {110, 115}, // Home
    {111, 126}, // Up
    {112, 116}, // Page Up
    {113, 123}, // Left
    {114, 124}, // Right
    {115, 119}, // End
    {116, 125}, // Down
    {117, 121}, // Page Down
    {119, 117}, // Delete: the Mac's forward delete
};

} // namespace

std::optional<std::uint16_t> macKeyCode(std::uint32_t xKeyCode) {
    for (const auto& [x, mac] : table)
        if (x == xKeyCode)
            return mac;
    return std::nullopt;
}

EventFlags macModifierFlags(const HeldModifiers& held) {
    EventFlags flags = 0;
    if (held.shift)
        flags |= 0x20000;
    if (held.control)
        flags |= 0x40000;
    if (held.alt)
        flags |= 0x80000;
    if (held.super)
        flags |= 0x100000;
    if (held.fn)
        flags |= 0x800000;
    return flags;
}

std::uint32_t carbonModifiers(const HeldModifiers& held) {
    std::uint32_t modifiers = 0;
    if (held.shift)
        modifiers |= carbonFlag(KeyChord::Modifier::shift);
    if (held.control)
        modifiers |= carbonFlag(KeyChord::Modifier::ctrl);
    if (held.alt)
        modifiers |= carbonFlag(KeyChord::Modifier::alt);
    if (held.super)
        modifiers |= carbonFlag(KeyChord::Modifier::cmd);
    return modifiers;
}

} // namespace quillmere
