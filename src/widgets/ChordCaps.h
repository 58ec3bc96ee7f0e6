#pragma once

#include "core/KeyChord.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmere {

// The key caps a chord control shows.
struct Cap {
    std::string text;
    bool dimmed = false;
    friend bool operator==(const Cap&, const Cap&) = default;
};

// One cap per modifier in the order ⌃ ⌥ ⇧ ⌘, then the key's display name; a chord text that does not parse
// is one dimmed cap of the text as stored.
std::vector<Cap> chordCaps(std::string_view chord);

// One cap per modifier of the set; "Mixed", dimmed, when the commands share none.
std::vector<Cap> prefixCaps(const std::optional<KeyChord::Modifiers>& shared);

inline constexpr std::string_view recordingCapText = "Press keys…";
inline constexpr std::string_view prefixRecordingCapText = "Hold modifiers, then release";

} // namespace quillmere
