#include "platform/x11/DisplayIdentity.h"

#include <array>
#include <cstdio>

namespace quillmere {

namespace {

constexpr std::array<std::uint8_t, 8> edidHeader{0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
constexpr std::size_t edidBlock = 128;

// FNV-1a: a stable number for a connector's name.
std::uint32_t hashed(std::string_view text) {
    std::uint32_t hash = 2166136261u;
    for (const char letter : text) {
        hash ^= static_cast<std::uint8_t>(letter);
        hash *= 16777619u;
    }
    return hash;
}

} // namespace

std::optional<DisplayHardware> DisplayIdentity::decodeEdid(std::span<const std::uint8_t> edid) {
    if (edid.size() < edidBlock || !std::equal(edidHeader.begin(), edidHeader.end(), edid.begin()))
        return std::nullopt;
    DisplayHardware hardware;
    // The manufacturer is three packed letters, big-endian; product and serial are little-endian.
    hardware.vendor = static_cast<std::uint32_t>(edid[8] << 8 | edid[9]);
    hardware.model = static_cast<std::uint32_t>(edid[10] | edid[11] << 8);
    hardware.serial = static_cast<std::uint32_t>(edid[12] | edid[13] << 8 | edid[14] << 16) |
                      static_cast<std::uint32_t>(edid[15]) << 24;
    return hardware;
}

bool DisplayIdentity::builtIn(std::string_view connector) {
    return connector.starts_with("eDP") || connector.starts_with("LVDS") || connector.starts_with("DSI");
}

DisplayIdentity DisplayIdentity::of(std::string_view connector, std::span<const std::uint8_t> edid,
                                    Size size) {
    DisplayIdentity identity;
    if (const auto decoded = decodeEdid(edid)) {
        identity.hardware = *decoded;
    } else {
        identity.hardware.model = hashed(connector);
        identity.hardware.serial =
            static_cast<std::uint32_t>(size.width) << 16 | (static_cast<std::uint32_t>(size.height) & 0xFFFF);
    }
    identity.hardware.builtIn = builtIn(connector);
    return identity;
}

std::string DisplayIdentity::uuid() const {
    char text[40];
    std::snprintf(text, sizeof text, "%08X-%04X-%04X-%04X-%04X%08X", hardware.model, hardware.vendor & 0xFFFF,
                  hardware.serial >> 16, hardware.serial & 0xFFFF, hardware.builtIn ? 1u : 0u,
                  hardware.serial);
    return text;
}

Rect visibleArea(const Rect& monitor, const std::optional<Rect>& workArea) {
    if (!workArea)
        return monitor;
    const Rect shared = monitor.intersection(*workArea);
    return shared.isNull() || shared.width() <= 0 || shared.height() <= 0 ? monitor : shared;
}

Rect screenFrame(const Rect& global, double mainHeight) {
    return {global.origin.x, mainHeight - global.origin.y - global.size.height, global.size.width,
            global.size.height};
}

} // namespace quillmere
