#include "platform/sim/SimulatedSymbolImages.h"

#include "core/LayoutMode.h"
#include "core/Profile.h"

namespace quillmere {

SimulatedSymbolImages::SimulatedSymbolImages() {
    names_.emplace(Profile::defaultIcon);
    for (const auto& group : Profile::iconChoices())
        for (const auto& icon : group.icons)
            names_.insert(icon.symbol);
    for (LayoutMode mode : allLayoutModes)
        names_.emplace(symbol(mode));
}

bool SimulatedSymbolImages::hasSymbol(std::string_view name) const { return names_.contains(name); }

} // namespace quillmere
