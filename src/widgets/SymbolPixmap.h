#pragma once

#include <QColor>
#include <QLabel>
#include <QPixmap>
#include <string_view>

namespace quillmere {

// A symbol drawing in one colour, the glyph inside a filled symbol left white, at `size` points; an empty
// picture for a name without a drawing.
QPixmap symbolPixmap(std::string_view name, const QColor& color, int size);

// A label showing the symbol, named for assistive technology.
QLabel* symbolLabel(std::string_view name, const QColor& color, int size, const QString& description,
                    QWidget* parent = nullptr);

} // namespace quillmere
