#include "widgets/SymbolPixmap.h"

#include "platform/qt/Symbols.h"

#include <QPainter>

namespace quillmere {

QPixmap symbolPixmap(std::string_view name, const QColor& color, int size) {
    const QIcon icon = symbolIcon(name);
    if (icon.isNull())
        return {};
    const QPixmap shape = icon.pixmap(size, size);
    QPixmap picture = shape;
    QPainter painter(&picture);
    // Black takes the colour and white stays white, so the glyph inside a filled symbol still shows.
    painter.setCompositionMode(QPainter::CompositionMode_Screen);
    painter.fillRect(picture.rect(), color);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.drawPixmap(0, 0, shape);
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
