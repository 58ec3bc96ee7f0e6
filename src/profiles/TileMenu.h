#pragma once

#include "profiles/AppMenu.h"
#include "profiles/ProfilesServices.h"
#include "profiles/TileMenuChoices.h"

#include <QFrame>
#include <QPushButton>
#include <functional>

namespace quillmere {

// The popup of one tile: choose, stack or clear its app, split it either way or remove it. It closes on a
// click outside or Escape; each action hands its layout to `change` once.
class TileMenu : public QFrame {
  public:
    // The services must outlive the menu.
    TileMenu(ProfilesServices& services, TileMenuChoices choices, QWidget* parent = nullptr);

    std::function<void(const LayoutSnapshot&)> change = [](const LayoutSnapshot&) {};
    std::function<void()> closed = [] {};

    AppMenu* chooseButton() const { return choose_; }
    // None while the tile holds no app.
    AppMenu* stackButton() const { return stack_; }
    QPushButton* button(const QString& label) const;

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    AppMenu* appMenu(const QString& title, std::function<LayoutSnapshot(const std::string&)> result);
    QPushButton* actionButton(const QString& label, const char* symbol, std::function<LayoutSnapshot()> result);
    void finish(const LayoutSnapshot& layout);

    ProfilesServices& services_;
    TileMenuChoices choices_;
    AppMenu* choose_ = nullptr;
    AppMenu* stack_ = nullptr;
};

} // namespace quillmere
