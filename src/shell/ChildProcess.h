#pragma once

#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace quillmere {

// Starts a program that lives on by itself, with every signal unblocked and at its default action: it
// must not inherit the application's blocked termination signals, or it could not be stopped politely.
// The application's own descriptors are closed on exec, so it holds none of the application's locks.
// Answers the child's process identifier, or none when it could not be started.
std::optional<pid_t> startChildProcess(const std::string& program, const std::vector<std::string>& arguments);

} // namespace quillmere
