#pragma once

#include <QWidget>
#include <functional>

namespace quillmere {

// The bar along the bottom of a pane that puts the pane's settings back to how they ship.
QWidget* restoreDefaultsBar(std::function<void()> restore, QWidget* parent = nullptr);

} // namespace quillmere
