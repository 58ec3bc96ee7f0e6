#include "core/DisplayIdentity.h"

namespace quillmere {

std::string DisplayIdentity::signature() const {
    if (serial == 0)
        return name;
    return std::to_string(vendor) + "-" + std::to_string(model) + "-" + std::to_string(serial);
}

} // namespace quillmere

std::size_t
std::hash<quillmere::DisplayIdentity>::operator()(const quillmere::DisplayIdentity& identity) const noexcept {
    std::size_t seed = std::hash<std::string>{}(identity.name);
    const auto mix = [&seed](std::size_t value) {
        seed ^= value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
    };
    mix(identity.vendor);
    mix(identity.model);
    mix(identity.serial);
    mix(identity.builtIn);
    return seed;
}
