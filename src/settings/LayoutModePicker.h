#pragma once

#include "core/LayoutMode.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QWidget>
#include <functional>

namespace quillmere {

// Tile, Stack or Float as three symbol segments, Tile first.
class LayoutModePicker final : public QWidget {
  public:
    explicit LayoutModePicker(QWidget* parent = nullptr);

    // Told each mode the user chooses; never a mode set from outside.
    std::function<void(LayoutMode)> onChoose = [](LayoutMode) {};

    void setMode(LayoutMode mode);
    LayoutMode mode() const;
    QAbstractButton* segment(LayoutMode mode) const;

  private:
    QButtonGroup* group_;
};

} // namespace quillmere
