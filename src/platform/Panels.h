#pragma once

#include "core/Geometry.h"
#include "core/WindowId.h"
#include "platform/Color.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace quillmere {

// What a panel shows. Whoever puts panels on screen knows how to draw each kind of view; a view never
// changes, new content is a new view.
class PanelView {
  public:
    virtual ~PanelView() = default;
};

// Window levels, lowest first.
enum class WindowLevel : int {
    normal = 0,
    floating = 3,
};

// How a panel takes part in Spaces and window cycling; flags to be or-ed.
namespace CollectionBehavior {
constexpr std::uint32_t canJoinAllSpaces = 1 << 0;
constexpr std::uint32_t transient = 1 << 3;
constexpr std::uint32_t ignoresCycle = 1 << 6;
constexpr std::uint32_t fullScreenAuxiliary = 1 << 8;
} // namespace CollectionBehavior

enum class WindowOrderingMode : int {
    below = -1,
    out = 0,
    above = 1,
};

// A panel is always borderless, without title bar, and never activates the application when shown.
struct PanelStyle {
    WindowLevel level = WindowLevel::normal;
    std::uint32_t collectionBehavior = 0;
    bool opaque = true;
    Color background = Color::clear();
    bool ignoresMouseEvents = false;
    bool hasShadow = true;
    bool hidesOnDeactivate = true;
    // False: shown and hidden at once, without the system's window animation.
    bool animates = true;

    friend bool operator==(const PanelStyle&, const PanelStyle&) = default;
};

// A window of the application's own, shown above other applications' windows. Frames are in the screens'
// coordinates (origin at the bottom left of the first screen, y upward). Made hidden, with alpha 1.
class Panel {
  public:
    virtual ~Panel() = default;

    // Redraws at once.
    virtual void setFrame(const Rect& frame) = 0;
    // Shows the panel just above or below another window; WindowOrderingMode::out hides it.
    virtual void order(WindowOrderingMode mode, WindowId relativeTo) = 0;
    // In front of every window of its level, even while the application is not active.
    virtual void orderFrontRegardless() = 0;
    virtual void orderOut() = 0;

    // Stops an alpha animation that is under way; its completion still runs when it was due.
    virtual void setAlpha(double alpha) = 0;
    // Animates alpha over the duration; the completion runs on the main queue when the animation ends,
    // whether it ran its course or was stopped, and never once the panel is destroyed.
    virtual void animateAlpha(double to, double seconds, std::function<void()> completion) = 0;

    virtual void setContent(std::shared_ptr<const PanelView> view) = 0;
    virtual void setBackground(Color color) = 0;
};

// Makes panels.
class Panels {
  public:
    virtual ~Panels() = default;

    virtual std::unique_ptr<Panel> makePanel(const PanelStyle& style) = 0;
};

} // namespace quillmere
