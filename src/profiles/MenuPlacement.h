#pragma once

#include <QRect>
#include <QSize>

namespace quillmere {

// Where a menu that belongs to a part of a window opens: centred under the part, or over it when there is
// no room below, and always inside the bounds (the window on its screen), so that none of it hangs past the
// window's edges. A menu larger than the bounds keeps to their top-left corner.
QRect menuPlacement(QSize menu, const QRect& anchor, const QRect& bounds);

} // namespace quillmere
