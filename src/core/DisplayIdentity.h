#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace quillmere {

// A physical display, recognised again by its signature after it is unplugged and plugged back in.
struct DisplayIdentity {
    std::string name;
    std::uint32_t vendor = 0;
    std::uint32_t model = 0;
    std::uint32_t serial = 0;
    bool builtIn = false;

    // Vendor, model and serial when the display reports a serial; its name otherwise, which also covers the
    // name-only identities that older profiles hold.
    std::string signature() const;

    friend bool operator==(const DisplayIdentity&, const DisplayIdentity&) = default;
};

} // namespace quillmere

template <> struct std::hash<quillmere::DisplayIdentity> {
    std::size_t operator()(const quillmere::DisplayIdentity& identity) const noexcept;
};
