#pragma once

#include "platform/FileWatching.h"
#include "platform/MainQueue.h"

namespace quillmere {

// File watching with inotify. Each watch gets an inotify instance of its own: one instance gives two
// watches of the same file the same watch descriptor, so replacing a watch would cancel the other one.
// The kernel reports a deletion once the file is gone for good: while another program keeps a deleted file
// open, its watch hears nothing, but the folder's watch sees the entry go.
class InotifyFileWatching final : public FileWatching {
  public:
    // The queue must outlive every watch made here.
    explicit InotifyFileWatching(MainQueue& queue) : queue_(queue) {}

    std::unique_ptr<FileWatch> watch(const std::filesystem::path& path, FileEvents events,
                                     Handler handler) override;

  private:
    MainQueue& queue_;
};

} // namespace quillmere
