#include "core/DisplaySpaces.h"

#include <algorithm>

namespace quillmere {

namespace {

std::optional<std::size_t> indexOf(const std::vector<SpaceId>& list, SpaceId space) {
    const auto found = std::ranges::find(list, space);
    if (found == list.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - list.begin());
}

} // namespace

DisplaySpaces::DisplaySpaces(std::string id, DisplayIdentity identity, Rect frame,
                             std::vector<SpaceId> spaces, SpaceId current,
                             std::optional<std::vector<SpaceId>> order,
                             std::map<SpaceId, FullScreenTiles> fullScreen)
    : id(std::move(id)), identity(std::move(identity)), frame(frame), spaces(std::move(spaces)),
      current(current), order(order ? std::move(*order) : this->spaces), fullScreen(std::move(fullScreen)) {}

bool DisplaySpaces::isDesktop(SpaceId space) const {
    return std::ranges::find(spaces, space) != spaces.end();
}

std::vector<SpaceId> DisplaySpaces::fullScreenSpaces() const {
    std::vector<SpaceId> result;
    for (SpaceId space : order)
        if (!isDesktop(space))
            result.push_back(space);
    return result;
}

bool DisplaySpaces::isFullScreen(SpaceId space) const {
    return indexOf(order, space) && !isDesktop(space);
}

std::optional<int> DisplaySpaces::steps(SpaceId to, std::optional<SpaceId> from) const {
    const auto target = indexOf(order, to);
    const auto start = indexOf(order, from.value_or(current));
    if (!target || !start)
        return std::nullopt;
    return static_cast<int>(*target) - static_cast<int>(*start);
}

std::optional<SpaceId> DisplaySpaces::desktop(SpaceId after, bool forward) const {
    return walk(after, forward, true);
}

std::optional<SpaceId> DisplaySpaces::fullScreenSpace(SpaceId after, bool forward) const {
    return walk(after, forward, false);
}

std::optional<SpaceId> DisplaySpaces::walk(SpaceId after, bool forward, bool wantDesktop) const {
    const auto start = indexOf(order, after);
    if (!start)
        return std::nullopt;
    const std::size_t n = order.size();
    for (std::size_t j = 1; j <= n; ++j) {
        const std::size_t index = forward ? (*start + j) % n : (*start + n - j) % n;
        const SpaceId candidate = order[index];
        if (candidate != after && isDesktop(candidate) == wantDesktop)
            return candidate;
    }
    return std::nullopt;
}

} // namespace quillmere
