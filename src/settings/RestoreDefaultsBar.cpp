#include "settings/RestoreDefaultsBar.h"

#include "widgets/Divider.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace quillmere {

QWidget* restoreDefaultsBar(std::function<void()> restore, QWidget* parent) {
    auto* bar = new QWidget(parent);
    bar->setAutoFillBackground(true);
    bar->setBackgroundRole(QPalette::Window);
    auto* button = new QPushButton("Restore Defaults", bar);
    button->setToolTip("Puts this pane back to how Quillmere ships. Edit › Undo takes it back.");
    QObject::connect(button, &QPushButton::clicked, bar, std::move(restore));
    auto* row = new QHBoxLayout;
    row->setContentsMargins(20, 10, 20, 10);
    row->addStretch();
    row->addWidget(button);
    auto* layout = new QVBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(divider(bar));
    layout->addLayout(row);
    return bar;
}

void layOutWithRestoreBar(QWidget& pane, QWidget* form, std::function<void()> restore) {
    auto* scroll = new QScrollArea(&pane);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(form);
    auto* layout = new QVBoxLayout(&pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(scroll, 1);
    layout->addWidget(restoreDefaultsBar(std::move(restore), &pane));
}

} // namespace quillmere
