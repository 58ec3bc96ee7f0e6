#pragma once

#include "core/Profile.h"
#include "core/ProfilePlacement.h"
#include "platform/Alerts.h"
#include "platform/SymbolImages.h"

#include <vector>

namespace quillmere {

// The questions and the warning that stand between the user and a profile's capture or load. Every answer
// but the first button counts as no.
namespace ProfileAlerts {

// Whether to save into the profile applied last: "Save to …", "New Profile…" or "Cancel". Its icon is the
// profile's symbol, none when the platform cannot draw it.
Alert saveTarget(const Profile& profile, const SymbolImages& symbols);
// Before loading a profile captured in the other Spaces mode: "Apply Anyway" or "Cancel". `spansNow` is
// the present mode: Spaces span all displays.
Alert modeMismatch(const Profile& profile, bool spansNow);
// After a load left Desktops without a Space: one line per display, the lines in text order, and the
// system's one OK button.
Alert unplaced(const Profile& profile, const std::vector<ProfilePlacement>& placements);

} // namespace ProfileAlerts

} // namespace quillmere
