#pragma once

#include "widgets/AppIcons.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

namespace quillmere {

// The small views the Rules pane names applications with.

// One line under a field: info (secondary), blocking (red) or a warning (orange); info wins over blocking.
class FieldNote : public QWidget {
  public:
    explicit FieldNote(QWidget* parent = nullptr);
    // Shows the note; hidden while there is none.
    void show(const QString& text, bool blocking, bool info = false);
    QString text() const { return text_->text(); }
    // The symbol the note is drawn with.
    const char* symbol() const { return symbol_; }

  private:
    QLabel* icon_;
    QLabel* text_;
    const char* symbol_ = "";
};

// Nothing for a known application; else an orange question mark whose tooltip says what waits for one.
class UnknownAppMark : public QLabel {
  public:
    UnknownAppMark(bool known, const std::string& tooltip, QWidget* parent = nullptr);
};

// The application's icon, 20 by 20, and its name.
class AppLabel : public QWidget {
  public:
    AppLabel(AppIcons& icons, const std::string& name, QWidget* parent = nullptr);
};

// A text field for an application name with a menu of running and installed applications; choosing one
// only fills the field.
class AppField : public QWidget {
  public:
    AppField(AppIcons& icons, std::function<std::vector<std::string>()> running,
             std::function<const std::vector<std::string>&()> installed, QWidget* parent = nullptr);

    QLineEdit& field() { return *field_; }
    QToolButton& chooser() { return *chooser_; }

  private:
    // Filled when opened, so the running applications are those of that moment.
    void fillMenu();

    AppIcons& icons_;
    std::function<std::vector<std::string>()> running_;
    std::function<const std::vector<std::string>&()> installed_;
    QLineEdit* field_;
    QToolButton* chooser_;
};

} // namespace quillmere
