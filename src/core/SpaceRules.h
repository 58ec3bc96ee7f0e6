#pragma once

#include "core/LayoutMode.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace quillmere {

// What the configuration says about Desktops, by their 1-based numbers: their labels, the layout mode each
// starts in, and the Desktop each application's windows belong on (by the application's shown name).
struct SpaceRules {
    std::map<std::int64_t, std::string> labels;
    std::map<std::int64_t, LayoutMode> layouts;
    std::map<std::string, std::int64_t> apps;

    static SpaceRules default_() { return {}; }

    // The configured mode of the Desktop, bsp for none or a Desktop without an entry.
    LayoutMode layout(std::optional<std::int64_t> forSpace) const;

    friend bool operator==(const SpaceRules&, const SpaceRules&) = default;
};

} // namespace quillmere
