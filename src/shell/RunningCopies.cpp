#include "shell/RunningCopies.h"

#include "shell/entry/RuntimeFolder.h"

#include <csignal>
#include <thread>

namespace quillmere {

std::optional<CopyRecord> SessionCopies::running(BuildVariant variant) {
    return lockHolder(lockFilePath(folder_, variant));
}

// Only the process that still holds the variant's lock is signalled, never one that merely reuses the
// number of a copy that has ended.
void SessionCopies::signal(BuildVariant variant, const CopyRecord& copy, int number) {
    if (running(variant) == copy)
        ::kill(copy.pid, number);
}

void SessionCopies::terminate(BuildVariant variant, const CopyRecord& copy) { signal(variant, copy, SIGTERM); }

void SessionCopies::force(BuildVariant variant, const CopyRecord& copy) { signal(variant, copy, SIGKILL); }

bool SessionCopies::hasEnded(BuildVariant variant) { return !isLockHeld(lockFilePath(folder_, variant)); }

void SessionCopies::pause(MainQueue::Duration duration) { std::this_thread::sleep_for(duration); }

} // namespace quillmere
