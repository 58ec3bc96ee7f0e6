#include "core/ProfileEditing.h"

#include "core/BSPTree.h"
#include "core/Lowercase.h"
#include "core/Trimming.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace quillmere {

namespace {

LayoutSnapshot h(double ratio, LayoutSnapshot first, LayoutSnapshot second) {
    return LayoutSnapshot::split(Axis::horizontal, ratio, std::move(first), std::move(second));
}

LayoutSnapshot v(double ratio, LayoutSnapshot first, LayoutSnapshot second) {
    return LayoutSnapshot::split(Axis::vertical, ratio, std::move(first), std::move(second));
}

LayoutSnapshot empty() {
    return LayoutSnapshot::tile();
}

// Both walks extend one path as they descend, so each entry costs its own path and nothing more.
void collectTiles(const LayoutSnapshot& node, Rect in, double gap, LayoutPath& path,
                  std::vector<LayoutTile>& into) {
    if (node.isTile()) {
        into.push_back(LayoutTile{path, node.refs(), in});
        return;
    }
    const auto [a, b] = in.split(node.axis(), node.ratio(), gap);
    path.push_back(false);
    collectTiles(node.first(), a, gap, path, into);
    path.back() = true;
    collectTiles(node.second(), b, gap, path, into);
    path.pop_back();
}

void collectDividers(const LayoutSnapshot& node, Rect in, double gap, LayoutPath& path,
                     std::vector<LayoutDivider>& into) {
    if (node.isTile())
        return;
    const auto [a, b] = in.split(node.axis(), node.ratio(), gap);
    const Rect strip = node.axis() == Axis::horizontal
                           ? Rect(a.maxX(), in.minY(), b.minX() - a.maxX(), in.height())
                           : Rect(in.minX(), a.maxY(), in.width(), b.minY() - a.maxY());
    into.push_back(LayoutDivider{path, node.axis(), strip, in});
    path.push_back(false);
    collectDividers(node.first(), a, gap, path, into);
    path.back() = true;
    collectDividers(node.second(), b, gap, path, into);
    path.pop_back();
}

LayoutSnapshot fillingEmptyTiles(const LayoutSnapshot& node, const std::vector<WindowRef>& refs,
                                 std::size_t& cursor) {
    if (node.isTile()) {
        if (node.refs().empty() && cursor < refs.size())
            return LayoutSnapshot::tile({refs[cursor++]});
        return node;
    }
    auto first = fillingEmptyTiles(node.first(), refs, cursor);
    auto second = fillingEmptyTiles(node.second(), refs, cursor);
    return LayoutSnapshot::split(node.axis(), node.ratio(), std::move(first), std::move(second));
}

LayoutSnapshot appendingToLastTile(const LayoutSnapshot& node, std::vector<WindowRef>::const_iterator from,
                                   std::vector<WindowRef>::const_iterator to) {
    if (node.isTile()) {
        auto refs = node.refs();
        refs.insert(refs.end(), from, to);
        return LayoutSnapshot::tile(std::move(refs));
    }
    return LayoutSnapshot::split(node.axis(), node.ratio(), node.first(),
                                 appendingToLastTile(node.second(), from, to));
}

class Numbering {
  public:
    WindowRef next(const WindowRef& ref) { return WindowRef{ref.app, counters_[ref.app]++}; }

    std::vector<WindowRef> next(const std::vector<WindowRef>& refs) {
        std::vector<WindowRef> result;
        for (const WindowRef& ref : refs)
            result.push_back(next(ref));
        return result;
    }

    LayoutSnapshot next(const LayoutSnapshot& node) {
        if (node.isTile())
            return LayoutSnapshot::tile(next(node.refs()));
        auto first = next(node.first());
        auto second = next(node.second());
        return LayoutSnapshot::split(node.axis(), node.ratio(), std::move(first), std::move(second));
    }

  private:
    std::map<std::string, std::int64_t> counters_;
};

std::string fileKey(std::string_view name) {
    return lowercased(profileFileName(name));
}

} // namespace

const std::vector<LayoutTemplate>& LayoutSnapshot::templates() {
    static const std::vector<LayoutTemplate> all{
        {"Single", empty()},
        {"Halves", h(0.5, empty(), empty())},
        {"⅔ + ⅓", h(2.0 / 3.0, empty(), empty())},
        {"Thirds", h(1.0 / 3.0, empty(), h(0.5, empty(), empty()))},
        {"Main + stack", h(0.5, empty(), v(0.5, empty(), empty()))},
        {"Rows", v(0.5, empty(), empty())},
        {"Quarters", h(0.5, v(0.5, empty(), empty()), v(0.5, empty(), empty()))},
    };
    return all;
}

std::vector<LayoutTile> LayoutSnapshot::tiles(Rect in, double gap) const {
    std::vector<LayoutTile> result;
    LayoutPath path;
    collectTiles(*this, in, gap, path, result);
    return result;
}

std::vector<LayoutDivider> LayoutSnapshot::dividers(Rect in, double gap) const {
    std::vector<LayoutDivider> result;
    LayoutPath path;
    collectDividers(*this, in, gap, path, result);
    return result;
}

std::optional<LayoutSnapshot> LayoutSnapshot::node(const LayoutPath& at) const {
    const LayoutSnapshot* current = this;
    for (bool second : at) {
        if (current->isTile())
            return std::nullopt;
        current = second ? &current->second() : &current->first();
    }
    return *current;
}

LayoutSnapshot LayoutSnapshot::replacing(const LayoutPath& at, const LayoutSnapshot& with) const {
    if (at.empty())
        return with;
    if (isTile())
        return *this;
    const LayoutPath rest(at.begin() + 1, at.end());
    if (at.front())
        return split(axis(), ratio(), first(), second().replacing(rest, with));
    return split(axis(), ratio(), first().replacing(rest, with), second());
}

LayoutSnapshot LayoutSnapshot::splitting(const LayoutPath& at, Axis along) const {
    const auto old = node(at);
    if (!old)
        return *this;
    return replacing(at, split(along, 0.5, *old, tile()));
}

LayoutSnapshot LayoutSnapshot::removing(const LayoutPath& at) const {
    if (at.empty())
        return tile();
    const LayoutPath parentPath(at.begin(), at.end() - 1);
    const auto parent = node(parentPath);
    if (!parent || parent->isTile())
        return *this;
    return replacing(parentPath, at.back() ? parent->first() : parent->second());
}

LayoutSnapshot LayoutSnapshot::settingRatio(const LayoutPath& at, double to) const {
    const auto old = node(at);
    // A drag across a zero-length split can give no number at all; that is no ratio to store.
    if (!old || old->isTile() || std::isnan(to))
        return *this;
    const double ratio = std::clamp(to, BSPTree::ratioMin, BSPTree::ratioMax);
    return replacing(at, split(old->axis(), ratio, old->first(), old->second()));
}

LayoutSnapshot LayoutSnapshot::filled(const std::vector<WindowRef>& with) const {
    std::size_t cursor = 0;
    LayoutSnapshot result = fillingEmptyTiles(*this, with, cursor);
    if (cursor == with.size())
        return result;
    return appendingToLastTile(result, with.begin() + static_cast<std::ptrdiff_t>(cursor), with.end());
}

const std::vector<ProfileIconGroup>& Profile::iconChoices() {
    static const std::vector<ProfileIconGroup> all{
        {"Work",
         {{"rectangle.stack", "Stack"},
          {"briefcase", "Briefcase"},
          {"laptopcomputer", "Laptop"},
          {"desktopcomputer", "Desktop computer"},
          {"display.2", "Two displays"},
          {"keyboard", "Keyboard"},
          {"terminal", "Terminal"},
          {"chevron.left.forwardslash.chevron.right", "Code"},
          {"hammer", "Hammer"},
          {"wrench.and.screwdriver", "Tools"},
          {"ladybug", "Bug"},
          {"chart.bar", "Chart"}}},
        {"People",
         {{"bubble.left.and.bubble.right", "Chat"},
          {"envelope", "Mail"},
          {"phone", "Phone"},
          {"video", "Video"},
          {"person", "Person"},
          {"person.2", "People"},
          {"calendar", "Calendar"},
          {"megaphone", "Megaphone"},
          {"graduationcap", "Graduation cap"},
          {"book", "Book"},
          {"doc.text", "Document"},
          {"newspaper", "Newspaper"}}},
        {"Making",
         {{"paintbrush", "Paintbrush"},
          {"pencil.and.ruler", "Pencil and ruler"},
          {"photo", "Photo"},
          {"camera", "Camera"},
          {"music.note", "Music"},
          {"film", "Film"},
          {"mic", "Microphone"},
          {"headphones", "Headphones"},
          {"gamecontroller", "Game controller"},
          {"puzzlepiece", "Puzzle piece"},
          {"cube", "Cube"},
          {"sparkles", "Sparkles"}}},
        {"Places",
         {{"house", "House"},
          {"building.2", "Office"},
          {"airplane", "Airplane"},
          {"car", "Car"},
          {"cup.and.saucer", "Coffee"},
          {"fork.knife", "Food"},
          {"sun.max", "Sun"},
          {"moon", "Moon"},
          {"star", "Star"},
          {"heart", "Heart"},
          {"bolt", "Bolt"},
          {"leaf", "Leaf"}}},
    };
    return all;
}

void Profile::setIcon(const std::optional<std::string>& symbol) {
    if (!symbol || *symbol == defaultIcon)
        icon.reset();
    else
        icon = symbol;
}

Profile Profile::renumbered() const {
    Profile result = *this;
    std::ranges::stable_sort(result.spaces, {}, &SpaceSnapshot::space);
    Numbering numbering;
    for (SpaceSnapshot& snapshot : result.spaces) {
        if (snapshot.tree)
            snapshot.tree = numbering.next(*snapshot.tree);
        snapshot.floating = numbering.next(snapshot.floating);
        snapshot.others = numbering.next(snapshot.others);
    }
    return result;
}

std::string uniqueProfileName(const std::string& name, const std::set<std::string>& taken) {
    std::set<std::string> files;
    for (const std::string& other : taken)
        files.insert(fileKey(other));
    std::string candidate = name;
    for (int number = 2; files.contains(fileKey(candidate)); ++number)
        candidate = name + " " + std::to_string(number);
    return candidate;
}

std::string profileFileName(std::string_view name) {
    std::string file(name);
    std::ranges::replace(file, '/', '-');
    return file + ".json";
}

std::optional<std::string> profileNameProblem(std::string_view name,
                                              const std::optional<std::string>& current,
                                              const std::set<std::string>& taken) {
    const std::string trimmed(trimmingSpacesAndTabs(name));
    if (trimmed.empty())
        return "Enter a name.";
    if (profileFileName(trimmed).size() >= 256)
        return "That name is too long.";
    const std::string key = fileKey(trimmed);
    for (const std::string& other : taken) {
        if (other == current || fileKey(other) != key)
            continue;
        if (other == trimmed)
            return "A profile called “" + trimmed + "” already exists.";
        return "“" + trimmed + "” would share a file with “" + other + "”.";
    }
    return std::nullopt;
}

void recordDisplays(Profile& profile, const Desktops& present) {
    std::vector<ProfileDisplay> displays;
    for (const DisplaySpaces& display : present.displays())
        displays.push_back({display.identity, display.frame, static_cast<std::int64_t>(display.spaces.size())});
    profile.displays = std::move(displays);
    profile.display = present.fingerprint();
    profile.spansDisplays = present.spansDisplays() ? std::optional(true) : std::nullopt;
}

} // namespace quillmere
