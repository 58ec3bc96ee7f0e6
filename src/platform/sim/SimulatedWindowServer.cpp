#include "platform/sim/SimulatedDesktop.h"

#include <algorithm>

namespace quillmere {

namespace {

// macOS marks a full-screen Space with this "type".
constexpr int fullScreenType = 4;
constexpr double menuBarHeight = 25;

PropertyList spaceId(SpaceId id) {
    return static_cast<std::int64_t>(id);
}

PropertyList rectangle(const Rect& rect) {
    return PropertyList::Dictionary{
        {"X", rect.minX()}, {"Y", rect.minY()}, {"Width", rect.width()}, {"Height", rect.height()}};
}

} // namespace

PropertyList SimulatedDesktop::spaceEntry(const sim::Space& space) const {
    PropertyList::Dictionary entry{
        {"ManagedSpaceID", spaceId(space.id)},
        {"id64", spaceId(space.id)},
        {"type", space.fullScreen ? fullScreenType : 0},
    };
    if (space.fullScreen) {
        PropertyList::Array tiles;
        for (WindowId number : space.tiles)
            tiles.push_back(PropertyList::Dictionary{{"TileWindowID", static_cast<std::int64_t>(number)},
                                                     {"TileRect", rectangle(windows_.at(number).frame)}});
        entry.emplace("TileLayoutManager", PropertyList::Dictionary{{"TileSpaces", std::move(tiles)},
                                                                    {"Layout Rect", rectangle(space.area)}});
    }
    return entry;
}

PropertyList SimulatedDesktop::displayEntry(const std::string& identifier, const sim::SpaceList& list) const {
    PropertyList::Array spaces;
    for (const sim::Space& space : list.spaces)
        spaces.push_back(spaceEntry(space));
    PropertyList::Dictionary entry{{"Display Identifier", identifier}, {"Spaces", std::move(spaces)}};
    if (const sim::Space* current = list.find(list.current))
        entry.emplace("Current Space", spaceEntry(*current));
    return entry;
}

std::optional<PropertyList> SimulatedDesktop::managedDisplaySpaces(ConnectionId asking) {
    if (asking != connection)
        return std::nullopt;
    if (spaceListOverride_)
        return spaceListOverride_;
    PropertyList::Array entries;
    if (form_ == SpaceListForm::shared) {
        if (!displays_.empty())
            entries.push_back(displayEntry("Main", sharedSpaces_));
    } else {
        for (const sim::Display& display : displays_)
            entries.push_back(displayEntry(display.uuid, display.spaces));
    }
    return PropertyList(std::move(entries));
}

std::optional<std::string> SimulatedDesktop::activeMenuBarDisplayIdentifier(ConnectionId asking) {
    if (asking != connection || !activeDisplay_)
        return std::nullopt;
    if (form_ == SpaceListForm::shared)
        return "Main";
    return display(*activeDisplay_)->uuid;
}

std::optional<PropertyList> SimulatedDesktop::spacesForWindows(ConnectionId asking, int,
                                                               const std::vector<WindowId>& windows) {
    if (asking != connection)
        return std::nullopt;
    std::vector<SpaceId> found;
    for (WindowId number : windows)
        for (SpaceId space : spaces(number))
            if (std::ranges::find(found, space) == found.end())
                found.push_back(space);
    PropertyList::Array answer;
    std::ranges::transform(found, std::back_inserter(answer), spaceId);
    return PropertyList(std::move(answer));
}

// The lookup runs once per process: a system found without the move keeps failing every move.
bool SimulatedDesktop::bridgedMoveIsAvailable() {
    if (!bridgedMoveFound_) {
        ++bridgedMoveLookups_;
        bridgedMoveFound_ = bridgedMoveAvailable_;
    }
    return *bridgedMoveFound_;
}

bool SimulatedDesktop::moveWindowsToManagedSpace(const std::vector<WindowId>& windows, SpaceId space) {
    if (!bridgedMoveIsAvailable())
        return false;
    queue_.after(MainQueue::Duration::zero(), lifetime_.guarded([this, windows, space] {
        for (WindowId number : windows)
            moveToSpace(number, space);
    }));
    return true;
}

Result<ProcessSerialNumber, StatusCode> SimulatedDesktop::processForPid(std::int32_t pid) {
    const sim::Application* found = app(pid);
    if (!found)
        return StatusCode::processNotFound;
    return found->process;
}

Result<std::int32_t, StatusCode> SimulatedDesktop::pidForProcess(const ProcessSerialNumber& process) {
    for (const auto& [pid, running] : apps_)
        if (running.process == process)
            return pid;
    return StatusCode::processNotFound;
}

Result<ProcessSerialNumber, StatusCode> SimulatedDesktop::frontProcess() {
    if (!front_ || frontProcessFails_)
        return StatusCode::processNotFound;
    return apps_.at(*front_).process;
}

StatusCode SimulatedDesktop::setFrontProcess(const ProcessSerialNumber& process, WindowId number,
                                             FrontProcessOptions options) {
    frontProcessRequests_.push_back({process, number, options});
    if (frontProcessFails_)
        return StatusCode::failure;
    const auto pid = pidForProcess(process);
    if (!pid)
        return pid.error();
    setFront(*pid);
    changed();
    const sim::Window* named = window(number);
    if (options == FrontProcessOptions::bringForward && named && named->pid == *pid)
        raise(number);
    return StatusCode::noError;
}

StatusCode SimulatedDesktop::postEventRecord(const ProcessSerialNumber& process,
                                             std::span<const std::uint8_t, eventRecordSize> record) {
    const auto pid = pidForProcess(process);
    if (!pid)
        return StatusCode::processNotFound;
    eventRecords_.emplace_back(record.begin(), record.end());
    readKeyWindowRecord(*pid, record);
    return StatusCode::noError;
}

Result<SymbolicHotKey, StatusCode> SimulatedDesktop::symbolicHotKey(int hotKey) {
    const auto found = symbolicHotKeys_.find(hotKey);
    if (found == symbolicHotKeys_.end())
        return StatusCode::failure;
    return found->second;
}

WindowDescription SimulatedDesktop::description(const sim::Window& window) const {
    const sim::Application* owner = app(window.pid);
    return {window.number,  window.pid,   owner ? owner->info.localizedName.value_or("") : "",
            window.title,   window.layer, window.frame,
            isShown(window), 1.0};
}

// The system's own panels lie above every application window.
std::vector<WindowDescription> SimulatedDesktop::onScreenWindows() {
    std::vector<WindowDescription> result;
    if (ownApplication_)
        for (const auto& [id, panel] : panels_)
            if (panel.visible)
                result.push_back({panelNumbers + static_cast<WindowId>(id), *ownApplication_,
                                  app(*ownApplication_) ? app(*ownApplication_)->info.localizedName.value_or("") : "",
                                  std::nullopt, static_cast<int>(panel.style.level), globalFrame(panel.frame), true,
                                  panel.alpha});
    for (WindowId number : stacking_)
        if (isShown(windows_.at(number)))
            result.push_back(description(windows_.at(number)));
    return result;
}

std::vector<WindowDescription> SimulatedDesktop::allWindows() {
    std::vector<WindowDescription> result;
    for (WindowId number : stacking_)
        result.push_back(description(windows_.at(number)));
    return result;
}

std::vector<WindowDescription> SimulatedDesktop::describe(const std::vector<WindowId>& windows) {
    std::vector<WindowDescription> result;
    for (WindowId number : windows)
        if (const sim::Window* found = window(number))
            result.push_back(description(*found));
    return result;
}

std::vector<DisplayId> SimulatedDesktop::activeDisplays() {
    std::vector<DisplayId> result;
    for (const sim::Display* display : displaysInScreenOrder())
        result.push_back(display->number);
    return result;
}

DisplayId SimulatedDesktop::mainDisplay() {
    const auto ordered = displaysInScreenOrder();
    return ordered.empty() ? 0 : ordered.front()->number;
}

Rect SimulatedDesktop::bounds(DisplayId number) {
    const sim::Display* found = display(number);
    return found ? found->bounds : Rect::null();
}

DisplayHardware SimulatedDesktop::hardware(DisplayId number) {
    const sim::Display* found = display(number);
    if (!found)
        return {};
    const DisplayIdentity& identity = found->identity;
    return {identity.vendor, identity.model, identity.serial, identity.builtIn};
}

std::optional<std::string> SimulatedDesktop::uuid(DisplayId number) {
    const sim::Display* found = display(number);
    return found ? std::optional(found->uuid) : std::nullopt;
}

// Screens count from the bottom left of the first screen, y upward.
Screen SimulatedDesktop::screen(const sim::Display& display) const {
    const double firstHeight = displaysInScreenOrder().front()->bounds.height();
    const Rect& bounds = display.bounds;
    const Rect frame(bounds.minX(), firstHeight - bounds.maxY(), bounds.width(), bounds.height());
    const Rect visible(frame.minX(), frame.minY(), frame.width(),
                       std::max(0.0, frame.height() - menuBarHeight));
    return {display.number, display.identity.name, frame, visible};
}

std::vector<Screen> SimulatedDesktop::screens() {
    std::vector<Screen> result;
    for (const sim::Display* display : displaysInScreenOrder())
        result.push_back(screen(*display));
    return result;
}

std::optional<Screen> SimulatedDesktop::mainScreen() {
    if (displays_.empty())
        return std::nullopt;
    const sim::Display* active = activeDisplay_ ? display(*activeDisplay_) : nullptr;
    return screen(active ? *active : *displaysInScreenOrder().front());
}

std::vector<RunningApplication> SimulatedDesktop::runningApplications() {
    std::vector<RunningApplication> result;
    for (const auto& [pid, running] : apps_)
        result.push_back(running.info);
    return result;
}

std::optional<RunningApplication> SimulatedDesktop::application(std::int32_t pid) {
    const sim::Application* found = app(pid);
    return found ? std::optional(found->info) : std::nullopt;
}

std::optional<RunningApplication> SimulatedDesktop::frontmostApplication() {
    return front_ ? application(*front_) : std::nullopt;
}

bool SimulatedDesktop::activate(std::int32_t pid) {
    const sim::Application* found = app(pid);
    if (!found)
        return false;
    setFront(pid);
    changed();
    if (found->focusedWindow)
        raise(*found->focusedWindow);
    return true;
}

} // namespace quillmere
