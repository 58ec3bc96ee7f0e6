#include "settings/SetupTab.h"

#include "widgets/SwitchRow.h"
#include "widgets/SymbolPixmap.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QUrl>

namespace quillmere {
namespace {

struct StateLook {
    std::string_view symbol;
    QColor colour;
    QString description;
};

StateLook lookOf(SetupCheck::State state) {
    switch (state) {
    case SetupCheck::State::ok:
        return {"checkmark.circle.fill", QColor(0x34, 0xC7, 0x59), "Done"};
    case SetupCheck::State::warning:
        return {"exclamationmark.circle.fill", QColor(0xFF, 0x95, 0x00), "Needs attention"};
    case SetupCheck::State::suggestion:
        return {"info.circle.fill", QColor(0x00, 0x7A, 0xFF), "Suggestion"};
    }
    return {};
}

bool isAddress(const std::string& text) {
    const QUrl address(QString::fromStdString(text), QUrl::StrictMode);
    return address.isValid() && !address.scheme().isEmpty();
}

} // namespace

SetupCheckRow::SetupCheckRow(const SetupCheck& check, std::function<void(const std::string&)> openSettings,
                             QWidget* parent)
    : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 4, 0, 4);
    const StateLook look = lookOf(check.state);
    QLabel* mark = symbolLabel(look.symbol, look.colour, 18, look.description, this);
    const QString stateText = QString::fromStdString(check.stateText());
    mark->setToolTip(stateText);
    row->addWidget(mark, 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    auto* title = new QLabel(QString::fromStdString(check.id), this);
    title->setToolTip(stateText);
    texts->addWidget(title);
    texts->addWidget(captionLabel(QString::fromStdString(check.detail), this));
    row->addLayout(texts, 1);
    if (check.state != SetupCheck::State::ok && isAddress(check.pane)) {
        open_ = new QPushButton("Open Settings", this);
        QObject::connect(open_, &QPushButton::clicked, this,
                         [openSettings = std::move(openSettings), pane = check.pane] { openSettings(pane); });
        row->addWidget(open_, 0, Qt::AlignTop);
    }
}

SetupTab::SetupTab(SettingsModel& model, std::function<void(const std::string&)> openSettings)
    : model_(model), openSettings_(std::move(openSettings)) {
    auto* layout = new QVBoxLayout(this);
    auto* checks = new QGroupBox;
    rowsLayout_ = new QVBoxLayout(checks);
    layout->addWidget(checks);
    auto* buttons = new QHBoxLayout;
    auto* again = new QPushButton("Check Again");
    QObject::connect(again, &QPushButton::clicked, this, [this] { model_.refresh(); });
    buttons->addWidget(again);
    buttons->addStretch();
    auto* welcome = new QPushButton("Show Welcome Guide");
    QObject::connect(welcome, &QPushButton::clicked, this, [this] { model_.showWelcome(); });
    buttons->addWidget(welcome);
    layout->addLayout(buttons);
    layout->addStretch();
    reload();
}

void SetupTab::reload() {
    if (model_.checks() == shown_)
        return;
    shown_ = model_.checks();
    // "Check Again" leads here from its own handler, and lives outside the rows.
    for (SetupCheckRow* row : rows_) {
        row->hide();
        row->deleteLater();
    }
    rows_.clear();
    for (const SetupCheck& check : shown_) {
        rows_.push_back(new SetupCheckRow(check, openSettings_));
        rowsLayout_->addWidget(rows_.back());
    }
}

} // namespace quillmere
