#include "settings/OpacitySlider.h"

#include "widgets/FocusedWheel.h"
#include "widgets/LocaleNumbers.h"

#include <QHBoxLayout>
#include <QSignalBlocker>
#include <cmath>

namespace quillmere {

OpacitySlider::OpacitySlider(const QString& title, Settings::ClosedRange range, QWidget* parent)
    : QWidget(parent), range_(range), slider_(new QSlider(Qt::Horizontal, this)), percentage_(new QLabel(this)) {
    slider_->setAccessibleName(title);
    FocusedWheel::install(*slider_);
    slider_->setRange(0, static_cast<int>(std::lround((range.upper - range.lower) * stepsPerUnit)));
    slider_->setSingleStep(1);
    slider_->setPageStep(10);
    slider_->setTracking(false);
    percentage_->setFixedWidth(40);
    percentage_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont digits = percentage_->font();
    digits.setStyleHint(QFont::Monospace);
    percentage_->setFont(digits);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(slider_);
    layout->addWidget(percentage_);

    QObject::connect(slider_, &QSlider::sliderMoved, this, [this](int position) { showPercentage(position); });
    QObject::connect(slider_, &QSlider::valueChanged, this, [this](int position) {
        showPercentage(position);
        onChange(valueAt(position));
    });
}

void OpacitySlider::setValue(double value) {
    const QSignalBlocker blocker(slider_);
    slider_->setValue(static_cast<int>(std::lround((range_.clamp(value) - range_.lower) * stepsPerUnit)));
    showPercentage(slider_->value());
}

double OpacitySlider::shownValue() const { return valueAt(slider_->sliderPosition()); }

double OpacitySlider::valueAt(int position) const {
    return std::round(range_.lower * stepsPerUnit + position) / stepsPerUnit;
}

void OpacitySlider::showPercentage(int position) { percentage_->setText(localePercent(valueAt(position), QLocale())); }

} // namespace quillmere
