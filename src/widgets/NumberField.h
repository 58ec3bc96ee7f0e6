#pragma once

#include "core/Settings.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QWidget>
#include <functional>
#include <optional>

namespace quillmere {

// A text field for an optional number within a range, empty meaning automatic. Typing shows at once what
// is wrong with the text; Return or leaving the field commits what the user typed, and only when it is a
// good number different from the value. A value set from outside (an undo, a restore, a reload) replaces
// the text unless the user has typing of their own not yet committed, so that leaving the field afterwards
// never writes the old text back over the undo.
class NumberField final : public QWidget {
  public:
    NumberField(const QString& title, Settings::ClosedRange range, const QString& placeholder,
                QWidget* parent = nullptr);

    // Told the new value of each commit.
    std::function<void(std::optional<double>)> onCommit = [](std::optional<double>) {};

    void setValue(std::optional<double> value);
    std::optional<double> value() const { return value_; }
    void setPlaceholder(const QString& placeholder) { field_->setPlaceholderText(placeholder); }

    QLineEdit* field() { return field_; }
    // Empty while the text is fine.
    QString problem() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void commit();
    void showProblem();
    void showValue();

    Settings::ClosedRange range_;
    QLocale locale_;
    std::optional<double> value_;
    // Text typed since the last commit or value from outside.
    bool typed_ = false;
    QLineEdit* field_;
    QLabel* problemLabel_;
};

} // namespace quillmere
