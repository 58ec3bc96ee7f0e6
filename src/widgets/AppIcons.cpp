#include "widgets/AppIcons.h"

#include <QFileInfo>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>

namespace quillmere {

namespace {

QPixmap pixmapOf(const QIcon& icon) {
    return icon.isNull() ? QPixmap() : icon.pixmap(AppIcons::size, AppIcons::size);
}

QPixmap entryIcon(const std::string& icon) {
    const QString name = QString::fromStdString(icon);
    if (QFileInfo(name).isAbsolute())
        return QFileInfo(name).isFile() ? pixmapOf(QIcon(name)) : QPixmap();
    return pixmapOf(QIcon::fromTheme(name));
}

} // namespace

QPixmap AppIcons::bundledGenericIcon() {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF window(3.5, 5.5, 25, 21);
    QPainterPath outline;
    outline.addRoundedRect(window, 4, 4);
    painter.fillPath(outline, QColor(0xe8, 0xe8, 0xec));
    painter.setPen(QPen(QColor(0x70, 0x70, 0x78), 1));
    painter.drawPath(outline);
    painter.fillRect(QRectF(4, 6, 24, 5), QColor(0x9a, 0x9a, 0xa4));
    return picture;
}

QPixmap AppIcons::icon(std::string_view name) {
    if (const auto cached = cache_.find(name); cached != cache_.end())
        return cached->second;
    QPixmap picture;
    if (const auto entry = entryIcon_(name))
        picture = entryIcon(*entry);
    if (picture.isNull())
        picture = pixmapOf(QIcon::fromTheme("application-x-executable"));
    if (picture.isNull())
        picture = bundledGenericIcon();
    if (picture.size() != QSize(size, size))
        picture = picture.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return cache_.emplace(std::string(name), picture).first->second;
}

} // namespace quillmere
