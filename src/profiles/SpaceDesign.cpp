#include "profiles/SpaceDesign.h"

#include "core/Arrangement.h"

#include <algorithm>

namespace quillmere {

namespace {

// A height of 1 or less counts as 1, so a part of no height still draws.
double aspectRatio(const Rect& frame) {
    return frame.width() / std::max(frame.height(), 1.0);
}

Size fitted(double ratio, double availableWidth, double maxWidth) {
    const double width = std::max(std::min(availableWidth, maxWidth), 0.0);
    return {width, ratio > 0 ? width / ratio : 0};
}

} // namespace

SpaceDesign::SpaceDesign(Profile profile, std::optional<std::string> label, std::vector<DesktopPart> parts,
                         std::optional<std::string> selected)
    : profile_(std::move(profile)), label_(std::move(label)), parts_(std::move(parts)),
      selected_(std::move(selected)) {}

const DesktopPart& SpaceDesign::edited() const {
    const auto match = std::find_if(parts_.begin(), parts_.end(),
                                    [&](const DesktopPart& part) { return part.display == selected_; });
    return match == parts_.end() ? parts_.front() : *match;
}

std::string SpaceDesign::title() const {
    std::string title = "Desktop " + std::to_string(edited().snapshot.space);
    if (label_)
        title += " \u00B7 " + *label_;
    return title;
}

std::optional<std::string> SpaceDesign::placeDescription() const {
    if (parts_.size() < 2)
        return edited().name ? std::optional("On " + *edited().name) : std::nullopt;
    std::string names;
    for (const auto& part : parts_) {
        if (!part.name)
            continue;
        names += (names.empty() ? "" : " and ") + *part.name;
    }
    return "Across " + names + ", editing " + edited().name.value_or("one display");
}

std::optional<std::string> SpaceDesign::clearPartTitle() const {
    if (parts_.size() < 2)
        return std::nullopt;
    return "Clear " + edited().name.value_or("This Display") + "'s Part";
}

bool SpaceDesign::canClearDesktop() const {
    return std::any_of(parts_.begin(), parts_.end(), [](const DesktopPart& part) { return part.configured; });
}

std::optional<std::string> SpaceDesign::unarrangedNote() const {
    if (canClearDesktop())
        return std::nullopt;
    return "This profile doesn't arrange Desktop " + std::to_string(edited().snapshot.space) +
           " yet, so applying it leaves the Desktop as it is. Choose a template or an app to start.";
}

std::string SpaceDesign::caption() const {
    const std::string tiles = "Click a tile to choose its app or split it; drag the gaps between tiles to resize.";
    return parts_.size() >= 2 ? "Click a display's part to edit it. " + tiles : tiles;
}

std::string SpaceDesign::modeNote(LayoutMode mode) {
    switch (mode) {
    case LayoutMode::bsp:
        return "Windows sit side by side and fill the Desktop.";
    case LayoutMode::stack:
        return "Every window fills the Desktop; the stack keys switch between them.";
    case LayoutMode::float_:
        return "Windows stay where you put them.";
    }
    return {};
}

std::optional<std::size_t> SpaceDesign::storedIndex(const Profile& in, const DesktopPart& part) const {
    for (std::size_t i = 0; i < in.spaces.size(); ++i) {
        if (in.spaces[i].space == part.snapshot.space && in.spaces[i].display == part.display)
            return i;
    }
    return std::nullopt;
}

Profile SpaceDesign::updated(const DesktopPart& part, const Edit& edit) const {
    Profile copy = profile_;
    auto index = storedIndex(copy, part);
    if (!index) {
        copy.spaces.push_back(part.snapshot);
        index = copy.spaces.size() - 1;
    }
    edit(copy.spaces[*index]);
    return copy;
}

Profile SpaceDesign::cleared(const std::vector<DesktopPart>& parts) const {
    Profile copy = profile_;
    std::vector<SpaceSnapshot> kept;
    for (std::size_t i = 0; i < copy.spaces.size(); ++i) {
        const bool stored = std::any_of(parts.begin(), parts.end(), [&](const DesktopPart& part) {
            return storedIndex(profile_, part) == i;
        });
        if (!stored)
            kept.push_back(copy.spaces[i]);
    }
    copy.spaces = std::move(kept);
    return copy;
}

SpaceDesign::Edit SpaceDesign::applying(const LayoutSnapshot& layout) {
    return [layout](SpaceSnapshot& snapshot) {
        snapshot.tree = layout.filled(snapshot.tree ? snapshot.tree->windows() : std::vector<WindowRef>{});
    };
}

std::vector<WindowRef> SpaceDesign::newRefs(const std::vector<std::string>& apps) {
    std::vector<WindowRef> refs;
    for (const auto& app : apps)
        refs.push_back({app, 0});
    return refs;
}

std::vector<std::string> SpaceDesign::apps(const std::vector<WindowRef>& refs) {
    std::vector<std::string> apps;
    for (const auto& ref : refs)
        apps.push_back(ref.app);
    return apps;
}

SpaceDesign::Drawing SpaceDesign::drawing(double availableWidth) const {
    if (parts_.size() == 1) {
        const Size size = fitted(aspectRatio(parts_.front().frame), availableWidth, singleMaxWidth);
        return {size, {Rect({0, 0}, size)}};
    }
    std::vector<Rect> frames;
    Rect all = Rect::null();
    for (const auto& part : parts_) {
        frames.push_back(part.frame);
        all = all.united(part.frame);
    }
    const Size size = fitted(aspectRatio(all), availableWidth, severalMaxWidth);
    std::vector<Rect> placed = Arrangement::fit(frames, size);
    for (auto& rect : placed)
        rect = rect.insetBy(partInset, partInset);
    return {size, placed};
}

} // namespace quillmere
