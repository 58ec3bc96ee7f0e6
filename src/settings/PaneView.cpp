#include "settings/PaneView.h"

#include <QVBoxLayout>

namespace quillmere {

PaneView::PaneView(SettingsModel& model, SettingsPaneContent* content, std::function<void()> openConfig,
                   QWidget* parent)
    : QWidget(parent), model_(model), content_(content) {
    auto* open = new QPushButton("Open config.json");
    QObject::connect(open, &QPushButton::clicked, this, std::move(openConfig));
    auto* revert = new QPushButton("Revert to Last Good");
    revert->setToolTip("Moves the broken config.json to the Trash and writes the settings Quillmere is running with");
    QObject::connect(revert, &QPushButton::clicked, this, [this] { model_.revertConfig(); });
    configBanner_ = new ErrorBanner("", {open, revert}, this);
    actionBanner_ = new ErrorBanner("", {}, this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(configBanner_);
    layout->addWidget(actionBanner_);
    content_->setParent(this);
    layout->addWidget(content_, 1);
    reload();
}

void PaneView::reload() {
    const auto& error = model_.error();
    configBanner_->setMessage(QString::fromStdString(error.value_or("")));
    configBanner_->setVisible(error.has_value());
    const auto& actionError = model_.actionError();
    actionBanner_->setMessage(QString::fromStdString(actionError.value_or("")));
    actionBanner_->setVisible(actionError.has_value());
    content_->reload();
}

} // namespace quillmere
