#include "widgets/FileReveal.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QStringList>
#include <QUrl>

namespace quillmere {
namespace {

QUrl fileUrl(const std::filesystem::path& file) { return QUrl::fromLocalFile(QString::fromStdString(file.string())); }

} // namespace

void openFile(const std::filesystem::path& file) { QDesktopServices::openUrl(fileUrl(file)); }

void revealFile(const std::filesystem::path& file) {
    QDBusMessage call = QDBusMessage::createMethodCall("org.freedesktop.FileManager1", "/org/freedesktop/FileManager1",
                                                       "org.freedesktop.FileManager1", "ShowItems");
    call << QStringList{fileUrl(file).toString()} << QString();
    const QDBusMessage answer = QDBusConnection::sessionBus().call(call);
    if (answer.type() != QDBusMessage::ReplyMessage)
        QDesktopServices::openUrl(fileUrl(file.parent_path()));
}

} // namespace quillmere
