#include "platform/x11/X11WindowHints.h"

namespace quillmere {

FrameExtents FrameExtents::decode(std::span<const std::uint32_t> cardinals) {
    if (cardinals.size() < 4)
        return {};
    return {static_cast<double>(cardinals[0]), static_cast<double>(cardinals[1]),
            static_cast<double>(cardinals[2]), static_cast<double>(cardinals[3])};
}

Rect FrameExtents::outer(const Rect& client) const {
    return {client.origin.x - left, client.origin.y - top, client.size.width + left + right,
            client.size.height + top + bottom};
}

Rect FrameExtents::client(const Rect& outer) const {
    return {outer.origin.x + left, outer.origin.y + top, outer.size.width - left - right,
            outer.size.height - top - bottom};
}

Size FrameExtents::outer(Size client) const {
    return {client.width + left + right, client.height + top + bottom};
}

SizeHints SizeHints::decode(std::span<const std::uint32_t> cardinals) {
    constexpr std::uint32_t programMinimum = 1u << 4, programMaximum = 1u << 5, programBase = 1u << 8;
    SizeHints hints;
    if (cardinals.size() < 9)
        return hints;
    const std::uint32_t flags = cardinals[0];
    const auto size = [&](std::size_t at) {
        return Size{static_cast<double>(cardinals[at]), static_cast<double>(cardinals[at + 1])};
    };
    if (flags & programMinimum)
        hints.minimum = size(5);
    else if (flags & programBase && cardinals.size() >= 17)
        hints.minimum = size(15);
    if (flags & programMaximum)
        hints.maximum = size(7);
    return hints;
}

bool WindowKind::standard(XAtom normal) const {
    if (overrideRedirect || transient)
        return false;
    return types.empty() || types.front() == normal;
}

} // namespace quillmere
