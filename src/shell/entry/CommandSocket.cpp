#include "shell/entry/CommandSocket.h"

#include "shell/entry/CommandText.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace quillmere {
namespace {

std::optional<sockaddr_un> socketAddress(const std::filesystem::path& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string& text = path.native();
    if (text.size() >= sizeof address.sun_path)
        return std::nullopt;
    std::memcpy(address.sun_path, text.c_str(), text.size() + 1);
    return address;
}

int datagramSocket() { return ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0); }

} // namespace

Result<CommandSocket, std::string> CommandSocket::bind(const std::filesystem::path& path) {
    const auto address = socketAddress(path);
    if (!address)
        return path.string() + ": the path is too long for a socket";
    const int descriptor = datagramSocket();
    if (descriptor < 0)
        return std::string("socket: ") + std::strerror(errno);
    const int on = 1;
    ::unlink(path.c_str());
    if (::setsockopt(descriptor, SOL_SOCKET, SO_PASSCRED, &on, sizeof on) != 0 ||
        ::bind(descriptor, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0) {
        const std::string reason = path.string() + ": " + std::strerror(errno);
        ::close(descriptor);
        return reason;
    }
    return CommandSocket(descriptor, path);
}

CommandSocket::CommandSocket(CommandSocket&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)), path_(std::move(other.path_)) {}

CommandSocket::~CommandSocket() {
    if (descriptor_ < 0)
        return;
    ::close(descriptor_);
    ::unlink(path_.c_str());
}

Reception CommandSocket::receive() {
    // One byte more than a command may have, so that a longer text shows itself.
    char text[maximumCommandLength + 1];
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(ucred))];
    iovec part{text, sizeof text};
    msghdr message{};
    message.msg_iov = &part;
    message.msg_iovlen = 1;
    message.msg_control = control;
    message.msg_controllen = sizeof control;
    ssize_t length;
    do {
        length = ::recvmsg(descriptor_, &message, MSG_CMSG_CLOEXEC);
    } while (length < 0 && errno == EINTR);
    if (length < 0)
        return NothingToRead{};

    const ucred* sender = nullptr;
    for (cmsghdr* header = CMSG_FIRSTHDR(&message); header; header = CMSG_NXTHDR(&message, header))
        if (header->cmsg_level == SOL_SOCKET && header->cmsg_type == SCM_CREDENTIALS &&
            header->cmsg_len == CMSG_LEN(sizeof(ucred)))
            sender = reinterpret_cast<const ucred*>(CMSG_DATA(header));
    if (!sender)
        return DroppedDatagram{"without the sender's credentials"};
    if (sender->uid != ::getuid())
        return DroppedDatagram{"from user " + std::to_string(sender->uid)};
    if ((message.msg_flags & MSG_TRUNC) || static_cast<std::size_t>(length) > maximumCommandLength)
        return DroppedDatagram{"longer than " + std::to_string(maximumCommandLength) + " bytes"};
    const std::string_view received(text, static_cast<std::size_t>(length));
    if (!isValidUtf8(received))
        return DroppedDatagram{"not UTF-8"};
    return ReceivedCommand{std::string(received)};
}

DatagramSend sendDatagram(const std::filesystem::path& socket, std::string_view text) {
    const auto address = socketAddress(socket);
    if (!address)
        return {DatagramSend::Outcome::failed, ENAMETOOLONG};
    const int descriptor = datagramSocket();
    if (descriptor < 0)
        return {DatagramSend::Outcome::failed, errno};
    const ssize_t sent = ::sendto(descriptor, text.data(), text.size(), MSG_NOSIGNAL,
                                  reinterpret_cast<const sockaddr*>(&*address), sizeof *address);
    const int error = errno;
    ::close(descriptor);
    if (sent >= 0)
        return {};
    if (error == ENOENT || error == ECONNREFUSED)
        return {DatagramSend::Outcome::nobodyListens, error};
    return {DatagramSend::Outcome::failed, error};
}

} // namespace quillmere
