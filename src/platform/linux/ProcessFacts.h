#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace quillmere {

// When the process started; none when it is gone or the kernel does not say.
std::optional<std::chrono::system_clock::time_point> processLaunchDate(std::int32_t pid);

// The file name of the program the process runs (without its folder), else its command name; none when
// the process is gone.
std::optional<std::string> processExecutableName(std::int32_t pid);

} // namespace quillmere
