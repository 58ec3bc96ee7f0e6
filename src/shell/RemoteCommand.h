#pragma once

#include "core/Command.h"

#include <optional>
#include <string_view>

namespace quillmere {

// Reads a command text another process sent and writes the log line for it: "remote command ..." when it
// parses, "unknown remote command ..." when it does not (and then none). The text is logged as received,
// with control characters escaped so that it cannot forge lines of the log.
std::optional<Command> readRemoteCommand(std::string_view text);

} // namespace quillmere
