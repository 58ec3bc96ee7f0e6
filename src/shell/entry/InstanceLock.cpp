#include "shell/entry/InstanceLock.h"

#include <cerrno>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace quillmere {
namespace {

// A holder writes its record right after it takes the lock; this is how long a reader waits for it.
constexpr auto recordWait = std::chrono::milliseconds(500);
constexpr auto recordRetry = std::chrono::milliseconds(5);

std::string recordText(const CopyRecord& record) {
    return std::to_string(record.pid) + ' ' + std::to_string(record.launched) + '\n';
}

std::optional<CopyRecord> parseRecord(std::string_view text) {
    CopyRecord record;
    const char* end = text.data() + text.size();
    auto [afterPid, pidError] = std::from_chars(text.data(), end, record.pid);
    if (pidError != std::errc() || afterPid == end || *afterPid != ' ' || record.pid <= 0)
        return std::nullopt;
    auto [afterLaunch, launchError] = std::from_chars(afterPid + 1, end, record.launched);
    if (launchError != std::errc() || afterLaunch + 1 != end || *afterLaunch != '\n')
        return std::nullopt;
    return record;
}

std::optional<CopyRecord> readRecord(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return parseRecord(text.str());
}

bool isAlive(pid_t pid) { return ::kill(pid, 0) == 0 || errno == EPERM; }

// Looking at a lock takes it shared for a moment; a copy taking it at that moment tries again this often.
constexpr int takeAttempts = 10;
constexpr auto takeRetry = std::chrono::milliseconds(2);

} // namespace

Result<InstanceLock, InstanceLock::Refusal> InstanceLock::take(const std::filesystem::path& path,
                                                               CopyRecord record) {
    const int descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (descriptor < 0)
        return Refusal{false, path.string() + ": " + std::strerror(errno)};
    int locked = ::flock(descriptor, LOCK_EX | LOCK_NB);
    for (int attempt = 1; locked != 0 && errno == EWOULDBLOCK && attempt < takeAttempts; ++attempt) {
        std::this_thread::sleep_for(takeRetry);
        locked = ::flock(descriptor, LOCK_EX | LOCK_NB);
    }
    if (locked != 0) {
        const int error = errno;
        ::close(descriptor);
        return Refusal{error == EWOULDBLOCK, path.string() + ": " + std::strerror(error)};
    }
    // Emptied first, so that a reader never takes the record of a copy that ended for this one's.
    const std::string text = recordText(record);
    if (::ftruncate(descriptor, 0) != 0 ||
        ::pwrite(descriptor, text.data(), text.size(), 0) != static_cast<ssize_t>(text.size())) {
        const std::string reason = path.string() + ": " + std::strerror(errno);
        ::close(descriptor);
        return Refusal{false, reason};
    }
    return InstanceLock(descriptor);
}

InstanceLock::InstanceLock(InstanceLock&& other) noexcept : descriptor_(std::exchange(other.descriptor_, -1)) {}

InstanceLock& InstanceLock::operator=(InstanceLock&& other) noexcept {
    std::swap(descriptor_, other.descriptor_);
    return *this;
}

InstanceLock::~InstanceLock() {
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

bool isLockHeld(const std::filesystem::path& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (descriptor < 0)
        return false;
    const bool held = ::flock(descriptor, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(descriptor);
    return held;
}

std::optional<CopyRecord> lockHolder(const std::filesystem::path& path) {
    const auto giveUp = std::chrono::steady_clock::now() + recordWait;
    while (isLockHeld(path)) {
        const auto record = readRecord(path);
        if (record && isAlive(record->pid))
            return record;
        if (std::chrono::steady_clock::now() >= giveUp)
            return std::nullopt;
        std::this_thread::sleep_for(recordRetry);
    }
    return std::nullopt;
}

} // namespace quillmere
