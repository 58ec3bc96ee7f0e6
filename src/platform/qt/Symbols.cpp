#include "platform/qt/Symbols.h"

#include <QFile>

namespace quillmere {

std::optional<QString> symbolFile(std::string_view name) {
    // A name never reaches outside the symbol folder.
    if (name.empty() || name.find('/') != std::string_view::npos)
        return std::nullopt;
    QString path = ":/symbols/" + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) + ".svg";
    if (!QFile::exists(path))
        return std::nullopt;
    return path;
}

QIcon symbolIcon(std::string_view name) {
    const auto file = symbolFile(name);
    if (!file)
        return {};
    QIcon icon(*file);
    icon.setIsMask(true);
    return icon;
}

} // namespace quillmere
