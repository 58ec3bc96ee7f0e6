#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QWidget>
#include <functional>

namespace quillmere {

// An on/off setting: its title as the switch's text, a caption under it in smaller, quieter type.
class SwitchRow final : public QWidget {
  public:
    SwitchRow(const QString& title, const QString& caption, QWidget* parent = nullptr);

    // Told each change the user makes; never a change set from outside.
    std::function<void(bool)> onToggle = [](bool) {};

    void setOn(bool on);
    bool isOn() const { return box_->isChecked(); }
    void setCaption(const QString& caption);
    QCheckBox* box() { return box_; }

  private:
    QCheckBox* box_;
    QLabel* caption_;
};

// Small, secondary text for captions and footers.
QLabel* captionLabel(const QString& text, QWidget* parent = nullptr);

} // namespace quillmere
