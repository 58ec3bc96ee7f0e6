#include "system/FocusHighlight.h"

#include "system/AXUIElement.h"
#include "system/PanelFrame.h"

#include <array>
#include <chrono>
#include <string_view>
#include <utility>

namespace quillmere {

namespace {

using AXUIElementRef::value;

constexpr auto recheckDelay = std::chrono::milliseconds(150);
// The stroke lies inside the border panel, so growing it by the line width puts the stroke just outside
// the window.
constexpr double borderOutset = BorderView::lineWidth;
constexpr std::array<std::string_view, 4> watchedNotifications{"AXMoved", "AXResized", "AXUIElementDestroyed",
                                                               "AXWindowMiniaturized"};

PanelStyle highlightStyle(Color background) {
    return {
        .level = WindowLevel::normal,
        .collectionBehavior = CollectionBehavior::canJoinAllSpaces | CollectionBehavior::transient |
                              CollectionBehavior::ignoresCycle,
        .opaque = false,
        .background = background,
        .ignoresMouseEvents = true,
        .hasShadow = false,
        .hidesOnDeactivate = false,
        .animates = false,
    };
}

// Among the screens that share some area with the rectangle, the one sharing the most; the first on a tie.
std::optional<Screen> screenShowing(const Rect& rect, const std::vector<Screen>& screens) {
    std::optional<Screen> best;
    double bestArea = 0;
    for (const Screen& screen : screens) {
        const Rect common = screen.frame.intersection(rect);
        const double area = common.isNull() ? 0 : common.area();
        if (area > bestArea) {
            best = screen;
            bestArea = area;
        }
    }
    return best;
}

} // namespace

FocusHighlight::FocusHighlight(Accessibility& accessibility, WindowList& windowList, Displays& displays,
                               Panels& panels, MainQueue& queue, std::int32_t ownPid)
    : accessibility_(accessibility), windowList_(windowList), displays_(displays), panels_(panels),
      queue_(queue), ownPid_(ownPid) {}

// Both the observer's callback and the re-check call back into this object.
FocusHighlight::~FocusHighlight() {
    observer_.reset();
}

void FocusHighlight::follow(std::optional<AXWindow> window) {
    target_ = window;
    update();
    recheck_.cancel();
    // Applications often move a window just after it gains focus, without telling observers yet.
    if (isActive())
        recheck_.schedule(recheckDelay, [this] { refresh(); });
}

void FocusHighlight::setShowsBorder(bool shows) {
    if (std::exchange(showsBorder_, shows) != shows)
        update();
}

void FocusHighlight::setDims(bool dims) {
    if (std::exchange(dims_, dims) != dims)
        update();
}

void FocusHighlight::setSuspended(bool suspended) {
    if (std::exchange(isSuspended_, suspended) != suspended)
        update();
}

void FocusHighlight::setBorderColor(std::optional<Color> color) {
    if (std::exchange(borderColor_, color) != color && border_)
        border_->setContent(std::make_shared<BorderView>(borderColor_, borderOpacity_));
}

void FocusHighlight::setBorderOpacity(double opacity) {
    if (std::exchange(borderOpacity_, opacity) != opacity && border_)
        border_->setContent(std::make_shared<BorderView>(borderColor_, borderOpacity_));
}

void FocusHighlight::setDimOpacity(double opacity) {
    if (std::exchange(dimOpacity_, opacity) != opacity && shade_)
        shade_->setBackground(Color::black(dimOpacity_));
}

void FocusHighlight::update() {
    if (isActive() && target_) {
        if (watched_ != target_->id)
            watch(target_);
    } else if (watched_) {
        watch(std::nullopt);
    }
    refresh();
}

void FocusHighlight::watch(std::optional<AXWindow> window) {
    observer_.reset();
    watched_.reset();
    if (!window)
        return;
    auto made = accessibility_.observer(
        window->pid, [this](AXElement, const std::string& notification) { notified(notification); });
    if (!made)
        return;
    std::unique_ptr<AXObserver> observer = std::move(made).value();
    // A notification that cannot be watched only leaves the border to the next focus change to catch up.
    for (const std::string_view notification : watchedNotifications)
        (void)observer->add(window->element, notification);
    observer_ = std::move(observer);
    watched_ = window->id;
}

void FocusHighlight::notified(const std::string& notification) {
    if (notification == "AXUIElementDestroyed")
        target_.reset();
    update();
}

void FocusHighlight::refresh() {
    const auto frame = isActive() && target_ ? decoratedFrame(*target_) : std::nullopt;
    const std::vector<Screen> screens = frame ? displays_.screens() : std::vector<Screen>{};
    if (frame && !screens.empty())
        show(*frame, target_->id, screens);
    else
        hide();
}

std::optional<Rect> FocusHighlight::decoratedFrame(const AXWindow& window) const {
    if (window.pid == ownPid_)
        return std::nullopt;
    const auto frame = window.frame(accessibility_);
    if (!frame || !(frame->width() > 0 && frame->height() > 0))
        return std::nullopt;
    if (value<bool>(accessibility_, window.element, "AXMinimized") == true ||
        value<bool>(accessibility_, window.element, "AXFullScreen") == true)
        return std::nullopt;
    const auto described = windowList_.describe({window.id});
    if (described.empty() || !described.front().isOnscreen)
        return std::nullopt;
    return frame;
}

void FocusHighlight::show(const Rect& frame, WindowId window, const std::vector<Screen>& screens) {
    const Rect shown = panelFrame(frame, screens.front());
    isShowing_ = true;
    if (showsBorder_) {
        border().setFrame(shown.insetBy(-borderOutset, -borderOutset));
        border().order(WindowOrderingMode::above, window);
    } else if (border_) {
        border_->orderOut();
    }
    const auto screen = dims_ ? screenShowing(shown, screens) : std::nullopt;
    if (screen) {
        shade().setFrame(screen->frame);
        shade().order(WindowOrderingMode::below, window);
    } else if (shade_) {
        shade_->orderOut();
    }
}

void FocusHighlight::hide() {
    if (!std::exchange(isShowing_, false))
        return;
    if (border_)
        border_->orderOut();
    if (shade_)
        shade_->orderOut();
}

Panel& FocusHighlight::border() {
    if (!border_) {
        border_ = panels_.makePanel(highlightStyle(Color::clear()));
        border_->setContent(std::make_shared<BorderView>(borderColor_, borderOpacity_));
    }
    return *border_;
}

Panel& FocusHighlight::shade() {
    if (!shade_)
        shade_ = panels_.makePanel(highlightStyle(Color::black(dimOpacity_)));
    return *shade_;
}

} // namespace quillmere
