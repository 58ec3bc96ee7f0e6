#pragma once

#include "platform/Accessibility.h"
#include "platform/Preferences.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillmere {

// One system setting the window manager depends on but never changes, how it stands, why it matters and the
// System Settings address where the user changes it. Only a warning is a problem; a suggestion is advice.
struct SetupCheck {
    enum class State { ok, warning, suggestion };

    static constexpr std::string_view accessibilityId = "Accessibility permission";
    static constexpr std::string_view accessibilityPane =
        "x-apple.systempreferences:com.apple.settings.PrivacySecurity.extension?Privacy_Accessibility";

    // The title shown, also the check's identity in lists.
    std::string id;
    State state = State::ok;
    std::string detail;
    std::string pane;

    // The six checks in their fixed order, every value read afresh: Accessibility permission, fixed Space
    // order, the Space count, Stage Manager off, edge-drag tiling off, trackpad swipe between Spaces on.
    static std::vector<SetupCheck> all(int spaceCount, const Accessibility& accessibility,
                                       Preferences& preferences);
    static SetupCheck spacesCheck(int count);

    // What the mark of the state says about this check: the title names how the setting should stand, so a
    // warning says how it stands instead.
    std::string stateText() const;

    friend bool operator==(const SetupCheck&, const SetupCheck&) = default;
};

} // namespace quillmere
