#pragma once

#include <QWidget>
#include <functional>

namespace quillmere {

// The bar along the bottom of a pane that puts the pane's settings back to how they ship.
QWidget* restoreDefaultsBar(std::function<void()> restore, QWidget* parent = nullptr);

// Lays the pane out as its form, scrolling when taller than the pane, over the restore bar.
void layOutWithRestoreBar(QWidget& pane, QWidget* form, std::function<void()> restore);

} // namespace quillmere
