#include "settings/SpacesTab.h"

#include "settings/RestoreDefaultsBar.h"
#include "settings/SpacesTexts.h"
#include "widgets/SwitchRow.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>

namespace quillmere {

SpacesTab::SpacesTab(SettingsModel& model) : model_(model), explanation_(captionLabel("")) {
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->addWidget(explanation_);
    auto* desktops = new QGroupBox;
    rowsLayout_ = new QVBoxLayout(desktops);
    column->addWidget(desktops);

    auto* profiles = new QGroupBox("Profiles");
    auto* profilesRow = new QHBoxLayout(profiles);
    auto* texts = new QVBoxLayout;
    texts->addWidget(new QLabel("Saved arrangements"));
    texts->addWidget(captionLabel("Capture how your Spaces look, then apply it again in one go: which apps go on "
                                  "which Desktop and how they're tiled."));
    profilesRow->addLayout(texts, 1);
    auto* edit = new QPushButton("Edit Profiles…");
    QObject::connect(edit, &QPushButton::clicked, this, [this] { model_.showProfiles(); });
    profilesRow->addWidget(edit, 0, Qt::AlignVCenter);
    column->addWidget(profiles);
    column->addStretch();

    layOutWithRestoreBar(*this, content, [this] { model_.restoreDefaults(SettingsModel::Pane::spaces); });
    reload();
}

SpacesTab::Row SpacesTab::makeRow(int desktop) {
    auto* widget = new QWidget;
    auto* row = new QHBoxLayout(widget);
    row->setContentsMargins(0, 0, 0, 0);
    auto* name = new QLabel("Desktop " + QString::number(desktop));
    name->setFixedWidth(80);
    row->addWidget(name);
    auto* label = new QLineEdit;
    label->setAccessibleName("Label");
    label->setPlaceholderText("No label");
    row->addWidget(label, 1);
    auto* layout = new LayoutModePicker;
    row->addWidget(layout);

    QObject::connect(label, &QLineEdit::textEdited, this, [this, desktop](const QString& text) {
        model_.changeSpace(desktop, [&](Settings::SpaceSettings& entry) {
            entry.label = text.isEmpty() ? std::nullopt : std::optional(text.toStdString());
        });
    });
    // Return and leaving the field both end the editing.
    QObject::connect(label, &QLineEdit::editingFinished, this, [this] { saveLabel(); });
    layout->onChoose = [this, desktop](LayoutMode mode) {
        model_.changeSpace(desktop, [&](Settings::SpaceSettings& entry) {
            entry.layout = mode == LayoutMode::bsp ? std::nullopt : std::optional(mode);
        });
        model_.save("Change Layout");
    };
    rowsLayout_->addWidget(widget);
    return {widget, label, layout};
}

void SpacesTab::reload() {
    const Settings& settings = model_.settings();
    explanation_->setText(QString::fromStdString(spacesExplanation(settings, model_.spaceCount())));
    const auto wanted = static_cast<std::size_t>(listedDesktops(model_.spaceCount()));
    while (rows_.size() < wanted)
        rows_.push_back(makeRow(static_cast<int>(rows_.size()) + 1));
    while (rows_.size() > wanted) {
        // A handler of the row may be running.
        rows_.back().widget->hide();
        rows_.back().widget->deleteLater();
        rows_.pop_back();
    }
    for (std::size_t index = 0; index < rows_.size(); ++index) {
        const Settings::SpaceSettings entry = model_.spaceSettings(static_cast<std::int64_t>(index) + 1);
        const QString label = QString::fromStdString(entry.label.value_or(""));
        if (rows_[index].label->text() != label)
            rows_[index].label->setText(label);
        rows_[index].layout->setMode(entry.layout.value_or(LayoutMode::bsp));
    }
}

void SpacesTab::windowDeactivated() {
    for (const Row& row : rows_)
        if (row.label->hasFocus())
            saveLabel();
}

void SpacesTab::saveLabel() { model_.save("Change Space Label"); }

} // namespace quillmere
