#pragma once

#include "core/Desktops.h"
#include "core/SpaceLayout.h"

#include <map>
#include <string>

namespace quillmere {

using SpaceLayouts = std::map<SpaceId, SpaceLayout>;

// Keeps the layouts of a display that was unplugged, under its signature, and hands them back when a
// display with that signature returns showing the same Spaces. Lives in memory for the process only.
struct DepartedLayouts {
    std::map<std::string, SpaceLayouts> saved;

    // Parks the tiled layouts of every display that left and answers the layouts to put back on the
    // displays that arrived; an entry is handed back at most once. Who left is decided by display id, who
    // returned by signature.
    SpaceLayouts update(const Desktops& from, const Desktops& to, const SpaceLayouts& layouts);
};

} // namespace quillmere
