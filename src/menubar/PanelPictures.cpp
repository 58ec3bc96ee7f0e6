#include "menubar/PanelPictures.h"

#include "platform/qt/Symbols.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace quillmere {

QImage qImage(const Image& image) {
    if (image.width <= 0 || image.height <= 0 ||
        image.rgba.size() != static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 4)
        return {};
    return QImage(image.rgba.data(), image.width, image.height, image.width * 4, QImage::Format_RGBA8888).copy();
}

QPixmap tintedSymbol(std::string_view name, double size, const QColor& colour, double pixelRatio) {
    const QIcon icon = symbolIcon(name);
    if (icon.isNull())
        return {};
    const int pixels = static_cast<int>(std::ceil(size * pixelRatio));
    QPixmap pixmap = icon.pixmap(QSize(pixels, pixels));
    {
        QPainter painter(&pixmap);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(pixmap.rect(), colour);
    }
    pixmap.setDevicePixelRatio(pixelRatio);
    return pixmap;
}

QIcon applicationIcon(RunningApplications& applications, std::int32_t pid) {
    const auto application = applications.application(pid);
    if (!application)
        return {};
    const QIcon generic = QApplication::style()->standardIcon(QStyle::SP_DesktopIcon);
    if (!application->localizedName)
        return generic;
    return QIcon::fromTheme(QString::fromStdString(*application->localizedName).toLower(), generic);
}

} // namespace quillmere
