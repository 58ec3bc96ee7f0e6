#include "widgets/NumberField.h"

#include "widgets/LocaleNumbers.h"
#include "widgets/SymbolPixmap.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace quillmere {

NumberField::NumberField(const QString& title, Settings::ClosedRange range, const QString& placeholder,
                         QWidget* parent)
    : QWidget(parent), range_(range), field_(new QLineEdit(this)), problemLabel_(new QLabel(this)) {
    field_->setAccessibleName(title);
    field_->setPlaceholderText(placeholder);
    field_->setAlignment(Qt::AlignRight);
    problemLabel_->setStyleSheet("color: red; font-size: small;");
    problemLabel_->setWordWrap(true);

    auto* problemRow = new QWidget(this);
    auto* problemLayout = new QHBoxLayout(problemRow);
    problemLayout->setContentsMargins(0, 0, 0, 0);
    problemLayout->addStretch();
    problemLayout->addWidget(symbolLabel("exclamationmark.circle", Qt::red, 12, "Problem", problemRow));
    problemLayout->addWidget(problemLabel_);
    problemRow->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(field_);
    layout->addWidget(problemRow);

    QObject::connect(field_, &QLineEdit::textEdited, this, [this] { typed_ = true; });
    QObject::connect(field_, &QLineEdit::textChanged, this, [this] { showProblem(); });
    QObject::connect(field_, &QLineEdit::editingFinished, this, [this] { commit(); });
}

void NumberField::setValue(std::optional<double> value) {
    value_ = value;
    if (!typed_)
        showValue();
}

QString NumberField::problem() const {
    return QString::fromStdString(readNumberField(field_->text(), range_, locale_).problem.value_or(""));
}

void NumberField::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    typed_ = false;
    showValue();
}

void NumberField::commit() {
    if (!typed_)
        return;
    const NumberFieldReading reading = readNumberField(field_->text(), range_, locale_);
    if (reading.problem)
        return;
    typed_ = false;
    if (reading.value == value_)
        return;
    value_ = reading.value;
    onCommit(reading.value);
}

void NumberField::showProblem() {
    const QString text = problem();
    problemLabel_->setText(text);
    problemLabel_->parentWidget()->setVisible(!text.isEmpty());
}

void NumberField::showValue() {
    field_->setText(value_ ? localeNumber(*value_, locale_) : QString());
}

} // namespace quillmere
