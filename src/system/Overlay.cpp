#include "system/Overlay.h"

#include "core/Overloaded.h"
#include "system/PanelFrame.h"

#include <array>
#include <chrono>

namespace quillmere {

namespace {

constexpr std::size_t index(Direction direction) {
    return static_cast<std::size_t>(direction);
}

// In the order of Direction: west, east, north, south.
constexpr std::array<const char*, 4> insertLabels{"Insert left of ", "Insert right of ", "Insert above ",
                                                  "Insert below "};
constexpr std::array<const char*, 4> insertSymbols{"arrow.left.to.line", "arrow.right.to.line",
                                                   "arrow.up.to.line", "arrow.down.to.line"};

PanelStyle overlayStyle() {
    return {
        .level = WindowLevel::floating,
        .collectionBehavior = CollectionBehavior::canJoinAllSpaces | CollectionBehavior::transient |
                              CollectionBehavior::fullScreenAuxiliary,
        .opaque = false,
        .background = Color::clear(),
        .ignoresMouseEvents = true,
        .hasShadow = false,
    };
}

} // namespace

std::string Overlay::Kind::label() const {
    return std::visit(
        Overloaded{
            [](const Swap& swap) { return "Swap with " + swap.with; },
            [](const Insert& insert) { return insertLabels[index(insert.side)] + insert.beside; },
            [](const Send& send) { return "Send to Space " + std::to_string(send.toSpace); },
            [](const MoveToDisplay& move) { return "Move to " + move.name; },
            [](const Refused& refused) { return refused.text; },
            [](const Hint& hint) { return hint.text; },
            [](const FillHole&) { return std::string("Fill empty tile"); },
            [](const Preselect&) { return std::string("Next window goes here"); },
        },
        value_);
}

std::string Overlay::Kind::symbol() const {
    return std::visit(Overloaded{
                          [](const Swap&) { return "arrow.left.arrow.right"; },
                          [](const Insert& insert) { return insertSymbols[index(insert.side)]; },
                          [](const Send&) { return "rectangle.portrait.and.arrow.right"; },
                          [](const MoveToDisplay&) { return "display"; },
                          [](const Refused&) { return "exclamationmark.triangle"; },
                          [](const Hint&) { return "hand.tap"; },
                          [](const FillHole&) { return "square.dashed.inset.filled"; },
                          [](const Preselect&) { return "plus.rectangle.on.rectangle"; },
                      },
                      value_);
}

SystemColor Overlay::Kind::tint() const {
    return std::visit(Overloaded{
                          [](const Swap&) { return SystemColor::orange; },
                          [](const Insert&) { return SystemColor::accent; },
                          [](const Send&) { return SystemColor::purple; },
                          [](const MoveToDisplay&) { return SystemColor::purple; },
                          [](const Refused&) { return SystemColor::red; },
                          [](const Hint&) { return SystemColor::blue; },
                          [](const FillHole&) { return SystemColor::green; },
                          [](const Preselect&) { return SystemColor::teal; },
                      },
                      value_);
}

Overlay::Overlay(Panels& panels, Displays& displays, MainQueue& queue)
    : panels_(panels), displays_(displays), queue_(queue),
      root_(std::make_shared<const OverlayView>(Kind::preselect())) {}

Overlay::~Overlay() = default;

void Overlay::show(const Rect& rect, const Kind& kind) {
    if (root_->kind != kind) {
        root_ = std::make_shared<const OverlayView>(kind);
        if (panel_)
            panel_->setContent(root_);
    }
    const std::vector<Screen> screens = displays_.screens();
    if (screens.empty())
        return;
    panel().setFrame(panelFrame(rect, screens.front()));
    panel().orderFrontRegardless();
}

void Overlay::flash(const Rect& rect, const Kind& kind, double seconds) {
    const std::uint64_t flash = ++flashes_;
    panel().setAlpha(1);
    show(rect, kind);
    const auto duration =
        std::chrono::duration_cast<MainQueue::Duration>(std::chrono::duration<double>(seconds));
    hideWork_.schedule(duration, [this, flash] {
        panel().animateAlpha(0, fadeSeconds, [this, flash] {
            // A flash that came during the fade owns the panel now and must stay shown.
            if (flash != flashes_)
                return;
            panel().orderOut();
            panel().setAlpha(1);
        });
    });
}

void Overlay::hide() {
    if (panel_)
        panel_->orderOut();
}

Panel& Overlay::panel() {
    if (!panel_) {
        panel_ = panels_.makePanel(overlayStyle());
        panel_->setContent(root_);
    }
    return *panel_;
}

} // namespace quillmere
