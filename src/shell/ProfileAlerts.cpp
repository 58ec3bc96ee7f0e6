#include "shell/ProfileAlerts.h"

#include "stores/ProfileSymbol.h"

#include <algorithm>
#include <map>
#include <string>

namespace quillmere::ProfileAlerts {
namespace {

std::string quoted(const std::string& text) { return "\u201C" + text + "\u201D"; }

// A placement without a display was meant for the main one, which has no name to give.
std::string displayName(const ProfilePlacement& placement) {
    return placement.display ? placement.display->identity.name : "the display";
}

} // namespace

Alert saveTarget(const Profile& profile, const SymbolImages& symbols) {
    const std::string& name = profile.name;
    Alert alert{
        .message = "Save to " + quoted(name) + "?",
        .informativeText = quoted(name) + " is the profile applied last. Saving to it replaces its windows and "
                           "layouts with how every Desktop looks now; its icon, shortcut and other settings stay. "
                           "Or save the layout as a new profile.",
        .buttons = {"Save to " + quoted(name), "New Profile\u2026", "Cancel"},
    };
    if (std::string icon = symbol(profile, symbols); symbols.hasSymbol(icon))
        alert.icon = AlertIcon{std::move(icon), name};
    return alert;
}

Alert modeMismatch(const Profile& profile, bool spansNow) {
    return {
        .message = quoted(profile.name) + " was captured with " +
                   (spansNow ? "each display having its own Spaces" : "Spaces spanning displays"),
        .informativeText =
            std::string(spansNow ? "Spaces span displays now (Displays have separate Spaces is off)."
                                 : "Each display has its own Spaces now (Displays have separate Spaces is on).") +
            " Its Spaces may land on different Desktops than when it was captured, and any whose Desktop "
            "doesn't exist are skipped.",
        .buttons = {"Apply Anyway", "Cancel"},
    };
}

Alert unplaced(const Profile& profile, const std::vector<ProfilePlacement>& placements) {
    std::map<std::string, std::string> numbersByDisplay;
    for (const ProfilePlacement& placement : placements) {
        std::string& numbers = numbersByDisplay[displayName(placement)];
        numbers += (numbers.empty() ? "" : ", ") + std::to_string(placement.number);
    }
    std::vector<std::string> lines;
    for (const auto& [display, numbers] : numbersByDisplay)
        lines.push_back(display + " has no Desktop " + numbers + ".");
    std::ranges::sort(lines);
    std::string list;
    for (const std::string& line : lines)
        list += (list.empty() ? "" : "\n") + line;
    const std::size_t count = placements.size();
    return {
        .message = quoted(profile.name) + " couldn't place " + std::to_string(count) + " Space" +
                   (count == 1 ? "" : "s"),
        .informativeText = list + "\n\nThose windows stay where they are. Add Desktops in Mission Control "
                                  "(\u2303\u2191, then +) and apply the profile again.",
    };
}

} // namespace quillmere::ProfileAlerts
