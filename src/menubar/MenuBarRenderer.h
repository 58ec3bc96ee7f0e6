#pragma once

#include "core/MenuBarSettings.h"
#include "wm/WindowManagerStatus.h"

#include <QImage>
#include <optional>
#include <string_view>

namespace quillmere {

// Draws the status item's picture: the state of the active display's current Space as the user chose to
// see it, with a warning mark while something needs the user. Main thread only.
struct MenuBarRenderer {
    // A template picture (drawn in black with opacity) tinted with the palette's window-text colour, at the
    // primary screen's pixel ratio (2 without a screen); none when it would have no width, so that the
    // caller falls back to a text rather than an item nobody can see or click.
    static std::optional<QImage> image(const WindowManagerStatus& status, const MenuBarSettings& settings,
                                       bool warning);

    // A text drawn as the picture would draw it, for a status item that cannot show text.
    static QImage title(std::string_view text);
};

} // namespace quillmere
