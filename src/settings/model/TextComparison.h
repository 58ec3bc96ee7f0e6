#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillmere {

// How the Settings window compares the texts users type and the names it lists.

// Plain order: canonical (NFC) normalisation, then Unicode code points, so every capital letter sorts before
// every small one ("Zoom" before "calculator").
bool plainLess(std::string_view a, std::string_view b);
void sortPlain(std::vector<std::string>& texts);

// Whether the text contains the query once both are fully case-folded ("Straße" contains "STRASSE"); the
// empty query is contained in every text.
bool containsFolded(std::string_view text, std::string_view query);

// The Finder's order in the user's locale: letter case ignored, digit runs compared by value ("App 2"
// before "App 10"). Stable, so equal names keep their order.
void sortLocalized(std::vector<std::string>& texts);
// The positions of the texts in that order.
std::vector<std::size_t> localizedOrder(const std::vector<std::string>& texts);

} // namespace quillmere
