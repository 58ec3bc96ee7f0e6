#include "platform/qt/QtKeys.h"

#include "core/KeyChord.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace quillmere {
namespace {

std::optional<std::uint16_t> codeNamed(std::string_view name) {
    const auto& keys = KeyChord::keyCodes();
    const auto found = std::ranges::find(keys, name, &KeyChord::Key::name);
    if (found == keys.end())
        return std::nullopt;
    return static_cast<std::uint16_t>(found->code);
}

std::optional<std::uint16_t> byQtKey(int key) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return codeNamed("return");
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return codeNamed("tab");
    case Qt::Key_Space:
        return codeNamed("space");
    case Qt::Key_Backspace:
        return codeNamed("delete");
    case Qt::Key_Escape:
        return codeNamed("escape");
    case Qt::Key_Left:
        return codeNamed("left");
    case Qt::Key_Right:
        return codeNamed("right");
    case Qt::Key_Up:
        return codeNamed("up");
    case Qt::Key_Down:
        return codeNamed("down");
    default:
        break;
    }
    // Letters, digits and punctuation are named by their own character.
    if (key > 0x20 && key < 0x7f)
        return codeNamed(std::string(1, static_cast<char>(std::tolower(key))));
    return std::nullopt;
}

} // namespace

std::optional<std::uint16_t> macKeyCode(const QKeyEvent& event) {
    if (event.nativeScanCode() != 0)
        return quillmere::macKeyCode(event.nativeScanCode());
    return byQtKey(event.key());
}

HeldModifiers heldModifiers(Qt::KeyboardModifiers modifiers, bool fn) {
    return {.shift = modifiers.testFlag(Qt::ShiftModifier),
            .control = modifiers.testFlag(Qt::ControlModifier),
            .alt = modifiers.testFlag(Qt::AltModifier),
            .super = modifiers.testFlag(Qt::MetaModifier),
            .fn = fn};
}

} // namespace quillmere
