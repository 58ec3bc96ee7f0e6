#pragma once

#include "core/Settings.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillmere {

// The edits the Rules pane makes on the working copy before it saves. Names are trimmed of spaces and tabs
// and compared exactly; the caller has already checked them with nameNote.

// Appends the name and sorts the whole list in plain order.
void addFloatApp(Settings& settings, std::string_view typed);
// Removes every entry equal to the name.
void removeFloatApp(Settings& settings, const std::string& name);
// Appended as typed: the pattern keeps its blanks, and title rules are neither sorted nor deduplicated.
void addTitleRule(Settings& settings, std::string_view typedApp, std::string pattern);
void removeTitleRule(Settings& settings, std::size_t index);
void addSpaceRule(Settings& settings, std::string_view typed, std::int64_t space);
void removeSpaceRule(Settings& settings, const std::string& name);
// Appends to the list, present from then on, and sorts it in plain order.
void addFullScreenApp(Settings& settings, std::string_view typed);
// Removes every entry equal to the name; the last one leaves an empty list, not an absent one.
void removeFullScreenApp(Settings& settings, const std::string& name);

// The Desktop rules the pane lists, those for Desktops 1 to spaceCount, by name in plain order.
std::vector<std::pair<std::string, std::int64_t>> shownSpaceRules(const Settings& settings, int spaceCount);
// Rules for Desktops beyond spaceCount: kept, but not listed.
std::size_t hiddenSpaceRuleCount(const Settings& settings, int spaceCount);
// Every name a Desktop rule has, hidden ones too, for the duplicate check.
std::vector<std::string> spaceRuleNames(const Settings& settings);
// The full-screen list in plain order, empty when absent.
std::vector<std::string> sortedFullScreenApps(const Settings& settings);

// The entry row's Desktop choice within 1 to spaceCount: a choice made while there were more Desktops would
// otherwise add a rule that is hidden at once.
std::int64_t clampedSpace(std::int64_t space, int spaceCount);

} // namespace quillmere
