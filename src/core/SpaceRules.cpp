#include "core/SpaceRules.h"

namespace quillmere {

LayoutMode SpaceRules::layout(std::optional<std::int64_t> forSpace) const {
    if (!forSpace)
        return LayoutMode::bsp;
    const auto entry = layouts.find(*forSpace);
    return entry == layouts.end() ? LayoutMode::bsp : entry->second;
}

} // namespace quillmere
