#pragma once

#include "support/PointerDesktop.h"

#include <string>
#include <utility>

namespace quillmere {

// An Editor window and a Mail window tiled side by side on a 1440 x 900 display, the left one focused, and a
// Notes window alone on a display to its right; with the mouse gestures on, left alone long enough for the
// manager's writes to be past.
struct TwoTiles : PointerDesktop {
    TwoTiles() {
        startWithMouse();
        if (desktop.frame(left)->minX() > desktop.frame(right)->minX()) {
            std::swap(left, right);
            std::swap(leftApp, rightApp);
        }
        click(left);
        managed.advance(std::chrono::seconds(1));
    }

    Rect frame(WindowId window) const { return *desktop.frame(window); }
    Point centre(WindowId window) const { return frame(window).center(); }

    const DisplayId main = desktop.addDisplay({.name = "Main", .bounds = {0, 0, 1440, 900}});
    const SpaceId space = desktop.currentSpace(main);
    const DisplayId side = desktop.addDisplay({.name = "Side", .bounds = {1440, 0, 1280, 800}});
    const SpaceId sideSpace = desktop.currentSpace(side);
    const std::int32_t editor = launch("Editor");
    const std::int32_t mail = launch("Mail");
    WindowId left = open(editor, {.title = "draft", .frame = {100, 100, 500, 400}});
    WindowId right = open(mail, {.title = "inbox", .frame = {200, 100, 500, 400}});
    const std::int32_t notes = launch("Notes");
    const WindowId other = open(notes, {.title = "list", .frame = {1600, 100, 500, 400}});
    std::string leftApp = "Editor";
    std::string rightApp = "Mail";
};

} // namespace quillmere
