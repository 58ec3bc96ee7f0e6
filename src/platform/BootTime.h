#pragma once

#include <cstdint>
#include <optional>

namespace quillmere {

// When the system booted, in whole seconds since 1970; none when it cannot be read. Window ids are valid
// only within one boot, so an unknown boot time must not match any other, not even another unknown one.
std::optional<std::int64_t> bootTime();

} // namespace quillmere
