#include "platform/linux/InotifyFileWatching.h"

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <sys/inotify.h>
#include <unistd.h>

namespace quillmere {
namespace {

// A folder's entries changing is its write; a change inside one of its files is not.
constexpr std::uint32_t entryChanges = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;

std::uint32_t maskFor(FileEvents events) {
    std::uint32_t mask = 0;
    if (events.contains(FileEvent::write)) {
        mask |= IN_MODIFY | entryChanges;
    }
    if (events.contains(FileEvent::delete_)) {
        mask |= IN_DELETE_SELF;
    }
    if (events.contains(FileEvent::rename)) {
        mask |= IN_MOVE_SELF;
    }
    return mask;
}

FileEvents eventsOf(const inotify_event& event, FileEvents wanted) {
    // Events were dropped; any of them may have been one that is wanted.
    if ((event.mask & IN_Q_OVERFLOW) != 0) {
        return wanted;
    }
    FileEvents events;
    const bool aboutAnEntry = event.len > 0;
    if (((event.mask & IN_MODIFY) != 0 && !aboutAnEntry) || (event.mask & entryChanges) != 0) {
        events |= FileEvent::write;
    }
    if ((event.mask & IN_DELETE_SELF) != 0) {
        events |= FileEvent::delete_;
    }
    if ((event.mask & IN_MOVE_SELF) != 0) {
        events |= FileEvent::rename;
    }
    return events & wanted;
}

class InotifyWatch final : public FileWatch {
  public:
    InotifyWatch(MainQueue& queue, int descriptor, FileEvents wanted, FileWatching::Handler handler)
        : queue_(queue), descriptor_(descriptor), wanted_(wanted), handler_(std::move(handler)),
          source_(queue.addReadable(descriptor, [this] { deliver(); })) {}

    ~InotifyWatch() override {
        queue_.removeReadable(source_);
        // Closing the instance removes its watch with it.
        ::close(descriptor_);
    }

    InotifyWatch(const InotifyWatch&) = delete;
    InotifyWatch& operator=(const InotifyWatch&) = delete;

  private:
    void deliver() {
        FileEvents events;
        alignas(inotify_event) char buffer[4096];
        for (;;) {
            const auto length = ::read(descriptor_, buffer, sizeof buffer);
            if (length < 0 && errno == EINTR) {
                continue;
            }
            if (length <= 0) {
                break;
            }
            for (std::size_t offset = 0; offset < static_cast<std::size_t>(length);) {
                inotify_event event;
                std::memcpy(&event, buffer + offset, sizeof event);
                events |= eventsOf(event, wanted_);
                offset += sizeof(inotify_event) + event.len;
            }
        }
        if (events.empty()) {
            return;
        }
        // A copy, because the handler may destroy this watch; nothing of it is touched afterwards.
        const auto handler = handler_;
        handler(events);
    }

    MainQueue& queue_;
    int descriptor_;
    FileEvents wanted_;
    FileWatching::Handler handler_;
    SourceToken source_;
};

} // namespace

std::unique_ptr<FileWatch> InotifyFileWatching::watch(const std::filesystem::path& path, FileEvents events,
                                                      Handler handler) {
    const int descriptor = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (descriptor < 0) {
        return nullptr;
    }
    if (::inotify_add_watch(descriptor, path.c_str(), maskFor(events)) < 0) {
        ::close(descriptor);
        return nullptr;
    }
    return std::make_unique<InotifyWatch>(queue_, descriptor, events, std::move(handler));
}

} // namespace quillmere
