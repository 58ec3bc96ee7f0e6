#include "settings/KeySections.h"

#include "settings/KeyBindingRows.h"
#include "widgets/ChordControls.h"
#include "widgets/Keycap.h"
#include "widgets/SwitchRow.h"
#include "widgets/SymbolPixmap.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <algorithm>

namespace quillmere {

namespace {

QColor secondary(const QWidget& widget) {
    return widget.palette().color(QPalette::PlaceholderText);
}

// Replaces the holder's rows; the old ones go once the event that led here is handled.
QWidget* freshRows(QWidget*& rows, QLayout& into) {
    if (rows) {
        rows->hide();
        rows->deleteLater();
    }
    rows = new QWidget;
    auto* column = new QVBoxLayout(rows);
    column->setContentsMargins(0, 0, 0, 0);
    into.addWidget(rows);
    return rows;
}

QWidget* actionRow(SettingsModel& model, const KeyAction& action, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 2, 0, 2);
    line->setSpacing(10);
    auto* picture = new ActionPicture(action.picture, row);
    picture->setFixedSize(28, 20);
    line->addWidget(picture);
    line->addWidget(new QLabel(QString::fromStdString(action.title), row));
    line->addStretch();
    const auto chords = model.chords(action.command);
    if (chords.empty())
        line->addWidget(new RecordSlot(model, action.command, row));
    for (const auto& chord : chords)
        line->addWidget(new ChordButton(model, chord, row));
    return row;
}

} // namespace

ActionPicture::ActionPicture(KeyAction::Picture picture, QWidget* parent)
    : QWidget(parent), picture_(std::move(picture)) {}

void ActionPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (const auto* symbol = std::get_if<KeyAction::Symbol>(&picture_)) {
        const QPixmap image = symbolPixmap(symbol->name, secondary(*this), 15);
        painter.drawPixmap(QPointF((width() - 15) / 2.0, (height() - 15) / 2.0), image);
        return;
    }
    const QRectF outline = QRectF(rect()).adjusted(1, 1, -1, -1);
    painter.setPen(QPen(secondary(*this), 1.2));
    painter.drawRoundedRect(outline, 3, 3);
    const QRectF inner = outline.adjusted(2, 2, -2, -2);
    const Rect region = std::get<Region>(picture_).rect({inner.x(), inner.y(), inner.width(), inner.height()}, 1, 0.5);
    QPainterPath fill;
    fill.addRoundedRect(QRectF(region.origin.x, region.origin.y, region.size.width, region.size.height), 1.5, 1.5);
    painter.fillPath(fill, palette().color(QPalette::Highlight));
}

SpacesSection::SpacesSection(SettingsModel& model, QWidget* parent) : QGroupBox("Spaces", parent), model_(model) {
    new QVBoxLayout(this);
    rebuild();
}

void SpacesSection::rebuild() {
    QWidget* rows = freshRows(rows_, *layout());
    rows->layout()->addWidget(row("Switch to Space", "space"));
    rows->layout()->addWidget(row("Send to Space", "send"));
}

QWidget* SpacesSection::row(const QString& title, std::string_view word) {
    auto* row = new QWidget;
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 2, 0, 2);
    line->addWidget(new QLabel(title, row));
    line->addStretch();
    line->addWidget(new ModifierPicker(model_, spaceCommands(word), row));
    auto* plus = new QLabel("+", row);
    plus->setStyleSheet(QString("color: %1").arg(secondary(*row).name()));
    line->addWidget(plus);
    for (const SpaceCap& cap : spaceCaps(model_.settings().keys, word, model_.spaceCount())) {
        auto* keycap = new Keycap(QString::fromStdString(cap.text), cap.dimmed, row);
        keycap->setToolTip(QString::fromStdString(cap.tooltip));
        line->addWidget(keycap);
    }
    return row;
}

ActionSection::ActionSection(SettingsModel& model, const KeyAction::Section& section, QWidget* parent)
    : QWidget(parent), model_(model), section_(section), toggle_(new QPushButton(this)),
      chevron_(new QLabel(toggle_)) {
    for (const auto& action : section_.actions)
        commands_.push_back(action.command);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    toggle_->setFlat(true);
    toggle_->setCursor(Qt::PointingHandCursor);
    toggle_->setMinimumHeight(30);
    auto* header = new QHBoxLayout(toggle_);
    header->setContentsMargins(8, 6, 8, 6);
    chevron_->setFixedWidth(14);
    header->addWidget(chevron_);
    auto* icon = new QLabel(toggle_);
    icon->setPixmap(symbolPixmap(section_.symbol, palette().color(QPalette::WindowText), 14));
    header->addWidget(icon);
    auto* title = new QLabel(QString::fromStdString(section_.title), toggle_);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    header->addWidget(title);
    header->addStretch();
    header->addWidget(new Badge(QString::number(section_.actions.size()), toggle_));
    column->addWidget(toggle_);
    QObject::connect(toggle_, &QPushButton::clicked, this, [this] {
        expanded_ = !expanded_;
        updateHeader();
        updateContent();
    });
    rebuild();
}

void ActionSection::rebuild() {
    QWidget* content = freshRows(content_, *layout());
    auto* prefix = new QWidget(content);
    auto* line = new QHBoxLayout(prefix);
    line->setContentsMargins(0, 2, 0, 2);
    auto* words = new QVBoxLayout;
    words->addWidget(new QLabel("Prefix", prefix));
    words->addWidget(
        captionLabel("Changes the modifiers of every action below that uses this prefix; the keys stay the same", prefix));
    line->addLayout(words, 1);
    line->addWidget(new ModifierPicker(model_, boundCommands(section_.actions, model_.settings().keys), prefix));
    restore_ = new QPushButton("Restore", prefix);
    restore_->setToolTip("Give this section's actions their default shortcuts back");
    QObject::connect(restore_, &QPushButton::clicked, this, [this] { model_.restoreDefaultKeys(commands_); });
    line->addWidget(restore_);
    content->layout()->addWidget(prefix);
    rows_.clear();
    for (const auto& action : section_.actions) {
        QWidget* row = actionRow(model_, action, content);
        rows_.emplace(action.command, row);
        content->layout()->addWidget(row);
    }
    updateHeader();
    updateContent();
}

bool ActionSection::filter(std::string_view query) {
    filtering_ = !query.empty();
    const auto shown = shownActions(section_.actions, query);
    for (const auto& [command, row] : rows_)
        row->setVisible(std::any_of(shown.begin(), shown.end(), [&](const auto& action) { return action.command == command; }));
    updateContent();
    return !shown.empty();
}

QWidget* ActionSection::row(const std::string& command) const {
    const auto found = rows_.find(command);
    return found == rows_.end() ? nullptr : found->second;
}

void ActionSection::updateHeader() {
    QPixmap chevron = symbolPixmap("chevron.right", palette().color(QPalette::WindowText), 11);
    if (expanded_)
        chevron = chevron.transformed(QTransform().rotate(90));
    chevron_->setPixmap(chevron);
    toggle_->setToolTip(expanded_ ? "Collapse" : "Expand");
    const int changed = model_.changedCount(commands_);
    delete changed_;
    changed_ = nullptr;
    if (changed > 0) {
        changed_ = new Badge(QString::number(changed) + " changed", toggle_);
        auto* header = static_cast<QHBoxLayout*>(toggle_->layout());
        header->insertWidget(header->count() - 1, changed_);
    }
    restore_->setEnabled(changed > 0);
}

void ActionSection::updateContent() {
    content_->setVisible(expanded_ || filtering_);
}

CustomSection::CustomSection(SettingsModel& model, QWidget* parent) : QGroupBox("Custom", parent), model_(model) {
    new QVBoxLayout(this);
    rebuild("");
}

void CustomSection::rebuild(std::string_view query) {
    QWidget* rows = freshRows(rows_, *layout());
    const auto entries = customEntries(model_.settings().keys, query);
    for (const auto& entry : entries) {
        auto* row = new QWidget(rows);
        auto* line = new QHBoxLayout(row);
        line->setContentsMargins(0, 2, 0, 2);
        auto* icon = new QLabel(row);
        icon->setPixmap(symbolPixmap("terminal", secondary(*row), 15));
        icon->setFixedWidth(28);
        line->addWidget(icon);
        auto* command = new QLabel(QString::fromStdString(entry.command), row);
        command->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        line->addWidget(command);
        line->addStretch();
        line->addWidget(new ChordButton(model_, entry.chord, row));
        rows->layout()->addWidget(row);
    }
    setVisible(!entries.empty());
}

} // namespace quillmere
