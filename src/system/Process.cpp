#include "system/Process.h"

namespace quillmere {

StatusCode BSProcessForPID(WindowServer& windowServer, std::int32_t pid, ProcessSerialNumber& psn) {
    const auto found = windowServer.processForPid(pid);
    if (!found)
        return found.error();
    psn = *found;
    return StatusCode::noError;
}

StatusCode BSPIDForProcess(WindowServer& windowServer, const ProcessSerialNumber& psn, std::int32_t& pid) {
    const auto found = windowServer.pidForProcess(psn);
    if (!found)
        return found.error();
    pid = *found;
    return StatusCode::noError;
}

} // namespace quillmere
