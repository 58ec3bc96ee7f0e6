#pragma once

#include "platform/x11/X11Atoms.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// A window property as the server sent it: its type, the size of its items and their bytes. A property
// the window does not have reads as the empty property of type 0.
struct X11Property {
    XAtom type = 0;
    // 8, 16 or 32 bits per item; 0 for a missing property.
    std::uint8_t format = 0;
    std::vector<std::uint8_t> bytes;

    bool exists() const { return type != 0; }
    // The 32-bit items (cardinals, atoms, window ids); empty unless the format is 32.
    std::vector<std::uint32_t> cardinals() const;
    // The first 32-bit item, if there is one.
    std::optional<std::uint32_t> cardinal() const;
    // The bytes as text, up to the first NUL; empty unless the format is 8.
    std::string text() const;
    // A list of NUL-separated texts (WM_CLASS, _NET_DESKTOP_NAMES); a final NUL ends the list.
    std::vector<std::string> texts() const;

    friend bool operator==(const X11Property&, const X11Property&) = default;
};

} // namespace quillmere
