#include "profiles/ProfileShortcut.h"

#include "menubar/PanelColors.h"
#include "widgets/ChordControls.h"
#include "widgets/SymbolPixmap.h"

#include <QHBoxLayout>

namespace quillmere {

ProfileShortcut::ProfileShortcut(SettingsModel& model, std::string command, QWidget* parent)
    : QWidget(parent), model_(model), command_(std::move(command)), rebuildLater_(*this, [this] { rebuild(); }) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    rebuild();
    observer_ = model_.addObserver([this](SettingsModel::Property property) {
        if (property == SettingsModel::Property::settings && model_.chords(command_) != chords_)
            rebuildLater_.schedule();
    });
}

ProfileShortcut::~ProfileShortcut() {
    model_.removeObserver(observer_);
}

void ProfileShortcut::rebuild() {
    while (QLayoutItem* item = layout()->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    chords_ = model_.chords(command_);
    auto* keyboard = symbolLabel("keyboard", PanelColors::secondary(palette()), 16, "Shortcut", this);
    keyboard->setToolTip("Shortcut that loads this profile");
    layout()->addWidget(keyboard);
    for (const auto& chord : chords_)
        layout()->addWidget(new ChordButton(model_, chord, this));
    if (chords_.empty())
        layout()->addWidget(new RecordSlot(model_, command_, this));
    static_cast<QHBoxLayout*>(layout())->addStretch();
}

} // namespace quillmere
