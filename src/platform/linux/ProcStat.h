#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quillmere {

// The boot time of the "btime" line of /proc/stat's text; none when the line is missing or not a
// positive whole number.
std::optional<std::int64_t> bootTimeFromProcStat(std::string_view text);

} // namespace quillmere
