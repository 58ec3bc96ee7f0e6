#include "core/Overloaded.h"
#include "system/AXUIElement.h"
#include "wm/WindowManagerCommandTarget.h"

#include <concepts>
#include <variant>

namespace quillmere {

namespace {

// The commands that change the focused window's Space; every other command acts on Spaces, displays,
// profiles or the manager itself, focused window or not. Each alternative is in exactly one of the two
// visits below, so a new one does not compile until it is handled.
template <class Alternative>
concept OnFocusedWindow =
    std::same_as<Alternative, Command::Focus> || std::same_as<Alternative, Command::CycleStack> ||
    std::same_as<Alternative, Command::Swap> || std::same_as<Alternative, Command::MoveBorder> ||
    std::same_as<Alternative, Command::SetLayout> || std::same_as<Alternative, Command::Mirror> ||
    std::same_as<Alternative, Command::Rotate> || std::same_as<Alternative, Command::Preselect> ||
    std::same_as<Alternative, Command::Join> || std::same_as<Alternative, Command::ToggleZoom> ||
    std::same_as<Alternative, Command::ToggleFloat> || std::same_as<Alternative, Command::Balance> ||
    std::same_as<Alternative, Command::PopOut> || std::same_as<Alternative, Command::PopIn> ||
    std::same_as<Alternative, Command::ToggleSplit> || std::same_as<Alternative, Command::Resize> ||
    std::same_as<Alternative, Command::Restore> || std::same_as<Alternative, Command::Place> ||
    std::same_as<Alternative, Command::Close> || std::same_as<Alternative, Command::SendToSpace> ||
    std::same_as<Alternative, Command::SendToDisplay> || std::same_as<Alternative, Command::SendStep> ||
    std::same_as<Alternative, Command::Toggle> || std::same_as<Alternative, Command::OpenSettings>;

} // namespace

void WindowManager::perform(const Command& command) {
    if (gates_.pausedByHand && !std::holds_alternative<Command::TogglePause>(command.value)) {
        log(LogLevel::default_, "%{public}s: paused", command.text());
        return;
    }
    std::visit(Overloaded{
                   [this](const Command::TogglePause&) { togglePause(); },
                   [this](const Command::FocusSpace& c) { focusSpace(c.number); },
                   [this](const Command::StepSpace& c) { stepSpace(c.forward); },
                   [this](const Command::StepFullScreen& c) { stepFullScreen(c.forward); },
                   [this](const Command::LastSpace&) { lastSpace(); },
                   [this](const Command::FocusDisplay& c) { focusDisplay(c.forward); },
                   [this](const Command::Capture& c) { profiles_.capture(c.name, false); },
                   [this](const Command::Load& c) { profiles_.loadNamed(c.name); },
                   [this](const Command::Retile&) { spaceChanged(); },
                   [this](const Command::ToggleFullScreen&) { toggleFullScreen(); },
                   [this](const Command::FullScreenPair&) { outsideMoves_.pairFullScreen(); },
                   [this, &command](const OnFocusedWindow auto&) { performOnFocusedWindow(command); },
               },
               command.value);
}

void WindowManager::performOnFocusedWindow(const Command& command) {
    const auto window = focusedWindow();
    if (!window || !tracking_.windows.contains(window->id)) {
        log(LogLevel::default_, "%{public}s: no tracked window has focus", command.text());
        // A hot key or a command typed elsewhere that does nothing would leave the user guessing.
        flashNotice(command.text() + ": no window has focus");
        return;
    }
    // Without a Space there is no layout to change: one stored under a made-up Space would never be shown.
    const auto space = spaceOf(*window);
    const auto laidOut = space ? geometry(*space, spaces_.desktops()) : std::nullopt;
    if (!laidOut) {
        log(LogLevel::default_, "%{public}s: the focused window is on no Space", command.text());
        return;
    }
    CommandTarget target{*window, *space, laidOut->area, laidOut->spacing.gap, layout(*space)};
    finish(target, changeLayout(command, target));
}

WindowManager::Ending WindowManager::changeLayout(const Command& command, CommandTarget& target) {
    using enum Ending;
    const WindowId window = target.window.id;
    SpaceLayout& layout = target.layout;
    const Rect& area = target.area;
    const double gap = target.gap;
    return std::visit(
        Overloaded{
            [&](const Command::Focus& c) -> Ending {
                if (const auto next = layout.neighbor(window, c.direction, area))
                    focus(*next);
                return none;
            },
            [&](const Command::CycleStack& c) -> Ending {
                if (const auto next = layout.cycle(window, c.forward))
                    focus(*next);
                return none;
            },
            [&](const Command::Swap& c) {
                layout.swap(window, c.direction, area);
                return clearingRestorePoint;
            },
            [&](const Command::MoveBorder& c) {
                layout.moveBorder(window, c.axis, c.amount, area);
                return clearingRestorePoint;
            },
            [&](const Command::SetLayout& c) {
                layout.mode = c.mode;
                return clearingRestorePoint;
            },
            [&](const Command::Mirror& c) {
                layout.mirror(c.axis);
                return clearingRestorePoint;
            },
            [&](const Command::Rotate& c) {
                layout.rotate(c.rotation);
                return clearingRestorePoint;
            },
            [&](const Command::Preselect& c) {
                layout.preselect(c.direction, window);
                return clearingRestorePoint;
            },
            [&](const Command::Join& c) {
                layout.join(window, c.direction, area, gap);
                return clearingRestorePoint;
            },
            [&](const Command::ToggleZoom&) {
                layout.toggleZoom(window);
                return clearingRestorePoint;
            },
            [&](const Command::ToggleFloat&) {
                const auto last = arrangement_.lastFocusedTiled.find(target.space);
                const auto beside =
                    last == arrangement_.lastFocusedTiled.end() ? std::nullopt : std::optional(last->second);
                layout.toggleFloat(window, beside, area);
                return clearingRestorePoint;
            },
            [&](const Command::Balance&) {
                layout.balance();
                return clearingRestorePoint;
            },
            [&](const Command::PopOut&) {
                layout.popOut(window, area);
                return clearingRestorePoint;
            },
            [&](const Command::PopIn&) {
                layout.popIn();
                return clearingRestorePoint;
            },
            [&](const Command::ToggleSplit&) {
                layout.toggleSplit(window);
                return clearingRestorePoint;
            },
            [&](const Command::Resize& c) {
                layout.resize(window, c.grow, area, gap, tileMinimumSizes());
                return keepingRestorePoint;
            },
            [&](const Command::Restore&) {
                layout.restore(area);
                return keepingRestorePoint;
            },
            [&](const Command::Place& c) { return place(c.region, target); },
            [&](const Command::Close&) {
                close(target.window);
                return none;
            },
            [&](const Command::SendToSpace& c) {
                sendToSpace(c.number, window, target.space);
                return none;
            },
            [&](const Command::SendToDisplay& c) {
                sendToDisplay(c.forward, window, target.space);
                return none;
            },
            [&](const Command::SendStep& c) {
                sendToAdjacentSpace(window, c.forward);
                return none;
            },
            // Handled by the application before it gets here; all that is left is to lay the Space out again.
            [](const Command::Toggle&) { return clearingRestorePoint; },
            [](const Command::OpenSettings&) { return clearingRestorePoint; },
            // Never sent here: perform carries these out itself.
            []<class Other>(const Other&) requires(!OnFocusedWindow<Other>) { return none;
}
,
        },
        command.value);
}

void WindowManager::finish(CommandTarget& target, Ending ending) {
    if (ending == Ending::none)
        return;
    if (ending == Ending::clearingRestorePoint)
        target.layout.endSizingRun();
    arrangement_.layouts.insert_or_assign(target.space, std::move(target.layout));
    apply(target.space);
}

void WindowManager::close(const AXWindow& window) {
    if (const auto button = AXUIElementRef::value<AXElement>(ax_, window.element, "AXCloseButton"))
        // An application that refuses keeps its window, as after a click on its close button.
        (void)ax_.perform(*button, "AXPress");
}

} // namespace quillmere
