#pragma once

#include "core/Geometry.h"
#include "platform/Displays.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quillmere {

// Who a monitor is, kept across unplugging and plugging back: from its EDID where it has one (vendor,
// product, serial), else from its connector's name and its size.
struct DisplayIdentity {
    DisplayHardware hardware;

    // None unless the bytes begin with a valid EDID block.
    static std::optional<DisplayHardware> decodeEdid(std::span<const std::uint8_t> edid);
    static DisplayIdentity of(std::string_view connector, std::span<const std::uint8_t> edid, Size size);
    // A panel built into the machine sits on an embedded connector.
    static bool builtIn(std::string_view connector);
    // As the interfaces write a display's UUID, made of the hardware identity.
    std::string uuid() const;

    friend bool operator==(const DisplayIdentity&, const DisplayIdentity&) = default;
};

// The part of a monitor that windows may cover: outside the strip that panels and docks reserve
// (_NET_WORKAREA, which spans all monitors). A work area that misses the monitor leaves it whole.
Rect visibleArea(const Rect& monitor, const std::optional<Rect>& workArea);

// A frame in global points (origin at the top left of the main display, y down) in the screens' own
// coordinates (origin at its bottom left, y up).
Rect screenFrame(const Rect& global, double mainHeight);

} // namespace quillmere
