#pragma once

#include "platform/x11/ApplicationIdentity.h"

#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// The desktop entries installed for the user, read and launched through GIO as the desktop itself does it:
// the user's entries before the system's, names in the user's language, entries whose TryExec program is
// missing left out, field codes, Terminal= and D-Bus activation handled by GIO.
class DesktopEntries {
  public:
    struct Listed {
        DesktopEntry entry;
        // Where its file lies: the location the workspace names it by.
        std::string location;
        // The desktop shows it in its menus: not NoDisplay, and meant for this desktop.
        bool shown = false;
    };

    // Read afresh, so that an entry installed since is found.
    std::vector<Listed> entries() const;
    // The entry that describes a program with windows of that class running that executable, by the rules
    // of matchingDesktopEntry.
    std::optional<Listed> matching(const std::optional<WindowClass>& windowClass,
                                   const std::optional<std::string>& executable) const;

    // Starts the entry at the location, with the URLs for its field codes; false when the entry cannot be
    // read or its program cannot be started, which is logged.
    bool launch(const std::string& location, const std::vector<std::string>& urls) const;
};

} // namespace quillmere
