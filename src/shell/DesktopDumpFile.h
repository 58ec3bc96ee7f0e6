#pragma once

#include "platform/HeldWork.h"
#include "platform/MainQueue.h"
#include "platform/sim/SimulatedDesktop.h"

#include <filesystem>
#include <optional>

namespace quillmere {

// Keeps a file telling the simulated desktop's state (its dump), for scripts and tests that watch the
// application from outside. Rewritten whole and atomically on the main queue after changes, once however
// many changes came together.
class DesktopDumpFile {
  public:
    DesktopDumpFile(MainQueue& queue, const SimulatedDesktop& desktop, std::filesystem::path path);
    ~DesktopDumpFile();
    DesktopDumpFile(const DesktopDumpFile&) = delete;
    DesktopDumpFile& operator=(const DesktopDumpFile&) = delete;

    void desktopChanged();

  private:
    void write();

    MainQueue& queue_;
    const SimulatedDesktop& desktop_;
    std::filesystem::path path_;
    HeldWork pending_{queue_};
    // A file that cannot be written is logged once until it can be again.
    bool failing_ = false;
};

} // namespace quillmere
