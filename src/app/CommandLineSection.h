#pragma once

#include "shell/CommandLineSettings.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <filesystem>

namespace quillmere {

// The General pane's Command line section: whether the "quillmere" command is installed, the button that
// installs it, the last failure, and the way to the command-line guide. The state is read again whenever the
// section comes on screen, the application becomes active, and after each install.
class CommandLineSection final : public QWidget {
  public:
    // `guide` is the installed README that describes the commands.
    CommandLineSection(CommandLineSettings settings, std::filesystem::path guide, QWidget* parent = nullptr);

    void reload();

    QPushButton* installButton() const { return install_; }
    QLabel* stateLine() const { return state_; }
    QLabel* message() const { return message_; }
    QPushButton* guideButton() const { return guide_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void showState();

    CommandLineSettings settings_;
    QPushButton* install_;
    QLabel* stateIcon_;
    QLabel* state_;
    QWidget* messageRow_;
    QLabel* message_;
    QPushButton* guide_;
};

} // namespace quillmere
