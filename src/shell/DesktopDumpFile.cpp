#include "shell/DesktopDumpFile.h"

#include "platform/AtomicWrite.h"
#include "platform/Log.h"

namespace quillmere {

DesktopDumpFile::DesktopDumpFile(MainQueue& queue, const SimulatedDesktop& desktop, std::filesystem::path path)
    : queue_(queue), desktop_(desktop), path_(std::move(path)) {
    write();
}

DesktopDumpFile::~DesktopDumpFile() {
    if (pending_)
        queue_.cancel(*pending_);
}

void DesktopDumpFile::desktopChanged() {
    if (!pending_)
        pending_ = queue_.after(MainQueue::Duration::zero(), [this] {
            pending_.reset();
            write();
        });
}

void DesktopDumpFile::write() {
    const auto failure = writeAtomically(path_, desktop_.dump());
    if (failure && !failing_)
        log(LogLevel::error, "cannot write the desktop's dump: %{public}s", failure->description);
    failing_ = failure.has_value();
}

} // namespace quillmere
