#pragma once

#include "core/Profile.h"
#include "stores/ProfileStore.h"

#include <cstdint>
#include <string>

namespace quillmere {

// The texts of the profile list and of the editor's header.

// "2 Desktops · 5 windows · 1 full screen": Desktop numbers counted once across displays, every window
// reference of their snapshots (full-screen windows not among them), the full-screen part only when there
// are some. The list and the editor's header say the same of a profile.
std::string profileListSummary(const Profile& profile);

// The list's summary, then the recorded displays' names: "… · Studio Display + Built-in".
std::string profileDetailSummary(const Profile& profile);

// A number and a noun, with "s" unless the number is 1; no digit grouping.
std::string counted(std::int64_t count, const std::string& noun);

// The row of a profile file that failed to load: its file name and " didn't load", and its tooltip.
std::string problemTitle(const ProfileStore::Problem& problem);
std::string problemTooltip(const ProfileStore::Problem& problem);

// The rename sheet's title, the present name in curly quotes.
std::string renameTitle(const std::string& name);

} // namespace quillmere
