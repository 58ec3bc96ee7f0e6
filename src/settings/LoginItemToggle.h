#pragma once

#include "settings/LoginItem.h"
#include "widgets/SwitchRow.h"

namespace quillmere {

// "Open at login": switches the login item and then shows the state read back from it, so a change that
// failed falls back at once. A failure is logged, not shown.
class LoginItemToggle final : public QWidget {
  public:
    explicit LoginItemToggle(LoginItem item, QWidget* parent = nullptr);

    bool isOn() const { return row_->isOn(); }
    SwitchRow* row() { return row_; }

  private:
    LoginItem item_;
    SwitchRow* row_;
};

} // namespace quillmere
