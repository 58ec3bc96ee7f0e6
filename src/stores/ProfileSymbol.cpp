#include "stores/ProfileSymbol.h"

namespace quillmere {

std::string symbol(const Profile& profile, const SymbolImages& images) {
    if (profile.icon && images.hasSymbol(*profile.icon))
        return *profile.icon;
    return std::string(Profile::defaultIcon);
}

} // namespace quillmere
