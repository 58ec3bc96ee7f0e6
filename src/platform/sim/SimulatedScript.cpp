#include "platform/sim/SimulatedDesktop.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace quillmere {

namespace {

std::string madeUpUuid(DisplayId number) {
    char text[37];
    std::snprintf(text, sizeof text, "51A1D15B-0000-4000-8000-%012X", number);
    return text;
}

} // namespace

DisplayId SimulatedDesktop::addDisplay(const DisplaySetup& setup) {
    if (setup.desktops < 1)
        throw std::invalid_argument("a display needs at least one Desktop");
    sim::Display added;
    added.number = nextDisplay_++;
    added.uuid = setup.uuid.value_or(madeUpUuid(added.number));
    added.identity = {setup.name, setup.vendor, setup.model, setup.serial, setup.builtIn};
    added.bounds = setup.bounds;
    if (form_ == SpaceListForm::perDisplay)
        added.spaces = returningSpaces(added.uuid, setup);
    else if (sharedSpaces_.spaces.empty())
        sharedSpaces_ = returningSpaces(added.uuid, setup);
    displays_.push_back(std::move(added));
    if (!activeDisplay_)
        activeDisplay_ = displays_.back().number;
    pointer_ = confined(pointer_);
    changed();
    post(applicationDidChangeScreenParametersNotification);
    return displays_.back().number;
}

void SimulatedDesktop::removeDisplay(DisplayId number) {
    const sim::Display removed = displayOrThrow(number);
    post(applicationDidChangeScreenParametersNotification);
    rememberSpaces(removed);
    std::erase_if(displays_, [number](const sim::Display& d) { return d.number == number; });
    changed();
    if (activeDisplay_ == number)
        activeDisplay_ =
            displays_.empty() ? std::nullopt : std::optional(displaysInScreenOrder().front()->number);

    sim::Display* main = displays_.empty() ? nullptr : display(displaysInScreenOrder().front()->number);
    for (auto& [id, window] : windows_) {
        const bool wasThere =
            form_ == SpaceListForm::shared
                ? removed.bounds.contains(window.frame.center())
                : std::ranges::any_of(window.spaces, [&](SpaceId s) { return removed.spaces.find(s); });
        if (!wasThere)
            continue;
        if (!main) {
            if (form_ == SpaceListForm::perDisplay)
                window.spaces.clear();
            continue;
        }
        if (form_ == SpaceListForm::perDisplay) {
            const sim::Space* was = removed.spaces.find(window.spaces.front());
            if (was && was->fullScreen)
                window.frame = window.frameBeforeFullScreen;
            window.spaces = {main->spaces.homeDesktop()};
        }
        setFrame(window, window.frame.offsetBy(main->bounds.minX() - removed.bounds.minX(),
                                               main->bounds.minY() - removed.bounds.minY()));
    }

    // The display at the origin carries the menu bar; another one takes its place.
    if (main && main->bounds.origin != Point{0, 0}) {
        const Point shift{-main->bounds.minX(), -main->bounds.minY()};
        for (sim::Display& display : displays_)
            display.bounds = display.bounds.offsetBy(shift.x, shift.y);
        for (auto& [id, window] : windows_)
            setFrame(window, window.frame.offsetBy(shift.x, shift.y));
        pointer_ = {pointer_.x + shift.x, pointer_.y + shift.y};
    }
    pointer_ = confined(pointer_);
}

SpaceId SimulatedDesktop::addDesktop(DisplayId number) {
    sim::SpaceList& list = listOf(displayOrThrow(number));
    list.spaces.push_back({newSpaceId()});
    changed();
    return list.spaces.back().id;
}

std::int32_t SimulatedDesktop::launch(const AppSetup& setup) {
    const std::int32_t pid = nextPid_++;
    sim::Application launched;
    launched.info = {pid, setup.bundleIdentifier, setup.name, setup.policy, setup.launchDate};
    launched.process = {0, nextProcess_++};
    apps_.emplace(pid, std::move(launched));
    post(didLaunchApplicationNotification, apps_.at(pid).info);
    changed();
    return pid;
}

void SimulatedDesktop::quit(std::int32_t pid) {
    post(didTerminateApplicationNotification, appOrThrow(pid).info);
    for (WindowId number : windowsOf(pid))
        forget(number);
    apps_.erase(pid);
    if (front_ == pid)
        setFront(std::nullopt);
    changed();
}

WindowId SimulatedDesktop::openWindow(std::int32_t pid, const WindowSetup& setup) {
    appOrThrow(pid);
    while (!setup.number && windows_.contains(nextWindow_))
        ++nextWindow_;
    const WindowId number = setup.number.value_or(nextWindow_++);
    if (windows_.contains(number))
        throw std::invalid_argument("window " + std::to_string(number) + " is open already");

    sim::Window opened;
    opened.number = number;
    opened.pid = pid;
    opened.element = newElement({sim::ElementTarget::Kind::window, pid, number});
    opened.title = setup.title;
    opened.role = setup.role;
    opened.subrole = setup.subrole;
    opened.minimumSize = setup.minimumSize;
    opened.maximumSize = setup.maximumSize;
    opened.frame = {setup.frame.origin, acceptedSize(opened, setup.frame.size)};
    opened.unsettable.insert(setup.unsettable.begin(), setup.unsettable.end());
    opened.layer = setup.layer;
    opened.hasCloseButton = setup.closeButton;
    opened.onAllSpaces = setup.onAllSpaces;
    if (setup.space) {
        if (!listHolding(*setup.space))
            throw std::invalid_argument("no space " + std::to_string(*setup.space));
        opened.spaces = {*setup.space};
    } else if (!setup.onAllSpaces) {
        sim::Display* shownOn = displayAt(opened.frame.center());
        if (!shownOn && activeDisplay_)
            shownOn = display(*activeDisplay_);
        if (shownOn)
            opened.spaces = {listOf(*shownOn).homeDesktop()};
    }
    windows_.emplace(number, std::move(opened));
    stacking_.insert(stacking_.begin(), number);
    notify(pid, windows_.at(number).element, "AXWindowCreated");
    return number;
}

void SimulatedDesktop::moveWindow(WindowId number, Point origin) {
    sim::Window& moved = windowOrThrow(number);
    setFrame(moved, {origin, moved.frame.size});
    followDisplay(moved);
}

void SimulatedDesktop::resizeWindow(WindowId number, Size size) {
    sim::Window& resized = windowOrThrow(number);
    setFrame(resized, {resized.frame.origin, acceptedSize(resized, size)});
}

void SimulatedDesktop::closeWindow(WindowId number) {
    windowOrThrow(number);
    forget(number);
}

void SimulatedDesktop::minimize(WindowId number, bool minimized) {
    setMinimized(windowOrThrow(number), minimized);
}

void SimulatedDesktop::focus(WindowId number) {
    sim::Window& focused = windowOrThrow(number);
    unhide(focused.pid);
    setMinimized(focused, false);
    if (!isShown(focused) && !focused.spaces.empty()) {
        listHolding(focused.spaces.front())->current = focused.spaces.front();
        spaceChanged();
    }
    raise(number);
    setFocusedWindow(appOrThrow(focused.pid), number);
    setFront(focused.pid);
}

SpaceId SimulatedDesktop::enterFullScreen(const std::vector<WindowId>& windows) {
    if (windows.empty() || windows.size() > 2)
        throw std::invalid_argument("full screen holds one or two windows");
    for (WindowId number : windows) {
        const sim::Window& entering = windowOrThrow(number);
        if (entering.onAllSpaces || entering.spaces.size() != 1 || fullScreenSpace(entering))
            throw std::invalid_argument("window " + std::to_string(number) + " is not on one Desktop");
    }
    return makeFullScreen(windows);
}

void SimulatedDesktop::exitFullScreen(WindowId number) {
    sim::Window& leaving = windowOrThrow(number);
    if (!fullScreenSpace(leaving))
        throw std::invalid_argument("window " + std::to_string(number) + " is not in full screen");
    leaveFullScreen(leaving);
}

void SimulatedDesktop::switchSpace(DisplayId number, SpaceId space) {
    sim::SpaceList& list = listOf(displayOrThrow(number));
    if (!list.find(space))
        throw std::invalid_argument("display " + std::to_string(number) + " has no space " +
                                    std::to_string(space));
    list.current = space;
    spaceChanged();
}

void SimulatedDesktop::setActiveDisplay(DisplayId number) {
    activeDisplay_ = displayOrThrow(number).number;
}

void SimulatedDesktop::failAttribute(WindowId number, std::string attribute) {
    windowOrThrow(number).failingAttributes.insert(std::move(attribute));
}

void SimulatedDesktop::setWindowNumberAnswer(WindowId number, sim::WindowNumberAnswer answer) {
    windowOrThrow(number).numberAnswer = answer;
}

void SimulatedDesktop::setResponding(std::int32_t pid, bool responding) {
    appOrThrow(pid).responding = responding;
}

std::optional<Rect> SimulatedDesktop::frame(WindowId number) const {
    const sim::Window* found = window(number);
    return found ? std::optional(found->frame) : std::nullopt;
}

std::vector<SpaceId> SimulatedDesktop::spaces(WindowId number) const {
    const sim::Window* found = window(number);
    if (!found)
        return {};
    return found->onAllSpaces ? everyDesktop() : found->spaces;
}

SpaceId SimulatedDesktop::currentSpace(DisplayId number) const {
    const sim::Display* found = display(number);
    if (!found)
        throw std::invalid_argument("no display " + std::to_string(number));
    return listOf(*found).current;
}

std::vector<SpaceId> SimulatedDesktop::spaceOrder(DisplayId number) const {
    const sim::Display* found = display(number);
    if (!found)
        throw std::invalid_argument("no display " + std::to_string(number));
    std::vector<SpaceId> result;
    for (const sim::Space& space : listOf(*found).spaces)
        result.push_back(space.id);
    return result;
}

void SimulatedDesktop::traceAccessibility(bool on) {
    tracing_ = on;
    trace_.clear();
}

} // namespace quillmere
