#pragma once

#include "core/Result.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <variant>

namespace quillmere {

// What one read of the command socket found.
struct ReceivedCommand {
    std::string text;
};
struct DroppedDatagram {
    // Why, for the log: "from user 65534", "longer than 4096 bytes"...
    std::string reason;
};
struct NothingToRead {};
using Reception = std::variant<NothingToRead, ReceivedCommand, DroppedDatagram>;

// The running copy's end of the command channel: a datagram socket bound at a path, which only datagrams
// of this user with a whole command text of well-formed UTF-8 get through. Never blocks.
class CommandSocket {
  public:
    // Replaces whatever is at the path, which only the holder of the variant's lock may do.
    static Result<CommandSocket, std::string> bind(const std::filesystem::path& path);

    CommandSocket(CommandSocket&& other) noexcept;
    CommandSocket& operator=(CommandSocket&&) = delete;
    ~CommandSocket();

    int descriptor() const { return descriptor_; }
    const std::filesystem::path& path() const { return path_; }
    // Reads one datagram, if one is waiting.
    Reception receive();

  private:
    CommandSocket(int descriptor, std::filesystem::path path) : descriptor_(descriptor), path_(std::move(path)) {}

    int descriptor_;
    std::filesystem::path path_;
};

// The result of offering one datagram to a socket path.
struct DatagramSend {
    enum class Outcome {
        sent,
        // No socket there, or nobody bound to it.
        nobodyListens,
        failed,
    };
    Outcome outcome = Outcome::sent;
    // The system's error for a failure.
    int error = 0;
};

// Sends without waiting: a receiver that is not there or whose queue is full is a failure, not a wait.
DatagramSend sendDatagram(const std::filesystem::path& socket, std::string_view text);

} // namespace quillmere
