#include "platform/qt/QtTrash.h"

#include <QFile>

namespace quillmere {

Result<std::filesystem::path, FileError> QtTrash::moveToTrash(const std::filesystem::path& file) {
    QFile moved(QString::fromStdString(file.string()));
    if (!moved.moveToTrash())
        return FileError{file.string() + ": " + moved.errorString().toStdString()};
    // The file's name is now its place in the Trash.
    return std::filesystem::path(moved.fileName().toStdString());
}

} // namespace quillmere
