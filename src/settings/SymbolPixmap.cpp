#include "settings/SymbolPixmap.h"

#include "platform/qt/Symbols.h"

#include <QPainter>

namespace quillmere {

QPixmap symbolPixmap(std::string_view name, const QColor& color, int size) {
    const QIcon icon = symbolIcon(name);
    if (icon.isNull())
        return {};
    QPixmap picture = icon.pixmap(size, size);
    QPainter painter(&picture);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(picture.rect(), color);
    return picture;
}

QLabel* symbolLabel(std::string_view name, const QColor& color, int size, const QString& description,
                    QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setPixmap(symbolPixmap(name, color, size));
    label->setAccessibleName(description);
    return label;
}

} // namespace quillmere
