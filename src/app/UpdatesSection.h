#pragma once

#include "platform/UserDefaults.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

class QDialog;

namespace quillmere {

// The rows of the General pane's Updates section: the channel, the version, the manual check and, when the
// application carries them, the acknowledgements in a sheet of their own.
class UpdatesSection final : public QWidget {
  public:
    // `acknowledgements` is the text of the licences of what the application is built with, if it has one.
    UpdatesSection(UserDefaults& defaults, std::function<void()> check, std::string version,
                   std::optional<QString> acknowledgements, QWidget* parent = nullptr);

    // The acknowledgements bundled with the application; none when they cannot be read.
    static std::optional<QString> bundledAcknowledgements();

    QComboBox* channel() const { return channel_; }
    QLabel* version() const { return version_; }
    QPushButton* checkButton() const { return check_; }
    // None without acknowledgements.
    QPushButton* acknowledgementsButton() const { return acknowledgementsButton_; }
    // None until first shown.
    QDialog* acknowledgementsSheet() const { return sheet_; }

  private:
    void showAcknowledgements();

    QComboBox* channel_;
    QLabel* version_;
    QPushButton* check_;
    QPushButton* acknowledgementsButton_ = nullptr;
    QDialog* sheet_ = nullptr;
    std::optional<QString> acknowledgements_;
};

} // namespace quillmere
