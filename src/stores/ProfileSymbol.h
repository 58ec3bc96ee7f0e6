#pragma once

#include "core/Profile.h"
#include "platform/SymbolImages.h"

#include <string>

namespace quillmere {

// The symbol that pictures a profile: its icon when the platform knows that symbol, else the default icon.
std::string symbol(const Profile& profile, const SymbolImages& images);

} // namespace quillmere
