#pragma once

#include "core/Geometry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// The number by which the system names a display while it is connected.
using DisplayId = std::uint32_t;

// What a display reports of itself; all zero for a display that is not there.
struct DisplayHardware {
    std::uint32_t vendor = 0;
    std::uint32_t model = 0;
    std::uint32_t serial = 0;
    bool builtIn = false;
    friend bool operator==(const DisplayHardware&, const DisplayHardware&) = default;
};

// A display as the application's windows see it. Frames are in the screens' own coordinates: origin at the
// bottom left of the first screen, y growing upward.
struct Screen {
    // None for a screen that does not say which display it is.
    std::optional<DisplayId> number;
    std::string localizedName;
    Rect frame;
    // The frame without the menu bar.
    Rect visibleFrame;
    friend bool operator==(const Screen&, const Screen&) = default;
};

// The connected displays and their screens.
class Displays {
  public:
    virtual ~Displays() = default;

    // The main display (the one at the origin) first.
    virtual std::vector<DisplayId> activeDisplays() = 0;
    virtual DisplayId mainDisplay() = 0;
    // Global points, origin top left; the null rectangle for a display that is not there.
    virtual Rect bounds(DisplayId display) = 0;
    virtual DisplayHardware hardware(DisplayId display) = 0;
    // The display's UUID as text, for example "37D8832A-2D66-02CA-B9F7-8F30A301B230".
    virtual std::optional<std::string> uuid(DisplayId display) = 0;
    // At most `maxDisplays` displays whose bounds hold the point; none when the system cannot tell.
    virtual std::optional<std::vector<DisplayId>> displaysWithPoint(Point point, std::uint32_t maxDisplays) = 0;

    // The first screen is the one with the origin.
    virtual std::vector<Screen> screens() = 0;
    // The screen the user works on; none without screens.
    virtual std::optional<Screen> mainScreen() = 0;
};

} // namespace quillmere
