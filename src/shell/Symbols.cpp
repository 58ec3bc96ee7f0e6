#include "shell/Symbols.h"

#include <QFile>

namespace quillmere {

QIcon symbolIcon(std::string_view name) {
    const QString path = ":/symbols/" + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) + ".svg";
    if (!QFile::exists(path))
        return {};
    QIcon icon(path);
    icon.setIsMask(true);
    return icon;
}

} // namespace quillmere
