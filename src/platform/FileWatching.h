#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>

namespace quillmere {

enum class FileEvent : std::uint8_t {
    // The file's content changed, or an entry of the folder was added, removed or renamed.
    write = 1 << 0,
    // The file or folder itself was deleted (also when a rename replaced it).
    delete_ = 1 << 1,
    // The file or folder itself was renamed or moved.
    rename = 1 << 2,
};

class FileEvents {
  public:
    constexpr FileEvents() = default;
    constexpr FileEvents(FileEvent event) : bits_(static_cast<std::uint8_t>(event)) {}

    constexpr bool contains(FileEvent event) const { return (bits_ & static_cast<std::uint8_t>(event)) != 0; }
    constexpr bool empty() const { return bits_ == 0; }
    constexpr FileEvents operator|(FileEvents other) const { return FileEvents(bits_ | other.bits_); }
    constexpr FileEvents operator&(FileEvents other) const { return FileEvents(bits_ & other.bits_); }
    constexpr FileEvents& operator|=(FileEvents other) { return *this = *this | other; }
    friend constexpr bool operator==(FileEvents, FileEvents) = default;

  private:
    constexpr explicit FileEvents(unsigned bits) : bits_(static_cast<std::uint8_t>(bits)) {}
    std::uint8_t bits_ = 0;
};

constexpr FileEvents operator|(FileEvent a, FileEvent b) {
    return FileEvents(a) | b;
}

// One watched file or folder. It stays with what it opened: after a rename it follows the moved file, and
// a file that replaces the watched one is not watched. Destroying it stops the watching.
class FileWatch {
  public:
    virtual ~FileWatch() = default;
};

// The file-system event sources: events arrive on the main queue, several at once merged into one call.
class FileWatching {
  public:
    using Handler = std::function<void(FileEvents)>;

    virtual ~FileWatching() = default;

    // None when the path cannot be watched (for example when nothing is there). The handler may destroy
    // the watch it belongs to.
    virtual std::unique_ptr<FileWatch> watch(const std::filesystem::path& path, FileEvents events,
                                             Handler handler) = 0;
};

} // namespace quillmere
