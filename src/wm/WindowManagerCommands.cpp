#include "core/Overloaded.h"
#include "system/AXUIElement.h"
#include "wm/WindowManagerCommandTarget.h"

#include <variant>

namespace quillmere {

void WindowManager::perform(const Command& command) {
    if (std::holds_alternative<Command::TogglePause>(command.value)) {
        togglePause();
        return;
    }
    if (gates_.pausedByHand) {
        log(LogLevel::default_, "%{public}s: paused", command.text());
        return;
    }
    if (!performWithoutWindow(command))
        performOnFocusedWindow(command);
}

bool WindowManager::performWithoutWindow(const Command& command) {
    bool handled = true;
    std::visit(Overloaded{
                   [this](const Command::FocusSpace& c) { focusSpace(c.number); },
                   [this](const Command::StepSpace& c) { stepSpace(c.forward); },
                   [this](const Command::StepFullScreen& c) { stepFullScreen(c.forward); },
                   [this](const Command::LastSpace&) { lastSpace(); },
                   [this](const Command::FocusDisplay& c) { focusDisplay(c.forward); },
                   [this](const Command::Capture& c) { capture(c.name, false); },
                   [this](const Command::Load& c) { loadByName(c.name); },
                   [this](const Command::Retile&) { spaceChanged(); },
                   [this](const Command::ToggleFullScreen&) { toggleFullScreen(); },
                   [this](const Command::FullScreenPair&) { fullScreenPair(); },
                   [&handled](const auto&) { handled = false; },
               },
               command.value);
    return handled;
}

void WindowManager::performOnFocusedWindow(const Command& command) {
    const auto window = focusedWindow();
    if (!window || !tracking_.windows.contains(window->id)) {
        log(LogLevel::default_, "%{public}s: no tracked window has focus", command.text());
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
            [](const auto&) { return none; },
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
        ax_.perform(*button, "AXPress");
}

} // namespace quillmere
