#include "platform/ReadFile.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace quillmere {

namespace {

// A file on a path through something that is not a folder is no more there than a file of no name.
FileError failure(const std::filesystem::path& path, int error) {
    return {path.string() + ": " + std::error_code(error, std::generic_category()).message(),
            error == ENOENT || error == ENOTDIR};
}

FileError tooLarge(const std::filesystem::path& path) {
    return {path.string() + ": larger than " + std::to_string(maximumStoredFileSize / (1024 * 1024)) + " MB"};
}

// Reads to the end, or one byte past the limit, which is enough to tell the file is too large.
Result<std::string, FileError> readAll(int descriptor, const std::filesystem::path& path) {
    std::string bytes;
    char buffer[65536];
    while (bytes.size() <= maximumStoredFileSize) {
        const auto length = ::read(descriptor, buffer, sizeof buffer);
        if (length < 0 && errno == EINTR)
            continue;
        if (length < 0)
            return failure(path, errno);
        if (length == 0)
            return bytes;
        bytes.append(buffer, static_cast<std::size_t>(length));
    }
    return tooLarge(path);
}

} // namespace

Result<std::string, FileError> readFile(const std::filesystem::path& path) {
    // Without O_NONBLOCK, opening a named pipe waits for a writer that may never come.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return failure(path, errno);
    auto content = [descriptor, &path]() -> Result<std::string, FileError> {
        struct stat status {};
        if (::fstat(descriptor, &status) != 0)
            return failure(path, errno);
        if (S_ISDIR(status.st_mode))
            return failure(path, EISDIR);
        if (!S_ISREG(status.st_mode))
            return FileError{path.string() + ": not a regular file"};
        if (static_cast<std::uintmax_t>(status.st_size) > maximumStoredFileSize)
            return tooLarge(path);
        return readAll(descriptor, path);
    }();
    ::close(descriptor);
    return content;
}

} // namespace quillmere
