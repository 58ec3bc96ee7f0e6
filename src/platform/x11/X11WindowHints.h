#pragma once

#include "core/Geometry.h"
#include "platform/x11/X11Atoms.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace quillmere {

// What the window manager's frame adds around a client window (_NET_FRAME_EXTENTS), in pixels.
struct FrameExtents {
    double left = 0;
    double right = 0;
    double top = 0;
    double bottom = 0;

    // From the property's four cardinals; none for a window the window manager has not framed.
    static FrameExtents decode(std::span<const std::uint32_t> cardinals);
    // The frame around a client whose inside lies at `client` in root coordinates.
    Rect outer(const Rect& client) const;
    // Where the client goes so that its frame lies exactly at `outer`.
    Rect client(const Rect& outer) const;
    Size outer(Size client) const;

    friend bool operator==(const FrameExtents&, const FrameExtents&) = default;
};

// The sizes a client asks for in WM_NORMAL_HINTS.
struct SizeHints {
    std::optional<Size> minimum;
    std::optional<Size> maximum;

    // ICCCM's layout: flags, then (from the fifth item) minimum and maximum sizes, and the base size
    // (from the sixteenth), which stands in for a missing minimum.
    static SizeHints decode(std::span<const std::uint32_t> cardinals);
    // The window can take one size only.
    bool fixed() const { return minimum && maximum && *minimum == *maximum; }

    friend bool operator==(const SizeHints&, const SizeHints&) = default;
};

// The atoms of _NET_WM_WINDOW_TYPE that make a standard (tileable) window.
struct WindowKind {
    // The types the window names, most wanted first.
    std::vector<XAtom> types;
    bool transient = false;
    bool overrideRedirect = false;

    // No type counts as normal, as EWMH says for windows that are not transient.
    bool standard(XAtom normal) const;
};

// ICCCM's WM_STATE values.
enum class WmState : std::uint32_t { withdrawn = 0, normal = 1, iconic = 3 };

} // namespace quillmere
