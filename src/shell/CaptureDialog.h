#pragma once

#include "platform/SymbolImages.h"
#include "platform/qt/QtAlerts.h"
#include "shell/CaptureNaming.h"

#include <QMessageBox>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quillmere {

// What a capture saves through: the window manager's profile operations. Each makes the profile current.
struct CaptureActions {
    std::function<void(const std::string& name)> capture;
    std::function<void(const Profile&)> recapture;
};

// The alert that asks for the name of the profile a capture saves: a field with a note under it. The first
// button's title and whether it can be chosen follow the field as the user types.
class CaptureDialog final : public QMessageBox {
  public:
    static constexpr int fieldWidth = 240;
    static constexpr int fieldHeight = 24;
    static constexpr int accessoryHeight = 64;

    CaptureDialog(const CaptureNaming& naming, const std::string& initialName);

    QLineEdit* field() const { return field_; }
    QLabel* note() const { return note_; }
    QPushButton* captureButton() const { return capture_; }
    // Runs the dialog and answers what confirming chose; none when the user cancelled or left the name blank.
    std::optional<CaptureNaming::Choice> run(QtAlerts& alerts);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void followField();

    const CaptureNaming& naming_;
    QLineEdit* field_;
    QLabel* note_;
    std::vector<QAbstractButton*> buttons_;
    QPushButton* capture_ = nullptr;
    QMetaObject::Connection textChanged_;
};

// The capture flow: with a profile applied last that still loads by exactly that name, first asks whether
// to save into it; else, or for "New Profile…", asks for a name. `screenName` is the main screen's.
void captureLayout(const ProfileStore& store, const std::optional<std::string>& lastProfile,
                   const std::optional<std::string>& screenName, const SymbolImages& symbols, QtAlerts& alerts,
                   const CaptureActions& actions);

} // namespace quillmere
