#pragma once

#include "platform/WindowServer.h"

#include <cstdint>

namespace quillmere {

// The process manager's conversions between process ids and serial numbers. The output is filled only on
// StatusCode::noError.
StatusCode BSProcessForPID(WindowServer& windowServer, std::int32_t pid, ProcessSerialNumber& psn);
StatusCode BSPIDForProcess(WindowServer& windowServer, const ProcessSerialNumber& psn, std::int32_t& pid);

} // namespace quillmere
