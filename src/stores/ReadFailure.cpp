#include "stores/ReadFailure.h"

#include <cerrno>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

namespace quillmere {

namespace {

FileError failure(const std::filesystem::path& path, int error) {
    return {path.string() + ": " + std::error_code(error, std::generic_category()).message()};
}

} // namespace

Result<std::string, FileError> readFile(const std::filesystem::path& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return failure(path, errno);
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const auto length = ::read(descriptor, buffer, sizeof buffer);
        if (length < 0 && errno == EINTR)
            continue;
        if (length < 0) {
            const int error = errno;
            ::close(descriptor);
            return failure(path, error);
        }
        if (length == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(length));
    }
    ::close(descriptor);
    return bytes;
}

std::string describe(const ReadFailure& failure) {
    if (const auto* decoding = std::get_if<DecodingError>(&failure))
        return decoding->text();
    return std::get<FileError>(failure).description;
}

} // namespace quillmere
