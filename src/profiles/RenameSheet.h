#pragma once

#include "core/Profile.h"
#include "settings/model/SettingsModel.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>
#include <string>

namespace quillmere {

// A sheet over its window that renames a profile. The typed name goes to the model as typed; while it cannot
// be used, the reason shows in red under the field and neither Rename nor Return does anything. Deletes
// itself once closed.
class RenameSheet final : public QDialog {
  public:
    RenameSheet(SettingsModel& model, Profile profile, QWidget& window);

    // Why the typed name cannot be used, as the model would refuse it; none when it can.
    std::optional<std::string> problem() const;

    QLineEdit& nameField() { return *name_; }
    QLabel& problemText() { return *problemText_; }
    QPushButton& renameButton() { return *rename_; }

  private:
    void typed();
    void submit();

    SettingsModel& model_;
    Profile profile_;
    QLineEdit* name_;
    QWidget* problemRow_;
    QLabel* problemText_;
    QPushButton* rename_;
};

} // namespace quillmere
