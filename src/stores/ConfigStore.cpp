#include "stores/ConfigStore.h"

#include "core/SettingsCoding.h"
#include "core/Trimming.h"
#include "platform/AtomicWrite.h"
#include "platform/Log.h"
#include "stores/ReadFailure.h"
#include "stores/UserFolders.h"

#include <system_error>

namespace quillmere {

namespace {

namespace fs = std::filesystem;

constexpr FileEvents fileEvents = FileEvent::write | FileEvent::delete_ | FileEvent::rename;

} // namespace

fs::path ConfigStore::defaultDirectory() {
    return configurationHome() / "quillmere";
}

ConfigStore::ConfigStore(MainQueue& queue, FileWatching& watching, fs::path directory)
    : queue_(queue), watching_(watching), directory_(std::move(directory)),
      file_(directory_ / "config.json") {}

ConfigStore::~ConfigStore() = default;

void ConfigStore::start() {
    // A file that cannot even be looked at may still be there: it is not written over.
    std::error_code error;
    if (!fs::exists(file_, error) && !error)
        save(Settings::default_());
    load();
    watch();
}

bool ConfigStore::save(const Settings& settings) {
    // A step that fails skips the rest, so the previous file and settings stay.
    const auto failed = [this](const std::string& reason) {
        error_ = "Couldn't save config: " + reason;
        log(LogLevel::error, "%{public}s", *error_);
        onChange(*this);
        return false;
    };
    std::error_code error;
    fs::create_directories(directory_, error);
    if (error)
        return failed(directory_.string() + ": " + error.message());
    auto bytes = encodeSettings(settings);
    if (!bytes)
        return failed(bytes.error().message);
    if (const auto failure = writeAtomically(file_, *bytes))
        return failed(failure->description);
    lastData_ = std::move(bytes).value();
    settings_ = settings;
    error_.reset();
    fileUnreadable_ = false;
    onChange(*this);
    return true;
}

void ConfigStore::load() {
    auto bytes = readFile(file_);
    // A file gone for now is not an error: start writes the defaults, and the folder's watcher notices a
    // file coming back.
    if (!bytes && bytes.error().missing)
        return;
    if (!bytes) {
        // Read again in full once it can be read, even when its bytes turn out to be the last ones read.
        lastData_.reset();
        return failedToRead(bytes.error());
    }
    if (bytes.value() == lastData_)
        return;
    lastData_ = std::move(bytes).value();
    auto decoded = decodeSettings(*lastData_);
    if (!decoded)
        return failedToRead(decoded.error());
    settings_ = std::move(decoded).value();
    error_.reset();
    fileUnreadable_ = false;
    log(LogLevel::default_, "config loaded");
    onChange(*this);
}

void ConfigStore::failedToRead(const ReadFailure& failure) {
    const bool fileFailure = std::holds_alternative<FileError>(failure);
    // A decoding description ends in a full stop of its own; a file's starts with its path.
    const std::string reason = fileFailure ? describe(failure) : std::string(trimmingPunctuation(describe(failure)));
    std::string error = "config.json: " + reason + ". Still using the last good settings.";
    // Every event on a file that stays unreadable reads it again; the user hears of it once.
    if (fileFailure && fileUnreadable_ && error_ == error)
        return;
    error_ = std::move(error);
    fileUnreadable_ = true;
    log(LogLevel::error, "%{public}s", *error_);
    onChange(*this);
}

void ConfigStore::watch() {
    directoryWatcher_ = watcher(directory_, FileEvent::write);
    fileWatcher_ = watcher(file_, fileEvents);
}

void ConfigStore::scheduleReload() {
    reload_.schedule(reloadDelay, [this, watch = lifetime_.watch()] {
        load();
        // What load announced may have destroyed the store.
        if (!watch.alive())
            return;
        // An atomic save replaced the file the old watcher stays with; when there is no file now, the
        // folder's watcher notices it coming back.
        fileWatcher_ = watcher(file_, fileEvents);
    });
}

std::unique_ptr<FileWatch> ConfigStore::watcher(const fs::path& path, FileEvents events) {
    return watching_.watch(path, events, [this](FileEvents) { scheduleReload(); });
}

} // namespace quillmere
