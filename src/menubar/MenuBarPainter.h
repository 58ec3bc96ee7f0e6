#pragma once

#include "menubar/MenuBarLayout.h"

#include <QImage>

namespace quillmere {

// Draws a laid-out picture in black with the pieces' opacity at the primary screen's pixel ratio (2 without
// a screen), then gives every drawn pixel the palette's window-text colour, keeping its coverage: nothing
// here tints a template image as a menu bar would.
QImage paintMenuBarPicture(const MenuBarPicture& picture);

} // namespace quillmere
