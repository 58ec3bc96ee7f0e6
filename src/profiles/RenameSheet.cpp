#include "profiles/RenameSheet.h"

#include "core/ProfileEditing.h"
#include "profiles/ProfileTexts.h"
#include "widgets/SymbolPixmap.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace quillmere {

RenameSheet::RenameSheet(SettingsModel& model, Profile profile, QWidget& window)
    : QDialog(&window), model_(model), profile_(std::move(profile)),
      name_(new QLineEdit(QString::fromStdString(profile_.name), this)), problemRow_(new QWidget(this)),
      problemText_(new QLabel(" ", problemRow_)), rename_(new QPushButton("Rename", this)) {
    // A sheet of its window: modal on it, named after what it does, and neither minimised nor maximised.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle("Rename Profile");
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedWidth(340);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(20, 20, 20, 20);
    column->setSpacing(10);

    auto* title = new QLabel(QString::fromStdString(renameTitle(profile_.name)), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    column->addWidget(title);
    name_->setPlaceholderText("Name");
    name_->setAccessibleName("Name");
    column->addWidget(name_);

    auto* problemLine = new QHBoxLayout(problemRow_);
    problemLine->setContentsMargins(0, 0, 0, 0);
    problemLine->addWidget(symbolLabel("exclamationmark.circle", Qt::red, 11, "Problem", problemRow_));
    QFont caption = problemText_->font();
    caption.setPointSizeF(caption.pointSizeF() * 0.85);
    problemText_->setFont(caption);
    problemText_->setStyleSheet("color: red");
    problemText_->setWordWrap(true);
    problemLine->addWidget(problemText_, 1);
    // Hidden, it keeps its place, so the sheet does not change height as the problem comes and goes.
    QSizePolicy keepsPlace = problemRow_->sizePolicy();
    keepsPlace.setRetainSizeWhenHidden(true);
    problemRow_->setSizePolicy(keepsPlace);
    column->addWidget(problemRow_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setAutoDefault(false);
    QObject::connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(cancel);
    rename_->setDefault(true);
    QObject::connect(rename_, &QPushButton::clicked, this, [this] { submit(); });
    buttons->addWidget(rename_);
    column->addLayout(buttons);

    QObject::connect(name_, &QLineEdit::textChanged, this, [this] { typed(); });
    typed();
}

std::optional<std::string> RenameSheet::problem() const {
    return profileNameProblem(name_->text().toStdString(), profile_.name, model_.takenNames());
}

void RenameSheet::typed() {
    const auto reason = problem();
    problemText_->setText(QString::fromStdString(reason.value_or(" ")));
    problemRow_->setVisible(reason.has_value());
    rename_->setEnabled(!reason);
}

void RenameSheet::submit() {
    if (problem())
        return;
    const std::string typed = name_->text().toStdString();
    // Closed first: the rename refreshes the model, and the window may rebuild what showed this sheet.
    accept();
    model_.rename(profile_, typed);
}

} // namespace quillmere
