#include "shell/CaptureDialog.h"

#include "menubar/PanelColors.h"
#include "shell/ProfileAlerts.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace quillmere {
namespace {

constexpr std::string_view captureMessage = "Capture Layout";
constexpr std::string_view captureInformation =
    "Saves every Space's windows and tiling. To apply it by itself when these displays connect, turn on Apply "
    "automatically in Edit Profiles.";
constexpr std::size_t saveToLast = 0;
constexpr std::size_t newProfile = 1;

QString qText(const std::string& text) { return QString::fromStdString(text); }

// Puts the widget between the texts and the buttons, where the box has no place of its own for it.
void insertAboveButtons(QMessageBox& box, QWidget* widget) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    auto* buttons = box.findChild<QDialogButtonBox*>();
    if (!grid || !buttons) {
        box.layout()->addWidget(widget);
        return;
    }
    int row = 0, column = 0, rows = 0, columns = 0;
    grid->getItemPosition(grid->indexOf(buttons), &row, &column, &rows, &columns);
    grid->removeWidget(buttons);
    grid->addWidget(widget, row, 1, 1, std::max(columns - 1, 1), Qt::AlignLeft);
    grid->addWidget(buttons, row + 1, column, rows, columns);
}

} // namespace

CaptureDialog::CaptureDialog(const CaptureNaming& naming, const std::string& initialName)
    : naming_(naming), field_(new QLineEdit), note_(new QLabel) {
    buttons_ = QtAlerts::prepare(
        *this, {.message = std::string(captureMessage),
                .informativeText = std::string(captureInformation),
                .buttons = {"Capture", "Cancel"}});
    capture_ = qobject_cast<QPushButton*>(buttons_.front());

    auto* accessory = new QWidget;
    accessory->setFixedSize(fieldWidth, accessoryHeight);
    auto* stack = new QVBoxLayout(accessory);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    field_->setFixedSize(fieldWidth, fieldHeight);
    field_->setText(qText(initialName));
    note_->setWordWrap(true);
    note_->setMaximumWidth(fieldWidth);
    QFont small = note_->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    note_->setFont(small);
    QPalette palette = note_->palette();
    palette.setColor(QPalette::WindowText, PanelColors::secondary(palette));
    note_->setPalette(palette);
    stack->addWidget(field_);
    stack->addWidget(note_);
    stack->addStretch();
    insertAboveButtons(*this, accessory);

    followField();
    textChanged_ = connect(field_, &QLineEdit::textChanged, this, [this] { followField(); });
}

void CaptureDialog::showEvent(QShowEvent* event) {
    QMessageBox::showEvent(event);
    // The box gives its default button the focus; the name is what the user types first.
    field_->setFocus();
}

void CaptureDialog::followField() {
    const CaptureNaming::Choice choice = naming_.choose(field_->text().toStdString());
    capture_->setText(qText(choice.buttonTitle));
    capture_->setEnabled(choice.enabled);
    note_->setText(qText(choice.note));
}

std::optional<CaptureNaming::Choice> CaptureDialog::run(QtAlerts& alerts) {
    const std::size_t answer = alerts.exec(*this, buttons_);
    disconnect(textChanged_);
    CaptureNaming::Choice choice = naming_.choose(field_->text().toStdString());
    if (answer != 0 || choice.name.empty())
        return std::nullopt;
    return choice;
}

void captureLayout(const ProfileStore& store, const std::optional<std::string>& lastProfile,
                   const std::optional<std::string>& screenName, const SymbolImages& symbols, QtAlerts& alerts,
                   const CaptureActions& actions) {
    ProfileStore::Loaded loaded = store.load();
    if (lastProfile) {
        const auto last = std::ranges::find(loaded.profiles, *lastProfile, &Profile::name);
        if (last != loaded.profiles.end()) {
            const std::size_t answer = alerts.run(ProfileAlerts::saveTarget(*last, symbols)).button;
            if (answer == saveToLast) {
                actions.recapture(*last);
                return;
            }
            if (answer != newProfile)
                return;
        }
    }
    const CaptureNaming naming(std::move(loaded));
    CaptureDialog dialog(naming, naming.initialName(screenName));
    const auto choice = dialog.run(alerts);
    if (!choice)
        return;
    if (choice->existing)
        actions.recapture(*choice->existing);
    else
        actions.capture(choice->name);
}

} // namespace quillmere
