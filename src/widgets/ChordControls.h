#pragma once

#include "widgets/ChordBindings.h"
#include "widgets/ChordCaps.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>
#include <string>
#include <vector>

namespace quillmere {

// A flat button whose face is a row of key caps.
class CapsButton : public QPushButton {
  public:
    explicit CapsButton(QWidget* parent = nullptr);
    void setCaps(const std::vector<Cap>& caps);
    // The caps shown, left to right.
    std::vector<Cap> caps() const { return caps_; }
    QSize sizeHint() const override;

  private:
    std::vector<Cap> caps_;
};

// The chord controls follow the recording, the bindings and their registrations in place; they never rebuild
// themselves, so a click that changes the bindings cannot delete the button it came from.

// One bound chord as key caps: a click records a replacement (a second click stops), the warning shows why
// the hot keys could not register it, × removes it at once.
class ChordButton : public QWidget {
  public:
    ChordButton(ChordBindings& bindings, std::string chord, QWidget* parent = nullptr);
    ~ChordButton() override;

    const std::string& chord() const { return chord_; }
    CapsButton& button() { return *button_; }
    QLabel& warning() { return *warning_; }
    QToolButton& removeButton() { return *remove_; }

  private:
    void update();

    ChordBindings& bindings_;
    std::string chord_;
    ChordBindings::ObserverId observer_;
    CapsButton* button_;
    QLabel* warning_;
    QToolButton* remove_;
};

// Stands in for a command without a chord: a click records its first one.
class RecordSlot : public QPushButton {
  public:
    RecordSlot(ChordBindings& bindings, std::string command, QWidget* parent = nullptr);
    ~RecordSlot() override;

    bool isRecording() const;
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ChordBindings& bindings_;
    std::string command_;
    ChordBindings::ObserverId observer_;
};

// The modifiers a group of commands shares; a click records new ones for all of them.
class ModifierPicker : public CapsButton {
  public:
    ModifierPicker(ChordBindings& bindings, std::vector<std::string> commands, QWidget* parent = nullptr);
    ~ModifierPicker() override;

  private:
    void update();

    ChordBindings& bindings_;
    std::vector<std::string> commands_;
    ChordBindings::ObserverId observer_;
};

} // namespace quillmere
