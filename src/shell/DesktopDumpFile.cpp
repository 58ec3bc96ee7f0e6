#include "shell/DesktopDumpFile.h"

#include "platform/AtomicWrite.h"
#include "platform/Log.h"

namespace quillmere {

DesktopDumpFile::DesktopDumpFile(MainQueue& queue, const SimulatedDesktop& desktop, std::filesystem::path path)
    : queue_(queue), desktop_(desktop), path_(std::move(path)) {
    write();
}

DesktopDumpFile::~DesktopDumpFile() = default;

void DesktopDumpFile::desktopChanged() {
    if (!pending_.isPending())
        pending_.schedule(MainQueue::Duration::zero(), [this] { write(); });
}

void DesktopDumpFile::write() {
    const auto failure = writeAtomically(path_, desktop_.dump());
    if (failure && !failing_)
        log(LogLevel::error, "cannot write the desktop's dump: %{public}s", failure->description);
    failing_ = failure.has_value();
}

} // namespace quillmere
