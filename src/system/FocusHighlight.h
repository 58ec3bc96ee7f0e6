#pragma once

#include "core/Geometry.h"
#include "platform/Accessibility.h"
#include "platform/Color.h"
#include "platform/Displays.h"
#include "platform/HeldWork.h"
#include "platform/MainQueue.h"
#include "platform/Panels.h"
#include "platform/WindowList.h"
#include "system/AXWindow.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// The drawing of the focus border: a rounded rectangle stroked inside its bounds.
struct BorderView final : PanelView {
    static constexpr double cornerRadius = 20;
    static constexpr double lineWidth = 4;

    BorderView(std::optional<Color> color, double opacity) : color(color), opacity(opacity) {}

    // None: the system's accent colour.
    std::optional<Color> color;
    double opacity;
};

// A coloured border around the focused window of another application and a shade over the rest of its
// screen, kept on the window as it moves, resizes, is minimized or closes, and hidden whenever the window
// cannot be decorated. Main thread only.
class FocusHighlight {
  public:
    FocusHighlight(Accessibility& accessibility, WindowList& windowList, Displays& displays, Panels& panels,
                   MainQueue& queue, std::int32_t ownPid);
    ~FocusHighlight();
    FocusHighlight(const FocusHighlight&) = delete;
    FocusHighlight& operator=(const FocusHighlight&) = delete;

    // The focused window, on every focus and Space change.
    void follow(std::optional<AXWindow> window);

    bool showsBorder() const { return showsBorder_; }
    void setShowsBorder(bool shows);
    bool dims() const { return dims_; }
    void setDims(bool dims);
    const std::optional<Color>& borderColor() const { return borderColor_; }
    void setBorderColor(std::optional<Color> color);
    double borderOpacity() const { return borderOpacity_; }
    void setBorderOpacity(double opacity);
    double dimOpacity() const { return dimOpacity_; }
    void setDimOpacity(double opacity);
    bool isSuspended() const { return isSuspended_; }
    void setSuspended(bool suspended);

    bool isShowing() const { return isShowing_; }

  private:
    bool isActive() const { return (showsBorder_ || dims_) && !isSuspended_; }
    void update();
    void watch(std::optional<AXWindow> window);
    void notified(const std::string& notification);
    void refresh();
    // The window's frame when every condition for decorating it holds.
    std::optional<Rect> decoratedFrame(const AXWindow& window) const;
    void show(const Rect& frame, WindowId window, const std::vector<Screen>& screens);
    void hide();
    Panel& border();
    Panel& shade();

    Accessibility& accessibility_;
    WindowList& windowList_;
    Displays& displays_;
    Panels& panels_;
    MainQueue& queue_;
    std::int32_t ownPid_;

    bool showsBorder_ = false;
    bool dims_ = false;
    std::optional<Color> borderColor_;
    double borderOpacity_ = 1.0;
    double dimOpacity_ = 0.3;
    bool isSuspended_ = false;
    std::optional<AXWindow> target_;
    std::unique_ptr<AXObserver> observer_;
    std::optional<WindowId> watched_;
    HeldWork recheck_{queue_};
    bool isShowing_ = false;
    std::unique_ptr<Panel> border_;
    std::unique_ptr<Panel> shade_;
};

} // namespace quillmere
