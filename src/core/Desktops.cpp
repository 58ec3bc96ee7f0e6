#include "core/Desktops.h"

#include "core/SpanningSpace.h"

#include <algorithm>
#include <functional>

namespace quillmere {

namespace {

std::optional<int> onePlaceOf(const std::vector<SpaceId>& list, SpaceId space) {
    const auto found = std::ranges::find(list, space);
    if (found == list.end())
        return std::nullopt;
    return static_cast<int>(found - list.begin()) + 1;
}

std::optional<SpaceId> atOnePlace(const std::vector<SpaceId>& list, std::int64_t place) {
    if (place < 1 || static_cast<std::uint64_t>(place) > list.size())
        return std::nullopt;
    return list[static_cast<std::size_t>(place) - 1];
}

bool atZero(const Rect& frame) {
    return frame.origin == Point{0, 0};
}

} // namespace

Desktops::Desktops(std::vector<DisplaySpaces> displays, std::optional<std::string> activeID,
                   bool spansDisplays)
    : displays_(std::move(displays)), spansDisplays_(spansDisplays) {
    std::ranges::stable_sort(displays_, [](const DisplaySpaces& a, const DisplaySpaces& b) {
        if (a.frame.minX() != b.frame.minX())
            return a.frame.minX() < b.frame.minX();
        return a.frame.minY() < b.frame.minY();
    });
    if (displays_.empty())
        return;
    const auto named =
        std::ranges::find_if(displays_, [&](const DisplaySpaces& d) { return d.id == activeID; });
    active_ = named == displays_.end() ? 0 : static_cast<std::size_t>(named - displays_.begin());
}

Desktops Desktops::spanning(const std::vector<Screen>& screens, const std::vector<SpaceId>& spaces,
                            SpaceId current, const std::optional<std::vector<SpaceId>>& order,
                            const std::map<SpaceId, FullScreenTiles>& fullScreen) {
    const auto isDesktop = [&spaces](SpaceId space) {
        return std::ranges::find(spaces, space) != spaces.end();
    };
    std::vector<DisplaySpaces> displays;
    std::optional<std::string> activeID;
    for (const Screen& screen : screens) {
        const auto own = [&screen, &isDesktop](SpaceId space) {
            return isDesktop(space) ? SpanningSpace::id(space, screen.index).value_or(space) : space;
        };
        std::vector<SpaceId> ownSpaces;
        std::ranges::transform(spaces, std::back_inserter(ownSpaces), own);
        std::vector<SpaceId> ownOrder;
        std::ranges::transform(order.value_or(spaces), std::back_inserter(ownOrder), own);
        displays.emplace_back(screen.id, screen.identity, screen.frame, std::move(ownSpaces), own(current),
                              std::move(ownOrder), fullScreen);
        if (!activeID && atZero(screen.frame))
            activeID = screen.id;
    }
    if (!activeID && !displays.empty())
        activeID = displays.front().id;
    return Desktops(std::move(displays), activeID, true);
}

SpaceId Desktops::real(SpaceId id) {
    return SpanningSpace::real(id);
}

const DisplaySpaces* Desktops::active() const {
    return active_ ? &displays_[*active_] : nullptr;
}

const DisplaySpaces* Desktops::main() const {
    const auto found =
        std::ranges::find_if(displays_, [](const DisplaySpaces& d) { return atZero(d.frame); });
    return found == displays_.end() ? active() : &*found;
}

std::optional<SpaceId> Desktops::activeSpace() const {
    const DisplaySpaces* display = active();
    return display ? std::optional(display->current) : std::nullopt;
}

std::vector<SpaceId> Desktops::visible() const {
    std::vector<SpaceId> result;
    for (const DisplaySpaces& display : displays_)
        result.push_back(display.current);
    return result;
}

std::vector<SpaceId> Desktops::allSpaces() const {
    std::vector<SpaceId> result;
    for (const DisplaySpaces& display : displays_)
        result.insert(result.end(), display.spaces.begin(), display.spaces.end());
    return result;
}

const DisplaySpaces* Desktops::display(SpaceId space) const {
    const auto found = std::ranges::find_if(displays_, [space](const DisplaySpaces& d) {
        return std::ranges::find(d.order, space) != d.order.end();
    });
    return found == displays_.end() ? nullptr : &*found;
}

bool Desktops::isFullScreen(SpaceId space) const {
    const DisplaySpaces* holder = display(space);
    return holder && holder->isFullScreen(space);
}

const FullScreenTiles* Desktops::tiles(SpaceId space) const {
    const DisplaySpaces* holder = display(space);
    if (!holder)
        return nullptr;
    const auto found = holder->fullScreen.find(space);
    return found == holder->fullScreen.end() ? nullptr : &found->second;
}

std::optional<int> Desktops::number(SpaceId space) const {
    const DisplaySpaces* holder = display(space);
    return holder ? onePlaceOf(holder->spaces, space) : std::nullopt;
}

std::optional<int> Desktops::position(SpaceId space) const {
    const DisplaySpaces* holder = display(space);
    return holder ? onePlaceOf(holder->order, space) : std::nullopt;
}

std::optional<SpaceId> Desktops::spaceAtPosition(std::int64_t position, const DisplaySpaces& display) {
    return atOnePlace(display.order, position);
}

std::optional<SpaceId> Desktops::spaceNumbered(std::int64_t number, const DisplaySpaces& display) {
    return atOnePlace(display.spaces, number);
}

const DisplaySpaces* Desktops::neighbor(const DisplaySpaces& display, bool forward) const {
    const std::size_t n = displays_.size();
    if (n < 2)
        return nullptr;
    const auto found = std::ranges::find(displays_, display);
    if (found == displays_.end())
        return nullptr;
    const auto index = static_cast<std::size_t>(found - displays_.begin());
    return &displays_[forward ? (index + 1) % n : (index + n - 1) % n];
}

const DisplaySpaces* Desktops::display(Point point) const {
    const auto found =
        std::ranges::find_if(displays_, [point](const DisplaySpaces& d) { return d.frame.contains(point); });
    return found == displays_.end() ? nullptr : &*found;
}

bool Desktops::isOuterEdge(bool right, const DisplaySpaces& display) const {
    const Point probe{right ? display.frame.maxX() + 1 : display.frame.minX() - 1, display.frame.midY()};
    return this->display(probe) == nullptr;
}

std::string Desktops::fingerprint() const {
    std::vector<std::string> ids;
    for (const DisplaySpaces& display : displays_)
        ids.push_back(display.id);
    std::ranges::sort(ids);
    std::string result;
    for (const std::string& id : ids)
        result += (result.empty() ? "" : " + ") + id;
    return result;
}

std::set<std::string> Desktops::signatures() const {
    std::set<std::string> result;
    for (const DisplaySpaces& display : displays_)
        result.insert(display.identity.signature());
    return result;
}

std::map<std::string, DisplaySpaces> Desktops::assign(const std::vector<DisplayIdentity>& recorded) const {
    std::vector<const DisplaySpaces*> remaining;
    for (const DisplaySpaces& display : displays_)
        remaining.push_back(&display);
    std::map<std::string, DisplaySpaces> result;
    const auto pass =
        [&](const std::function<bool(const DisplayIdentity&, const DisplayIdentity&)>& matches) {
            for (const DisplayIdentity& identity : recorded) {
                std::string signature = identity.signature();
                if (result.contains(signature))
                    continue;
                const auto found = std::ranges::find_if(remaining, [&](const DisplaySpaces* display) {
                    return matches(identity, display->identity);
                });
                if (found == remaining.end())
                    continue;
                result.emplace(std::move(signature), **found);
                remaining.erase(found);
            }
        };
    pass([](const DisplayIdentity& r, const DisplayIdentity& d) { return r.signature() == d.signature(); });
    pass([](const DisplayIdentity& r, const DisplayIdentity& d) { return r.name == d.name; });
    std::ranges::stable_sort(remaining, std::greater<>{},
                             [](const DisplaySpaces* d) { return d->frame.area(); });
    pass([](const DisplayIdentity& r, const DisplayIdentity& d) { return r.builtIn == d.builtIn; });
    return result;
}

bool operator==(const Desktops& a, const Desktops& b) {
    if (a.displays_ != b.displays_ || a.spansDisplays_ != b.spansDisplays_)
        return false;
    const DisplaySpaces* x = a.active();
    const DisplaySpaces* y = b.active();
    return x && y ? *x == *y : x == y;
}

} // namespace quillmere
