#include "profiles/Popover.h"

#include <QVBoxLayout>

namespace quillmere {

Popover::Popover(QWidget* content, QWidget& anchor, std::function<void()> closed)
    : QFrame(&anchor, Qt::Popup), anchor_(anchor), closed_(std::move(closed)) {
    setFrameShape(QFrame::StyledPanel);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
}

void Popover::present() {
    adjustSize();
    move(anchor_.mapToGlobal(QPoint(anchor_.width() / 2 - width() / 2, anchor_.height())));
    show();
}

void Popover::hideEvent(QHideEvent* event) {
    QFrame::hideEvent(event);
    if (const auto closed = std::exchange(closed_, nullptr))
        closed();
    deleteLater();
}

} // namespace quillmere
