#pragma once

#include "core/Geometry.h"

#include <string>

namespace quillmere {

// The faces the status item's picture writes in.
enum class MenuBarFont {
    // The system font at 13, medium.
    body,
    // The same with monospaced digits.
    bodyDigits,
    // The boxed Space number: 11, bold, monospaced digits.
    boxDigits,
};

// One thing the status item's picture draws, where and how opaque; drawn in black.
struct MenuBarPiece {
    enum class Kind {
        symbol,
        text,
        // A number in a rounded box.
        boxedNumber,
        // One Desktop of the stepper.
        desktopMark,
        // One full-screen Space of the stepper, a small diamond.
        fullScreenMark,
    };

    Kind kind = Kind::symbol;
    // The symbol's name, or the text.
    std::string content;
    MenuBarFont font = MenuBarFont::body;
    // A mark of the current Space is filled.
    bool filled = false;
    Rect frame;
    double opacity = 1;

    friend bool operator==(const MenuBarPiece&, const MenuBarPiece&) = default;
};

} // namespace quillmere
