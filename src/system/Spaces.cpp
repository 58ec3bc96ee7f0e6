#include "system/Spaces.h"

#include "core/SpanningSpace.h"
#include "platform/Log.h"
#include "system/WindowSpaceMove.h"

#include <algorithm>

namespace quillmere {

namespace {

using Dictionaries = std::vector<const PropertyList*>;

// The elements of an array of dictionaries; empty for anything else, as a failed cast of the whole answer.
Dictionaries dictionaries(const PropertyList* value) {
    const PropertyList::Array* array = value ? value->array() : nullptr;
    if (!array)
        return {};
    Dictionaries result;
    for (const PropertyList& element : *array) {
        if (!element.dictionary())
            return {};
        result.push_back(&element);
    }
    return result;
}

std::optional<std::int64_t> integer(const PropertyList& dictionary, std::string_view key) {
    const PropertyList* value = dictionary.find(key);
    return value ? value->integer() : std::nullopt;
}

const std::string* text(const PropertyList& dictionary, std::string_view key) {
    const PropertyList* value = dictionary.find(key);
    return value ? value->string() : nullptr;
}

// The four Space fields of one display entry.
struct DesktopList {
    std::vector<SpaceId> spaces;
    SpaceId current = 0;
    std::vector<SpaceId> order;
    std::map<SpaceId, FullScreenTiles> fullScreen;
};

DesktopList desktopList(const PropertyList& entry) {
    DesktopList list;
    for (const PropertyList* space : dictionaries(entry.find("Spaces"))) {
        const auto id = integer(*space, "ManagedSpaceID");
        const bool isDesktop = integer(*space, "type") == 0;
        if (!id)
            continue;
        const auto spaceId = static_cast<SpaceId>(*id);
        list.order.push_back(spaceId);
        if (isDesktop) {
            list.spaces.push_back(spaceId);
        } else if (!space->dictionary()->empty() && !list.fullScreen.contains(spaceId)) {
            if (auto tiles = FullScreenTiles::fromEntry(*space))
                list.fullScreen.emplace(spaceId, std::move(*tiles));
        }
    }
    const PropertyList* current = entry.find("Current Space");
    const auto shown = current ? integer(*current, "ManagedSpaceID") : std::nullopt;
    if (shown)
        list.current = static_cast<SpaceId>(*shown);
    else if (!list.spaces.empty())
        list.current = list.spaces.front();
    return list;
}

} // namespace

Spaces::Spaces(WindowServer& windowServer, WindowList& windowList, Displays& displays)
    : windowServer_(windowServer), windowList_(windowList), displays_(displays) {}

ConnectionId Spaces::connection() {
    if (!connection_)
        connection_ = windowServer_.mainConnection();
    return *connection_;
}

Desktops Spaces::desktops() {
    const auto answer = windowServer_.managedDisplaySpaces(connection());
    const Dictionaries entries = dictionaries(answer ? &*answer : nullptr);

    const auto isMain = [](const PropertyList& entry) {
        const std::string* id = text(entry, "Display Identifier");
        return id && *id == "Main";
    };
    if (entries.size() == 1 && !entries.front()->dictionary()->empty() && isMain(*entries.front())) {
        const DesktopList list = desktopList(*entries.front());
        std::vector<Desktops::Screen> screens;
        for (const Screen& screen : displays_.screens()) {
            const std::string id = identifier(screen).value_or(screen.localizedName);
            screens.push_back({id, identity(screen), displays_.bounds(displayID(screen)), index(id)});
        }
        latest_ = Desktops::spanning(screens, list.spaces, list.current, list.order, list.fullScreen);
        return *latest_;
    }

    std::vector<DisplaySpaces> displays;
    for (const PropertyList* entry : entries) {
        const std::string* id = text(*entry, "Display Identifier");
        if (entry->dictionary()->empty() || !id)
            continue;
        const auto shownOn = screen(*id);
        if (!shownOn)
            continue;
        DesktopList list = desktopList(*entry);
        displays.emplace_back(*id, identity(*shownOn), displays_.bounds(displayID(*shownOn)),
                              std::move(list.spaces), list.current, std::move(list.order),
                              std::move(list.fullScreen));
    }
    latest_ =
        Desktops(std::move(displays), windowServer_.activeMenuBarDisplayIdentifier(connection()), false);
    return *latest_;
}

int Spaces::mostDesktops() {
    std::size_t most = 1;
    const Desktops model = desktops();
    for (const DisplaySpaces& display : model.displays())
        most = std::max(most, display.spaces.size());
    return static_cast<int>(most);
}

std::optional<SpaceId> Spaces::realSpace(WindowId of) {
    const auto answer = windowServer_.spacesForWindows(connection(), WindowServer::allSpacesMask, {of});
    const PropertyList::Array* ids = answer ? answer->array() : nullptr;
    if (!ids || ids->size() != 1)
        return std::nullopt;
    const auto id = ids->front().integer();
    return id ? std::optional(static_cast<SpaceId>(*id)) : std::nullopt;
}

std::optional<SpaceId> Spaces::space(WindowId of, std::optional<Rect> bounds) {
    const auto real = realSpace(of);
    if (!real)
        return std::nullopt;
    if (!latest_)
        desktops();
    if (!latest_->spansDisplays())
        return real;
    const auto rect = bounds ? bounds : windowBounds(of);
    if (!rect)
        return real;

    const DisplaySpaces* best = nullptr;
    double bestArea = 0;
    for (const DisplaySpaces& display : latest_->displays()) {
        const Rect common = display.frame.intersection(*rect);
        const double area = common.isNull() ? 0 : common.area();
        if (!best || area > bestArea) {
            best = &display;
            bestArea = area;
        }
    }
    if (!best)
        return real;
    // The display's own index, not the one in `current`: while the display shows a full-screen Space its
    // `current` is a real id that carries no index, and every Desktop window would keep its real id.
    const auto own = displayIndexes_.find(best->id);
    if (own == displayIndexes_.end())
        return real;
    const auto candidate = SpanningSpace::id(*real, own->second);
    if (candidate && std::ranges::find(best->spaces, *candidate) != best->spaces.end())
        return candidate;
    return real;
}

std::optional<Rect> Spaces::windowBounds(WindowId window) {
    const auto descriptions = windowList_.describe({window});
    if (descriptions.empty())
        return std::nullopt;
    return descriptions.front().bounds;
}

std::optional<Screen> Spaces::screen(const std::string& id) {
    if (id == "Main")
        return displays_.mainScreen();
    for (const Screen& screen : displays_.screens())
        if (identifier(screen) == id)
            return screen;
    return std::nullopt;
}

std::optional<Screen> Spaces::screen(SpaceId of) {
    const Desktops model = desktops();
    if (const DisplaySpaces* holder = model.display(of))
        if (auto found = screen(holder->id))
            return found;
    return displays_.mainScreen();
}

std::optional<Screen> Spaces::screenMatching(const std::string& text) {
    if (auto found = screen(text))
        return found;
    for (const Screen& screen : displays_.screens())
        if (identity(screen).signature() == text)
            return screen;
    return std::nullopt;
}

std::string Spaces::describe(SpaceId space, const DisplaySpaces& on) {
    const auto found = std::ranges::find(on.spaces, space);
    if (found == on.spaces.end())
        return "full screen";
    return "desktop " + std::to_string(found - on.spaces.begin() + 1);
}

void Spaces::move(WindowId window, SpaceId to) {
    const SpaceId target = latest_ ? Desktops::real(to) : to;
    // A per-display id may name the Space the window is on already; a real id is handed over untested.
    if (target != to && realSpace(window) == target)
        return;
    if (!WSMoveBridged(windowServer_, window, target))
        log(LogLevel::error, "bridged move unavailable");
}

DisplayId Spaces::displayID(const Screen& screen) {
    return screen.number.value_or(displays_.mainDisplay());
}

int Spaces::index(const std::string& id) {
    const auto next = static_cast<int>(displayIndexes_.size());
    return displayIndexes_.try_emplace(id, next).first->second;
}

std::optional<std::string> Spaces::identifier(const Screen& screen) {
    return displays_.uuid(displayID(screen));
}

DisplayIdentity Spaces::identity(const Screen& screen) {
    const DisplayHardware hardware = displays_.hardware(displayID(screen));
    return {screen.localizedName, hardware.vendor, hardware.model, hardware.serial, hardware.builtIn};
}

} // namespace quillmere
