#pragma once

#include "core/Desktops.h"
#include "core/Profile.h"

#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace quillmere {

// The name itself, or the first of "name 2", "name 3", ... whose file no taken name already has (file names
// compared without case, as the file system does): two profiles never share a file.
std::string uniqueProfileName(const std::string& name, const std::set<std::string>& taken);

// The name with every "/" replaced by "-", then ".json".
std::string profileFileName(std::string_view name);

// Why a name cannot be used for a profile (blank, too long for a file name, or the file of another profile
// that is not `current`), or none.
std::optional<std::string> profileNameProblem(std::string_view name,
                                              const std::optional<std::string>& current,
                                              const std::set<std::string>& taken);

// Records the displays present, in display order, with their Desktop counts, their fingerprint and whether
// their Spaces span them all.
void recordDisplays(Profile& profile, const Desktops& present);

} // namespace quillmere
