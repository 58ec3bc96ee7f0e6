#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <vector>

namespace quillmere {

// A message above a pane with a warning sign, and the buttons that deal with it at the trailing end.
class ErrorBanner final : public QWidget {
  public:
    ErrorBanner(const QString& message, const std::vector<QPushButton*>& actions, QWidget* parent = nullptr);
    void setMessage(const QString& message);
    QString message() const;

  private:
    QLabel* message_;
};

} // namespace quillmere
