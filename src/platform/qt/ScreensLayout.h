#pragma once

#include "core/Geometry.h"
#include "core/WindowId.h"
#include "platform/qt/ScreensPicture.h"

#include <optional>

namespace quillmere {

// Where the simulated screens go in a view: every display to one scale, arranged as they are, the whole
// arrangement centred in the view within a margin, below a band that holds the displays' labels (over the
// displays they would cover the titles of tiled windows). Maps global points to the view's and back, and finds
// the window under a point of the view.
class ScreensLayout {
  public:
    static constexpr double margin = 16;
    static constexpr double labelBand = 24;

    ScreensLayout(const ScreensPicture& picture, Size view);

    double scale() const { return scale_; }
    Rect toView(const Rect& global) const;
    Point toGlobal(Point view) const;
    // The front-most window under the point, if any.
    std::optional<WindowId> windowAt(Point view) const;

  private:
    const ScreensPicture& picture_;
    Rect arrangement_;
    double scale_ = 1;
    Point offset_;
};

} // namespace quillmere
