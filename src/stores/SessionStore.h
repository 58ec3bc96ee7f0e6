#pragma once

#include "core/Session.h"
#include "platform/WindowServer.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace quillmere {

// Writes the session file, and reads it back only while the boot and the window-server process that
// stamped it still run. The stamp is taken once, when the store is made.
class SessionStore {
  public:
    // "session.json" in the application's folder of the user's data folder.
    static std::filesystem::path defaultFile();

    // Stamps with this boot and the window server's present process.
    explicit SessionStore(const WindowServer& windowServer, std::filesystem::path file = defaultFile());
    // None for a value that could not be read: such a store matches no session, not even its own.
    SessionStore(std::optional<std::int64_t> boot, std::optional<std::int32_t> windowServer,
                 std::filesystem::path file = defaultFile());

    const std::filesystem::path& file() const { return file_; }
    std::optional<std::int64_t> boot() const { return boot_; }
    std::optional<std::int32_t> windowServer() const { return windowServer_; }

    // A session of these Spaces with this store's stamp; an unknown value is written as 0.
    Session session(std::vector<Session::Space> spaces) const;
    bool isValid(const Session& session) const;

    // Creates the folder when it is missing and replaces the file atomically, both for the user's eyes
    // alone as the session names what the user works on. A failure is logged, never reported: the next
    // save tries again from the start.
    void save(const Session& session) const;
    // The saved session when it is valid now; none when there is no file, it does not decode or it was
    // written under another boot or window server, without a message; none too when the file is there but
    // cannot be read, which is logged.
    std::optional<Session> load() const;

  private:
    std::optional<std::int64_t> boot_;
    std::optional<std::int32_t> windowServer_;
    std::filesystem::path file_;
};

} // namespace quillmere
