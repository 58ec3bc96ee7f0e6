#include "settings/RulesPane.h"

#include "core/Trimming.h"
#include "settings/RestoreDefaultsBar.h"
#include "settings/RuleEdits.h"
#include "settings/RuleTexts.h"
#include "widgets/FocusedWheel.h"
#include "widgets/SwitchRow.h"
#include "widgets/SymbolPixmap.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QToolButton>

namespace quillmere {

namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

std::string typed(const QLineEdit& field) {
    return field.text().toStdString();
}

bool blank(const QLineEdit& field) {
    return trimmingSpacesAndTabs(typed(field)).empty();
}

void clearRows(QWidget& rows) {
    for (QWidget* row : rows.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        row->hide();
        row->deleteLater();
    }
}

// Shows the note, or hides the view when there is none.
void showNote(FieldNote& view, const std::optional<NameNote>& note) {
    if (note)
        view.show(qt(note->text), note->blocks);
    else
        view.hide();
}

} // namespace

RulesPane::RulesPane(SettingsModel& model, InstalledApps& apps, AppIcons& icons, QWidget* parent)
    : SettingsPaneContent(parent), model_(model), apps_(apps), icons_(icons) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* formWidget = new QWidget;
    auto* form = new QVBoxLayout(formWidget);
    form->setContentsMargins(20, 12, 20, 12);
    scroll->setWidget(formWidget);
    column->addWidget(scroll, 1);
    column->addWidget(restoreDefaultsBar([this] { model_.restoreDefaults(SettingsModel::Pane::rules); }, this));

    introduction_ = new QLabel(formWidget);
    introduction_->setWordWrap(true);
    introduction_->setForegroundRole(QPalette::PlaceholderText);
    form->addWidget(introduction_);

    Section floats = section(*form, "Always float",
                             "These apps' windows are never tiled: they keep their own size and position and stay on "
                             "top of tiled windows when you hover. Good for utilities, calculators and settings "
                             "windows.");
    floatRows_ = floats.rows;
    const NameEntry floatEntry = nameEntry(floats, nullptr, addFloatApp, "Add Float Rule");
    newFloat_ = floatEntry.field;
    addFloat_ = floatEntry.add;
    floatNote_ = floatEntry.note;

    Section titles = section(*form, "Float windows whose title matches",
                             "For apps where only some windows should float, like Finder's copy and info windows. The "
                             "title is a regular expression and floats the window if it matches anywhere in the "
                             "title.");
    titleRows_ = titles.rows;
    auto* titleEntry = new QHBoxLayout;
    newTitleApp_ = appField(formWidget);
    titleEntry->addWidget(newTitleApp_, 1);
    newTitle_ = new QLineEdit(formWidget);
    newTitle_->setAccessibleName("Title");
    newTitle_->setPlaceholderText("Title contains, e.g. Info|Copy");
    newTitle_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QObject::connect(newTitle_, &QLineEdit::textChanged, this, [this] { updateEntries(); });
    titleEntry->addWidget(newTitle_, 1);
    addTitle_ = addButton(formWidget, [this] {
        edit([app = typed(newTitleApp_->field()),
              pattern = typed(*newTitle_)](Settings& settings) { addTitleRule(settings, app, pattern); },
             "Add Title Rule");
        newTitleApp_->field().clear();
        newTitle_->clear();
    });
    titleEntry->addWidget(addTitle_);
    titles.layout->insertLayout(1, titleEntry);
    titleNote_ = new FieldNote(formWidget);
    titles.layout->insertWidget(2, titleNote_);
    titleAppNote_ = new FieldNote(formWidget);
    titles.layout->insertWidget(3, titleAppNote_);

    Section spaces = section(*form, "Send new windows to a Space", "");
    spaceRows_ = spaces.rows;
    newSpace_ = new QComboBox(formWidget);
    FocusedWheel::install(*newSpace_);
    newSpace_->setFixedWidth(120);
    QObject::connect(newSpace_, &QComboBox::activated, this,
                     [this](int index) { chosenSpace_ = newSpace_->itemData(index).toLongLong(); });
    const NameEntry spaceEntry = nameEntry(
        spaces, newSpace_,
        [this](Settings& settings, std::string_view text) { addSpaceRule(settings, text, chosenSpace_); },
        "Add Space Rule");
    newApp_ = spaceEntry.field;
    addSpace_ = spaceEntry.add;
    spaceNote_ = spaceEntry.note;
    spaceFooter_ = static_cast<QLabel*>(spaces.layout->itemAt(spaces.layout->count() - 1)->widget());

    Section fullScreen = section(*form, "Open full screen",
                                 "New windows of these apps go native full screen, after any Space rule above has "
                                 "moved them, so the full-screen Space sits after that Desktop. Leaving full screen "
                                 "puts the window back in its tile.");
    fullScreenRows_ = fullScreen.rows;
    const NameEntry fullScreenEntry = nameEntry(fullScreen, nullptr, addFullScreenApp, "Add Full Screen Rule");
    newFullScreen_ = fullScreenEntry.field;
    addFullScreen_ = fullScreenEntry.add;
    fullScreenNote_ = fullScreenEntry.note;
    form->addStretch();

    observer_ = model_.addObserver([this](SettingsModel::Property property) {
        using Property = SettingsModel::Property;
        if (property == Property::settings || property == Property::spaceCount || property == Property::windowTitles)
            sync_.schedule();
    });
    sync();
}

RulesPane::~RulesPane() { model_.removeObserver(observer_); }

RulesPane::Section RulesPane::section(QVBoxLayout& form, const QString& header, const QString& footer) {
    auto* box = new QGroupBox(header);
    auto* layout = new QVBoxLayout(box);
    auto* rows = new QWidget(box);
    auto* rowColumn = new QVBoxLayout(rows);
    rowColumn->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(rows);
    layout->addWidget(captionLabel(footer, box));
    form.addWidget(box);
    return {layout, rows};
}

AppField* RulesPane::appField(QWidget* parent) {
    auto* field = new AppField(
        icons_, [this] { return apps_.runningApps(); },
        [this]() -> const std::vector<std::string>& { return apps_.names(); }, parent);
    QObject::connect(&field->field(), &QLineEdit::textChanged, this, [this] { updateEntries(); });
    return field;
}

RulesPane::NameEntry RulesPane::nameEntry(const Section& section, QWidget* middle,
                                          std::function<void(Settings&, std::string_view)> add,
                                          const std::string& action) {
    auto* row = new QHBoxLayout;
    AppField* field = appField(section.rows->parentWidget());
    row->addWidget(field, 1);
    if (middle)
        row->addWidget(middle);
    QPushButton* button = addButton(section.rows->parentWidget(), [this, field, add = std::move(add), action] {
        edit([text = typed(field->field()), &add](Settings& settings) { add(settings, text); }, action);
        field->field().clear();
    });
    row->addWidget(button);
    section.layout->insertLayout(1, row);
    auto* note = new FieldNote(section.rows->parentWidget());
    section.layout->insertWidget(2, note);
    return {field, button, note};
}

QPushButton* RulesPane::addButton(QWidget* parent, std::function<void()> add) {
    auto* button = new QPushButton("Add", parent);
    QObject::connect(button, &QPushButton::clicked, this, std::move(add));
    return button;
}

QWidget* RulesPane::ruleRow(const std::string& name, const std::string& action,
                            std::function<void(Settings&)> remove) {
    auto* row = new QWidget;
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 2, 0, 2);
    line->addWidget(new AppLabel(icons_, name, row));
    line->addWidget(new UnknownAppMark(apps_.knowsApp(name), unknownAppTooltip(name), row));
    line->addStretch();
    auto* button = new QToolButton(row);
    button->setIcon(QIcon(symbolPixmap("minus.circle", QColor(Qt::red), 14)));
    button->setAutoRaise(true);
    button->setToolTip("Remove");
    button->setAccessibleName("Remove");
    QObject::connect(button, &QToolButton::clicked, this,
                     [this, remove = std::move(remove), action] { edit(remove, action); });
    line->addWidget(button);
    return row;
}

void RulesPane::fillSpacePicker(QComboBox& picker, std::int64_t shown) const {
    picker.clear();
    for (int space = 1; space <= std::max(1, model_.spaceCount()); ++space)
        picker.addItem("Desktop " + QString::number(space), QVariant::fromValue<qlonglong>(space));
    picker.setCurrentIndex(picker.findData(QVariant::fromValue<qlonglong>(shown)));
}

void RulesPane::edit(const std::function<void(Settings&)>& change, const std::string& action) {
    Settings settings = model_.settings();
    change(settings);
    model_.setSettings(std::move(settings));
    model_.save(action);
}

std::vector<std::pair<std::string, std::string>> RulesPane::windows() const {
    std::vector<std::pair<std::string, std::string>> windows;
    for (const auto& window : model_.windowTitles())
        windows.emplace_back(window.app, window.title);
    return windows;
}

void RulesPane::reload() {
    sync_.schedule();
}

void RulesPane::sync() {
    introduction_->setText(qt(rulesIntroduction(model_.settings())));
    chosenSpace_ = clampedSpace(chosenSpace_, model_.spaceCount());
    fillSpacePicker(*newSpace_, chosenSpace_);
    rebuildRows();
    updateEntries();
}

void RulesPane::rebuildRows() {
    const Settings& settings = model_.settings();
    clearRows(*floatRows_);
    for (const auto& name : settings.floatApps)
        floatRows_->layout()->addWidget(
            ruleRow(name, "Remove Float Rule", [name](Settings& edited) { removeFloatApp(edited, name); }));

    clearRows(*titleRows_);
    const auto windows = this->windows();
    for (std::size_t index = 0; index < settings.floatTitles.size(); ++index) {
        const TitleRule& rule = settings.floatTitles[index];
        QWidget* row = ruleRow(rule.app, "Remove Title Rule",
                               [index](Settings& edited) { removeTitleRule(edited, index); });
        auto* line = static_cast<QHBoxLayout*>(row->layout());
        auto* pattern = new QLabel(qt(rule.title), row);
        pattern->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        pattern->setForegroundRole(QPalette::PlaceholderText);
        line->insertWidget(2, pattern);
        line->insertWidget(line->count() - 1, captionLabel(qt(matchText(rule.matches(windows))), row));
        titleRows_->layout()->addWidget(row);
    }

    clearRows(*spaceRows_);
    for (const auto& [name, space] : shownSpaceRules(settings, model_.spaceCount())) {
        QWidget* row = ruleRow(name, "Remove Space Rule", [name](Settings& edited) { removeSpaceRule(edited, name); });
        auto* picker = new QComboBox(row);
        FocusedWheel::install(*picker);
        picker->setFixedWidth(120);
        fillSpacePicker(*picker, space);
        QObject::connect(picker, &QComboBox::activated, this, [this, picker, name](int index) {
            const std::int64_t chosen = picker->itemData(index).toLongLong();
            edit([name, chosen](Settings& edited) { edited.appSpaces[name] = chosen; }, "Change Setting");
        });
        auto* line = static_cast<QHBoxLayout*>(row->layout());
        line->insertWidget(line->count() - 1, picker);
        spaceRows_->layout()->addWidget(row);
    }
    spaceFooter_->setText(
        "When one of these apps opens a new window, Quillmere moves it to its Space. Windows that are already open "
        "stay where they are; use a profile to rearrange those. Whether you follow the window is set in General → "
        "Follow when routed by a rule." +
        qt(hiddenNote(hiddenSpaceRuleCount(settings, model_.spaceCount()), model_.spaceCount())));

    clearRows(*fullScreenRows_);
    for (const auto& name : sortedFullScreenApps(settings))
        fullScreenRows_->layout()->addWidget(ruleRow(
            name, "Remove Full Screen Rule", [name](Settings& edited) { removeFullScreenApp(edited, name); }));
}

void RulesPane::updateEntries() {
    const Settings& settings = model_.settings();
    const auto knows = [this](std::string_view name) { return apps_.knowsApp(name); };

    const auto floatNote = nameNote(typed(newFloat_->field()), settings.floatApps, knows);
    showNote(*floatNote_, floatNote);
    addFloat_->setEnabled(!blank(newFloat_->field()) && !(floatNote && floatNote->blocks));

    const std::string pattern = typed(*newTitle_);
    const auto problem = pattern.empty() ? std::nullopt : TitleRule::problem(pattern);
    if (problem)
        titleNote_->show(qt(std::string(*problem)), true);
    else if (!pattern.empty() && !newTitleApp_->field().text().isEmpty())
        titleNote_->show(qt("This rule " +
                            matchText(TitleRule{std::string(trimmingSpacesAndTabs(typed(newTitleApp_->field()))), pattern}
                                          .matches(windows())) +
                            "."),
                         false, true);
    else
        titleNote_->hide();
    showNote(*titleAppNote_, nameNote(typed(newTitleApp_->field()), {}, knows));
    addTitle_->setEnabled(!blank(newTitleApp_->field()) && !pattern.empty() && !problem);

    const auto spaceNote = nameNote(typed(newApp_->field()), spaceRuleNames(settings), knows);
    showNote(*spaceNote_, spaceNote);
    addSpace_->setEnabled(!blank(newApp_->field()) && !(spaceNote && spaceNote->blocks));

    const auto fullScreenNote =
        nameNote(typed(newFullScreen_->field()), settings.fullScreenApps.value_or(std::vector<std::string>{}), knows);
    showNote(*fullScreenNote_, fullScreenNote);
    addFullScreen_->setEnabled(!blank(newFullScreen_->field()) && !(fullScreenNote && fullScreenNote->blocks));
}

} // namespace quillmere
