#pragma once

#include <QRect>
#include <QSize>

namespace quillmere {

// Where a window of the given size stands centred in the area, kept inside it when it is larger.
QRect centredIn(const QRect& area, QSize size);

// The simulated screens use most of the screen they open on, leaving a margin so that the desktop around
// them stays in view.
QRect viewerFrame(const QRect& available);

} // namespace quillmere
