#pragma once

#include "core/Settings.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmere {

// The texts of the Rules pane that depend on what is typed and stored.

// A message under an entry row, and whether it disables the row's Add button.
struct NameNote {
    std::string text;
    bool blocks = false;
    friend bool operator==(const NameNote&, const NameNote&) = default;
};

// None for blank text; a blocking note when the trimmed name is already listed (exact comparison); a
// warning when no application of that name is known.
std::optional<NameNote> nameNote(std::string_view typed, const std::vector<std::string>& listed,
                                 const std::function<bool(std::string_view)>& knowsApp);

// "matches no open windows", "matches 1 open window", "matches 3 open windows".
std::string matchText(std::size_t count);

// Empty without hidden rules; else a line break and a sentence on the rules for Desktops beyond the count.
std::string hiddenNote(std::size_t hidden, int spaceCount);

// The pane's introduction, naming the chord of the float command as the Keys pane shows it.
std::string rulesIntroduction(const Settings& settings);

// The tooltip of a rule naming an application nobody knows.
std::string unknownAppTooltip(std::string_view name);

} // namespace quillmere
