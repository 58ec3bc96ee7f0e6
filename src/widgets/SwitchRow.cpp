#include "widgets/SwitchRow.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace quillmere {

QLabel* captionLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setForegroundRole(QPalette::PlaceholderText);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    label->setFont(font);
    return label;
}

SwitchRow::SwitchRow(const QString& title, const QString& caption, QWidget* parent)
    : QWidget(parent), box_(new QCheckBox(title, this)), caption_(captionLabel(caption, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(box_);
    caption_->setContentsMargins(22, 0, 0, 0);
    layout->addWidget(caption_);
    QObject::connect(box_, &QCheckBox::toggled, this, [this](bool on) { onToggle(on); });
}

void SwitchRow::setOn(bool on) {
    const QSignalBlocker blocker(box_);
    box_->setChecked(on);
}

void SwitchRow::setCaption(const QString& caption) { caption_->setText(caption); }

} // namespace quillmere
