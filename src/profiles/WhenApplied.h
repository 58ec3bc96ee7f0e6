#pragma once

#include "core/Desktops.h"
#include "core/Profile.h"
#include "platform/RunningApplications.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// The texts and edits of a profile's "When applied" section: what applying it does besides arranging
// windows, and where its Desktops would land on the displays connected now. Optional switches are written
// true or absent, never false.
namespace WhenApplied {

enum class Unlisted { leave = 0, hide = 1, quit = 2 };

// Quit wins over Hide when a hand-written file sets both.
Unlisted unlisted(const Profile& profile);
Profile choosingUnlisted(Profile profile, Unlisted choice);
// What applying now would do to the running apps the profile does not list: their names, those without one
// left out, sorted and joined as a conjunction in the locale (the user's when empty).
std::string unlistedPreview(const std::vector<RunningApplication>& apps, bool quit, const std::string& locale = "");

// Switching on records the displays connected now, unless the profile already records some.
Profile switchingAutoApply(Profile profile, bool on, const Desktops& present);
// The recorded displays' names, each in curly quotes, joined with " and ".
std::string displayNames(const Profile& profile);
std::string autoApplyNote(const Profile& profile);

// The choices of "Show afterwards": "Stay where I am", then each Desktop.
std::vector<std::pair<std::string, std::optional<std::int64_t>>> showChoices(int spaceCount);

struct PlacementNote {
    std::string text;
    // A system symbol image.
    std::string symbol;
    bool problem = false;
    friend bool operator==(const PlacementNote&, const PlacementNote&) = default;
};
// A mismatch of the Spaces mode first, then each Desktop that does not land where it was recorded.
std::vector<PlacementNote> placementNotes(const Profile& profile, const Desktops& present);

} // namespace WhenApplied

} // namespace quillmere
