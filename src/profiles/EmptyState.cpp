#include "profiles/EmptyState.h"

#include "widgets/SwitchRow.h"
#include "widgets/SymbolPixmap.h"

#include <QLabel>
#include <QVBoxLayout>

namespace quillmere {

EmptyState::EmptyState(std::string_view symbol, const QString& title, const QString& description, QWidget* parent)
    : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    column->addStretch();
    column->addWidget(symbolLabel(symbol, palette().color(QPalette::PlaceholderText), 44, title, this), 0,
                      Qt::AlignHCenter);
    auto* heading = new QLabel(title, this);
    QFont font = heading->font();
    font.setPointSizeF(font.pointSizeF() * 1.4);
    font.setBold(true);
    heading->setFont(font);
    column->addWidget(heading, 0, Qt::AlignHCenter);
    QLabel* detail = captionLabel(description, this);
    detail->setAlignment(Qt::AlignHCenter);
    // The full width, so that a wrapped description is as tall as its lines.
    column->addWidget(detail);
    column->addStretch();
}

} // namespace quillmere
