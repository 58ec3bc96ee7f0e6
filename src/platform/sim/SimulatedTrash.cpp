#include "platform/sim/SimulatedTrash.h"

#include <system_error>

namespace quillmere {

namespace fs = std::filesystem;

SimulatedTrash::SimulatedTrash(fs::path folder) : folder_(std::move(folder)) {}

Result<fs::path, FileError> SimulatedTrash::moveToTrash(const fs::path& file) {
    if (failing_)
        return FileError{file.string() + ": The Trash cannot be used on this volume"};
    std::error_code error;
    if (!fs::exists(file, error))
        return FileError{file.string() + ": No such file or directory"};
    fs::create_directories(folder_, error);
    fs::path target = folder_ / file.filename();
    for (int number = 2; fs::exists(target, error); ++number)
        target = folder_ / (file.stem().string() + " " + std::to_string(number) + file.extension().string());
    fs::rename(file, target, error);
    if (error)
        return FileError{file.string() + ": " + error.message()};
    return target;
}

} // namespace quillmere
