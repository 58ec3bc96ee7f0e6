#include "stores/SessionStore.h"

#include "platform/AtomicWrite.h"
#include "platform/BootTime.h"
#include "platform/Log.h"
#include "stores/ReadFailure.h"
#include "stores/UserFolders.h"

namespace quillmere {

std::filesystem::path SessionStore::defaultFile() {
    return applicationSupportDirectory() / bundleIdentifier / "session.json";
}

SessionStore::SessionStore(const WindowServer& windowServer, std::filesystem::path file)
    : SessionStore(bootTime(), windowServer.processId(), std::move(file)) {}

SessionStore::SessionStore(std::optional<std::int64_t> boot, std::optional<std::int32_t> windowServer,
                           std::filesystem::path file)
    : boot_(boot), windowServer_(windowServer), file_(std::move(file)) {}

Session SessionStore::session(std::vector<Session::Space> spaces) const {
    return Session{boot_.value_or(0), windowServer_.value_or(0), std::move(spaces)};
}

bool SessionStore::isValid(const Session& session) const {
    return boot_ == session.boot && windowServer_ == session.windowServer;
}

void SessionStore::save(const Session& session) const {
    const auto failed = [](const std::string& description) {
        log(LogLevel::error, "saving the session failed: %{public}s", description);
    };
    if (const auto folder = createPrivateFolder(file_.parent_path()))
        return failed(folder->description);
    const auto bytes = encodeSession(session);
    if (!bytes)
        return failed(bytes.error().message);
    if (const auto written = writeAtomically(file_, *bytes, FileAccess::owner))
        failed(written->description);
}

std::optional<Session> SessionStore::load() const {
    const auto bytes = readFile(file_);
    if (!bytes && !bytes.error().missing)
        log(LogLevel::error, "the session cannot be read: %{public}s", bytes.error().description);
    if (!bytes)
        return std::nullopt;
    auto session = decodeSession(*bytes);
    if (!session || !isValid(*session))
        return std::nullopt;
    return std::move(session).value();
}

} // namespace quillmere
