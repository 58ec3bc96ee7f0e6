#include "widgets/ErrorBanner.h"

#include "widgets/Divider.h"
#include "widgets/SymbolPixmap.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace quillmere {
ErrorBanner::ErrorBanner(const QString& message, const std::vector<QPushButton*>& actions, QWidget* parent)
    : QWidget(parent), message_(new QLabel(message, this)) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::AlternateBase);
    message_->setWordWrap(true);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* row = new QHBoxLayout;
    row->setContentsMargins(10, 10, 10, 10);
    // Its own spacing: the column it sits in has none, which it would take on.
    row->setSpacing(8);
    row->addWidget(symbolLabel("exclamationmark.triangle.fill", QColor(0xF5, 0xA6, 0x23), 16, "Warning", this),
                   0, Qt::AlignTop);
    row->addWidget(message_, 1);
    for (QPushButton* action : actions) {
        action->setParent(this);
        row->addWidget(action, 0, Qt::AlignTop);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(row);
    layout->addWidget(divider(this));
}

void ErrorBanner::setMessage(const QString& message) { message_->setText(message); }

QString ErrorBanner::message() const { return message_->text(); }

} // namespace quillmere
