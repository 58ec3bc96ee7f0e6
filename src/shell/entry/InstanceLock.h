#pragma once

#include "core/Result.h"

#include <compare>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/types.h>

namespace quillmere {

// Who holds a variant's lock: the process and when it was launched. Copies are ordered by launch time and,
// for equal times, by process identifier, so that of any two exactly one counts as launched later.
struct CopyRecord {
    pid_t pid = 0;
    // Nanoseconds since the Unix epoch.
    std::int64_t launched = 0;

    friend auto operator<=>(const CopyRecord& a, const CopyRecord& b) {
        if (const auto order = a.launched <=> b.launched; order != 0)
            return order;
        return a.pid <=> b.pid;
    }
    friend bool operator==(const CopyRecord&, const CopyRecord&) = default;
};

// The lock that makes a process the running copy of its variant: an exclusive lock on a file, held for the
// life of the process (the system frees it when the process ends, however it ends), with the holder's
// record in the file. The descriptor is closed on exec, so no program started later holds it.
class InstanceLock {
  public:
    struct Refusal {
        // Another process holds the lock; otherwise the file could not be opened or locked.
        bool heldElsewhere = false;
        std::string description;
    };

    static Result<InstanceLock, Refusal> take(const std::filesystem::path& path, CopyRecord record);

    InstanceLock(InstanceLock&& other) noexcept;
    InstanceLock& operator=(InstanceLock&& other) noexcept;
    ~InstanceLock();

  private:
    explicit InstanceLock(int descriptor) : descriptor_(descriptor) {}
    int descriptor_;
};

// Whether some process holds the lock of the file now. Looking takes the lock shared for a moment, which a
// copy taking it at that moment outwaits.
bool isLockHeld(const std::filesystem::path& path);

// The record of the process holding the lock, once it has written one; none when nobody holds the lock, or
// when its holder has not written a record of a living process within a short while.
std::optional<CopyRecord> lockHolder(const std::filesystem::path& path);

} // namespace quillmere
