#include "settings/KeysPane.h"

#include "core/KeyPresets.h"
#include "settings/KeyBindingRows.h"
#include "settings/KeySections.h"
#include "settings/RestoreDefaultsBar.h"
#include "widgets/Divider.h"
#include "widgets/SwitchRow.h"
#include "widgets/SymbolPixmap.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QScrollArea>
#include <QVBoxLayout>

namespace quillmere {

namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

Confirmation KeysPane::restoreConfirmation() {
    return {"Restore every shortcut to its default?",
            "Shortcuts you recorded or changed, including ones that apply profiles, are replaced. Edit › Undo takes "
            "this back.",
            "Restore All Shortcuts"};
}

Confirmation KeysPane::presetConfirmation(const KeyPreset& preset) {
    return {qt("Use " + preset.name + "'s shortcuts?"), qt(presetMessage(preset)), qt("Use " + preset.name + " Shortcuts")};
}

KeysPane::KeysPane(SettingsModel& model, QWidget* parent)
    : SettingsPaneContent(parent), confirm([this](const Confirmation& confirmation) {
          return confirmInMessageBox(this, confirmation);
      }),
      model_(model) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(topBar());
    column->addWidget(divider(this));
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(form());
    column->addWidget(scroll, 1);
    column->addWidget(restoreDefaultsBar([this] { confirmRestore(); }, this));
    observer_ = model_.addObserver([this](SettingsModel::Property property) {
        if (property == SettingsModel::Property::notice)
            updateNotice();
        else if (property == SettingsModel::Property::settings || property == SettingsModel::Property::spaceCount)
            sync_.schedule();
    });
    undoObserver_ = model_.undo().addObserver([this] { updateNotice(); });
    builtKeys_ = model_.settings().keys;
    builtSpaceCount_ = model_.spaceCount();
    sync();
}

KeysPane::~KeysPane() {
    model_.removeObserver(observer_);
    model_.undo().removeObserver(undoObserver_);
}

QWidget* KeysPane::topBar() {
    auto* bar = new QWidget(this);
    auto* column = new QVBoxLayout(bar);
    column->setContentsMargins(20, 10, 20, 10);
    column->setSpacing(8);
    auto* row = new QHBoxLayout;
    search_ = new QLineEdit(bar);
    search_->setAccessibleName("Search actions");
    search_->setPlaceholderText("Search actions, e.g. swap or stack");
    search_->setClearButtonEnabled(true);
    QObject::connect(search_, &QLineEdit::textChanged, this, [this] { applyQuery(); });
    row->addWidget(search_, 1);
    // A push button with a menu keeps its arrow clear of its text.
    presets_ = new QPushButton("Use Shortcuts From", bar);
    presets_->setToolTip("Use another window manager's default shortcuts where Quillmere has the same action");
    auto* menu = new QMenu(presets_);
    for (const KeyPreset& preset : KeyPreset::all())
        menu->addAction(qt(preset.name), this, [this, &preset] {
            if (confirm(presetConfirmation(preset)))
                model_.apply(preset);
        });
    menu->addSeparator();
    menu->addAction("Quillmere (defaults)", this, [this] { confirmRestore(); });
    presets_->setMenu(menu);
    row->addWidget(presets_);
    column->addLayout(row);

    noticeRow_ = new QWidget(bar);
    auto* notice = new QHBoxLayout(noticeRow_);
    notice->setContentsMargins(0, 0, 0, 0);
    auto* icon = new QLabel(noticeRow_);
    icon->setPixmap(symbolPixmap("info.circle.fill", palette().color(QPalette::Highlight), 14));
    notice->addWidget(icon, 0, Qt::AlignTop);
    notice_ = new QLabel(noticeRow_);
    notice_->setWordWrap(true);
    notice_->setTextFormat(Qt::PlainText);
    notice->addWidget(notice_, 1);
    undoNotice_ = new QPushButton("Undo", noticeRow_);
    QObject::connect(undoNotice_, &QPushButton::clicked, this, [this] {
        model_.undo().undo();
        model_.setNotice(std::nullopt);
    });
    notice->addWidget(undoNotice_, 0, Qt::AlignTop);
    dismissNotice_ = new QPushButton("OK", noticeRow_);
    QObject::connect(dismissNotice_, &QPushButton::clicked, this, [this] { model_.setNotice(std::nullopt); });
    notice->addWidget(dismissNotice_, 0, Qt::AlignTop);
    column->addWidget(noticeRow_);
    return bar;
}

QWidget* KeysPane::form() {
    auto* form = new QWidget;
    auto* column = new QVBoxLayout(form);
    column->setContentsMargins(20, 12, 20, 12);
    switch_ = new SwitchRow("Use Quillmere's shortcuts",
                            "Turn off to bind Quillmere's commands in Raycast, skhd or Karabiner-Elements instead. The "
                            "shortcuts below are kept for when you turn this back on.",
                            form);
    switch_->onToggle = [this](bool on) {
        Settings settings = model_.settings();
        settings.shortcuts = on;
        model_.setSettings(std::move(settings));
        model_.save("Change Setting");
    };
    column->addWidget(switch_);
    column->addWidget(captionLabel("Click a shortcut or Record shortcut, then press the keys; Esc cancels. × clears a "
                                   "shortcut. ⚠︎ means another app already owns it.",
                                   form));
    spaces_ = new SpacesSection(model_, form);
    column->addWidget(spaces_);
    for (const auto& section : KeyAction::sections()) {
        sections_.push_back(new ActionSection(model_, section, form));
        column->addWidget(sections_.back());
    }
    custom_ = new CustomSection(model_, form);
    column->addWidget(custom_);
    column->addStretch();
    return form;
}

void KeysPane::reload() {
    sync_.schedule();
}

void KeysPane::sync() {
    if (model_.settings().keys != builtKeys_ || model_.spaceCount() != builtSpaceCount_) {
        builtKeys_ = model_.settings().keys;
        builtSpaceCount_ = model_.spaceCount();
        spaces_->rebuild();
        for (ActionSection* section : sections_)
            section->rebuild();
    }
    switch_->setOn(model_.settings().usesShortcuts());
    applyQuery();
    updateNotice();
}

void KeysPane::applyQuery() {
    const std::string query = search_->text().toStdString();
    spaces_->setVisible(showsSpaces(query));
    for (ActionSection* section : sections_)
        section->setVisible(section->filter(query));
    custom_->rebuild(query);
}

void KeysPane::updateNotice() {
    const auto& notice = model_.notice();
    noticeRow_->setVisible(notice.has_value());
    notice_->setText(notice ? qt(*notice) : QString());
    undoNotice_->setVisible(model_.undo().canUndo());
}

void KeysPane::confirmRestore() {
    if (confirm(restoreConfirmation()))
        model_.restoreDefaults(SettingsModel::Pane::keys);
}

} // namespace quillmere
