#pragma once

#include "core/Settings.h"
#include "platform/FileWatching.h"
#include "platform/HeldWork.h"
#include "platform/LifetimeGuard.h"
#include "platform/MainQueue.h"
#include "stores/ReadFailure.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace quillmere {

// Owns config.json: writes the defaults on first start, reads the file again shortly after every change
// made to it by hand or by another program, and saves new settings atomically. It never repairs the file:
// a file that is there but cannot be read (its permissions, something else in its place) or whose content
// does not decode leaves the last good settings in force and an error for the user to see, and the file
// stays as the user left it until the user fixes it or a save replaces it. Main thread only.
class ConfigStore {
  public:
    // A burst of file events leads to one read, this long after the last of them.
    static constexpr auto reloadDelay = std::chrono::milliseconds(200);

    // "quillmere" in the user's configuration folder.
    static std::filesystem::path defaultDirectory();

    // The queue and the watching must outlive the store.
    ConfigStore(MainQueue& queue, FileWatching& watching,
                std::filesystem::path directory = defaultDirectory());
    ~ConfigStore();
    ConfigStore(const ConfigStore&) = delete;
    ConfigStore& operator=(const ConfigStore&) = delete;

    const std::filesystem::path& directory() const { return directory_; }
    const std::filesystem::path& file() const { return file_; }

    // The last settings read or saved successfully; the defaults until then.
    const Settings& settings() const { return settings_; }
    // Why the last read or save failed; none once one succeeded.
    const std::optional<std::string>& error() const { return error_; }
    // The file as last read could not be read or does not decode: a save would replace what the user still
    // has to mend.
    bool fileUnreadable() const { return fileUnreadable_; }

    // Called after every read that found new bytes or a new reason why the file cannot be read, and after
    // every save, whether it worked or not.
    std::function<void(ConfigStore&)> onChange = [](ConfigStore&) {};

    // Once: writes the defaults when there is no file, reads it and starts watching.
    void start();
    // Writes on every call; callers that want to spare needless writes compare first. True when written.
    bool save(const Settings& settings);

  private:
    void load();
    void failedToRead(const ReadFailure& failure);
    void watch();
    void scheduleReload();
    std::unique_ptr<FileWatch> watcher(const std::filesystem::path& path, FileEvents events);

    MainQueue& queue_;
    FileWatching& watching_;
    std::filesystem::path directory_;
    std::filesystem::path file_;
    Settings settings_ = Settings::default_();
    std::optional<std::string> error_;
    bool fileUnreadable_ = false;
    // The file's bytes as last read or written here: a read that finds them again is the store's own
    // write, or an event that changed nothing.
    std::optional<std::string> lastData_;
    std::unique_ptr<FileWatch> directoryWatcher_;
    std::unique_ptr<FileWatch> fileWatcher_;
    HeldWork reload_{queue_};
    // Tells the debounced read whether the store outlived its own announcement.
    LifetimeGuard lifetime_;
};

} // namespace quillmere
