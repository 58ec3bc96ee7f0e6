#pragma once

#include "profiles/ProfileEditorServices.h"
#include "profiles/TileMenuChoices.h"

#include <QFrame>
#include <QPushButton>
#include <QToolButton>
#include <functional>

namespace quillmere {

// The popup of one tile: choose, stack or clear its app, split it either way or remove it. It closes on a
// click outside or Escape; each action hands its layout to `change` once.
class TileMenu : public QFrame {
  public:
    TileMenu(ProfileEditorServices services, TileMenuChoices choices, QWidget* parent = nullptr);

    std::function<void(const LayoutSnapshot&)> change = [](const LayoutSnapshot&) {};
    std::function<void()> closed = [] {};

    QToolButton* chooseButton() const { return choose_; }
    QToolButton* stackButton() const { return stack_; }
    QPushButton* button(const QString& label) const;

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    QToolButton* appButton(const QString& title, std::function<LayoutSnapshot(const std::string&)> result);
    QPushButton* actionButton(const QString& label, const char* symbol, std::function<LayoutSnapshot()> result);
    void finish(const LayoutSnapshot& layout);

    ProfileEditorServices services_;
    TileMenuChoices choices_;
    QToolButton* choose_ = nullptr;
    QToolButton* stack_ = nullptr;
};

} // namespace quillmere
