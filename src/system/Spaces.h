#pragma once

#include "core/Desktops.h"
#include "core/Geometry.h"
#include "core/WindowId.h"
#include "platform/Displays.h"
#include "platform/WindowList.h"
#include "platform/WindowServer.h"

#include <map>
#include <optional>
#include <string>

namespace quillmere {

// The window server's Spaces: every read asks anew and never fails loudly; a missing or ill-typed answer
// narrows the result to none, an empty list or the main screen. One per process, on the main thread.
class Spaces {
  public:
    Spaces(WindowServer& windowServer, WindowList& windowList, Displays& displays);

    // Reads the Space list of every display anew and keeps it as `latest`.
    Desktops desktops();
    // The last read; none before the first.
    const std::optional<Desktops>& latest() const { return latest_; }
    // The largest Desktop count of any display, at least 1.
    int mostDesktops();

    // The Space that holds the window as the model names it; none for a window on no or several Spaces.
    // Uses `latest`, so that asking for many windows in a row reads the list once.
    std::optional<SpaceId> space(WindowId of, std::optional<Rect> bounds = std::nullopt);
    std::optional<Rect> windowBounds(WindowId window);

    // "Main" names the main screen.
    std::optional<Screen> screen(const std::string& id);
    // The main screen when no display or screen holds the Space.
    std::optional<Screen> screen(SpaceId of);
    // By display identifier, else by display signature.
    std::optional<Screen> screenMatching(const std::string& text);

    // For log lines: "desktop 3", or "full screen".
    static std::string describe(SpaceId space, const DisplaySpaces& on);

    // Puts the window onto the Space without showing it; the window server completes the move later.
    void move(WindowId window, SpaceId to);

    ConnectionId connection();
    // The index of every display identifier met with a shared Space list, kept for the process's life.
    const std::map<std::string, int>& displayIndexes() const { return displayIndexes_; }

  private:
    std::optional<SpaceId> realSpace(WindowId of);
    DisplayId displayID(const Screen& screen);
    int index(const std::string& id);
    std::optional<std::string> identifier(const Screen& screen);
    DisplayIdentity identity(const Screen& screen);

    WindowServer& windowServer_;
    WindowList& windowList_;
    Displays& displays_;
    std::optional<ConnectionId> connection_;
    std::optional<Desktops> latest_;
    std::map<std::string, int> displayIndexes_;
};

} // namespace quillmere
