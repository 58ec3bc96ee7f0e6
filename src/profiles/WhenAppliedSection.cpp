#include "profiles/WhenAppliedSection.h"

#include "menubar/PanelColors.h"
#include "profiles/SectionBox.h"
#include "widgets/FocusedWheel.h"
#include "widgets/SwitchRow.h"
#include "widgets/SymbolPixmap.h"

#include <QGridLayout>
#include <QHBoxLayout>

namespace quillmere {

namespace {

QLabel* rowTitle(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

} // namespace

WhenAppliedSection::WhenAppliedSection(SettingsModel& model, ProfilesServices& services, Profile profile, QWidget* parent)
    : QWidget(parent), model_(model), services_(services), profile_(std::move(profile)), followLater_(*this, [this] {
          const auto& stored = model_.profiles();
          const auto found = std::find_if(stored.begin(), stored.end(),
                                          [this](const Profile& p) { return p.name == profile_.name; });
          if (found == stored.end())
              return;
          profile_ = *found;
          refresh();
          openOnLaunch_->setProfile(profile_);
      }) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);
    auto* title = new QLabel("When applied", this);
    QFont font = title->font();
    font.setWeight(QFont::DemiBold);
    title->setFont(font);
    column->addWidget(title);
    column->addWidget(grid());
    openOnLaunch_ = new OpenOnLaunch(model_, services_, profile_, this);
    column->addWidget(openOnLaunch_);
    refresh();
    observer_ = model_.addObserver([this](SettingsModel::Property property) {
        if (property == SettingsModel::Property::profiles)
            followLater_.schedule();
    });
}

WhenAppliedSection::~WhenAppliedSection() {
    model_.removeObserver(observer_);
}

QWidget* WhenAppliedSection::grid() {
    auto* panel = new SectionBox(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(14, 14, 14, 14);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);

    show_ = new QComboBox(panel);
    FocusedWheel::install(*show_);
    show_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(show_, &QComboBox::activated, this, [this](int index) {
        Profile copy = profile_;
        const QVariant value = show_->itemData(index);
        copy.show = value.isValid() ? std::optional<std::int64_t>(value.toLongLong()) : std::nullopt;
        save(copy);
    });
    grid->addWidget(rowTitle("Show afterwards", panel), 0, 0, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(show_, 0, 1, Qt::AlignLeft);

    auto* unlistedColumn = new QVBoxLayout;
    unlistedColumn->setSpacing(4);
    unlisted_ = new QComboBox(panel);
    FocusedWheel::install(*unlisted_);
    unlisted_->addItems({"Leave running", "Hide", "Quit (asks first)"});
    unlisted_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(unlisted_, &QComboBox::activated, this, [this](int index) {
        save(WhenApplied::choosingUnlisted(profile_, static_cast<WhenApplied::Unlisted>(index)));
    });
    unlistedColumn->addWidget(unlisted_, 0, Qt::AlignLeft);
    preview_ = captionLabel("", panel);
    unlistedColumn->addWidget(preview_);
    grid->addWidget(rowTitle("Apps not in the profile", panel), 1, 0, Qt::AlignLeft | Qt::AlignTop);
    grid->addLayout(unlistedColumn, 1, 1);

    shortcut_ = new ProfileShortcut(model_, "load " + profile_.name, panel);
    grid->addWidget(rowTitle("Shortcut", panel), 2, 0, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(shortcut_, 2, 1);

    auto* autoColumn = new QVBoxLayout;
    autoColumn->setSpacing(4);
    autoApply_ = new QCheckBox("When these displays are connected", panel);
    connect(autoApply_, &QCheckBox::clicked, this, [this](bool on) {
        save(WhenApplied::switchingAutoApply(profile_, on, services_.desktops()));
    });
    autoColumn->addWidget(autoApply_);
    autoApplyNote_ = captionLabel("", panel);
    autoColumn->addWidget(autoApplyNote_);
    grid->addWidget(rowTitle("Apply automatically", panel), 3, 0, Qt::AlignLeft | Qt::AlignTop);
    grid->addLayout(autoColumn, 3, 1);

    notes_ = new QWidget(panel);
    auto* notes = new QVBoxLayout(notes_);
    notes->setContentsMargins(0, 0, 0, 0);
    notes->setSpacing(2);
    grid->addWidget(rowTitle("On the displays now", panel), 4, 0, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(notes_, 4, 1);
    grid->setColumnStretch(1, 1);
    return panel;
}

void WhenAppliedSection::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The previews read the running apps and the displays afresh.
    refresh();
}

void WhenAppliedSection::refresh() {
    const QSignalBlocker blockShow(show_);
    show_->clear();
    for (const auto& [text, value] : WhenApplied::showChoices(model_.spaceCount()))
        show_->addItem(QString::fromStdString(text), value ? QVariant::fromValue<qlonglong>(*value) : QVariant());
    const int shown = profile_.show ? show_->findData(QVariant::fromValue<qlonglong>(*profile_.show)) : 0;
    show_->setCurrentIndex(shown < 0 ? 0 : shown);

    const QSignalBlocker blockUnlisted(unlisted_);
    const auto choice = WhenApplied::unlisted(profile_);
    unlisted_->setCurrentIndex(static_cast<int>(choice));
    preview_->setVisible(choice != WhenApplied::Unlisted::leave);
    if (choice != WhenApplied::Unlisted::leave)
        preview_->setText(QString::fromStdString(WhenApplied::unlistedPreview(
            services_.unlistedApps(profile_), profile_.quitUnlisted.value_or(false))));

    const QSignalBlocker blockAuto(autoApply_);
    autoApply_->setChecked(profile_.autoApply.value_or(false));
    autoApplyNote_->setText(QString::fromStdString(WhenApplied::autoApplyNote(profile_)));

    while (QLayoutItem* item = notes_->layout()->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (const auto& note : WhenApplied::placementNotes(profile_, services_.desktops())) {
        const QColor colour = note.problem ? PanelColors::orange() : PanelColors::secondary(palette());
        auto* row = new QWidget(notes_);
        auto* line = new QHBoxLayout(row);
        line->setContentsMargins(0, 0, 0, 0);
        line->setSpacing(4);
        line->addWidget(symbolLabel(note.symbol, colour, 12, note.problem ? "Problem" : "Note", row), 0, Qt::AlignTop);
        auto* text = captionLabel(QString::fromStdString(note.text), row);
        QPalette palette = text->palette();
        palette.setColor(QPalette::PlaceholderText, colour);
        text->setPalette(palette);
        text->setObjectName("placementNote");
        line->addWidget(text, 1);
        notes_->layout()->addWidget(row);
    }
}

QStringList WhenAppliedSection::placementNotes() const {
    QStringList texts;
    for (const QLabel* label : notes_->findChildren<QLabel*>("placementNote"))
        texts << label->text();
    return texts;
}

void WhenAppliedSection::save(const Profile& profile) {
    model_.update(profile, "Change Profile");
}

} // namespace quillmere
