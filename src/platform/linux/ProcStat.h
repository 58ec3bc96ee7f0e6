#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quillmere {

// The boot time of the "btime" line of /proc/stat's text; none when the line is missing or not a
// positive whole number.
std::optional<std::int64_t> bootTimeFromProcStat(std::string_view text);

// When the process started, in clock ticks after boot, from the text of its /proc/PID/stat; none when the
// text does not hold that field as a whole number. The command name may itself hold spaces and
// parentheses, so the fields are counted from its last closing parenthesis.
std::optional<std::uint64_t> startTicksFromProcessStat(std::string_view text);

} // namespace quillmere
