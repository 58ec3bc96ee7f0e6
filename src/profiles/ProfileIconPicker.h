#pragma once

#include <QAbstractButton>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

namespace quillmere {

// The grid of profile icons in their four groups, the icon in use filled and outlined; a click hands the
// icon's symbol to `choose`. Saves nothing itself.
class ProfileIconPicker final : public QWidget {
  public:
    explicit ProfileIconPicker(const std::string& selected, QWidget* parent = nullptr);

    std::function<void(const std::string&)> choose = [](const std::string&) {};

    // One cell per icon, in table order.
    const std::vector<QAbstractButton*>& cells() const { return cells_; }

  private:
    std::vector<QAbstractButton*> cells_;
};

} // namespace quillmere
