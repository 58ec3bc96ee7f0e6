#include "profiles/ProfileEditor.h"

#include "profiles/ProfileTexts.h"

#include <algorithm>

namespace quillmere {

ProfileEditor::ProfileEditor(SettingsModel& model, Displays& displays, Profile profile)
    : model_(model), displays_(displays), profile_(std::move(profile)) {}

void ProfileEditor::chooseDisplay(const std::string& display) {
    selectedDisplay_ = display;
    selectedSpace_.reset();
}

std::optional<std::string> ProfileEditor::display() const {
    if (selectedDisplay_)
        return selectedDisplay_;
    if (profile_.displays) {
        const auto& displays = *profile_.displays;
        if (displays.empty())
            return std::nullopt;
        const auto atOrigin = std::ranges::find_if(displays, [](const ProfileDisplay& display) {
            return display.frame.origin.x == 0 && display.frame.origin.y == 0;
        });
        return (atOrigin != displays.end() ? *atOrigin : displays.front()).identity.signature();
    }
    const auto recorded = profile_.recordedDisplays();
    if (recorded.empty())
        return std::nullopt;
    return recorded.front().signature();
}

const ProfileDisplay* ProfileEditor::recorded(const std::optional<std::string>& display) const {
    if (!display || !profile_.displays)
        return nullptr;
    const auto found = std::ranges::find_if(*profile_.displays, [&](const ProfileDisplay& entry) {
        return entry.identity.signature() == *display;
    });
    return found != profile_.displays->end() ? &*found : nullptr;
}

std::int64_t ProfileEditor::desktopCount() const {
    if (const ProfileDisplay* entry = recorded(display()))
        return entry->desktops;
    return model_.spaceCount();
}

bool ProfileEditor::spans() const {
    return profile_.spansDisplays == true && profile_.displays && profile_.displays->size() > 1;
}

bool ProfileEditor::belongs(const SpaceSnapshot& snapshot) const { return spans() || snapshot.display == display(); }

SpaceSnapshot ProfileEditor::space() const {
    std::optional<std::int64_t> lowest;
    for (const SpaceSnapshot& snapshot : profile_.spaces)
        if (belongs(snapshot))
            lowest = std::min(lowest.value_or(snapshot.space), snapshot.space);
    const std::int64_t chosen =
        std::min(selectedSpace_.value_or(lowest.value_or(1)), std::max<std::int64_t>(desktopCount(), 1));
    const auto edited = display();
    const auto found = std::ranges::find_if(profile_.spaces, [&](const SpaceSnapshot& snapshot) {
        return snapshot.space == chosen && snapshot.display == edited;
    });
    return found != profile_.spaces.end() ? *found : unconfigured(chosen, edited, model_);
}

Rect ProfileEditor::frame(const std::optional<std::string>& display) const {
    if (const ProfileDisplay* entry = recorded(display))
        return entry->frame;
    if (const auto main = displays_.mainScreen())
        return main->frame;
    const auto screens = displays_.screens();
    return screens.empty() ? Rect() : screens.front().frame;
}

std::vector<DesktopPart> ProfileEditor::parts() const {
    const std::int64_t number = space().space;
    std::vector<std::optional<std::string>> signatures;
    if (spans()) {
        for (const ProfileDisplay& entry : *profile_.displays)
            signatures.emplace_back(entry.identity.signature());
    } else {
        signatures.push_back(display());
    }
    std::vector<DesktopPart> parts;
    for (const auto& signature : signatures) {
        const ProfileDisplay* entry = recorded(signature);
        const auto found = std::ranges::find_if(profile_.spaces, [&](const SpaceSnapshot& snapshot) {
            return snapshot.space == number && snapshot.display == signature;
        });
        const bool configured = found != profile_.spaces.end();
        parts.push_back(DesktopPart{
            .display = signature,
            .name = entry ? std::optional(entry->identity.name) : std::nullopt,
            .frame = frame(signature),
            .snapshot = configured ? *found : unconfigured(number, signature, model_),
            .configured = configured,
        });
    }
    return parts;
}

std::optional<SpaceSnapshot> ProfileEditor::arranges(std::int64_t space) const {
    const auto found = std::ranges::find_if(profile_.spaces, [&](const SpaceSnapshot& snapshot) {
        return snapshot.space == space && belongs(snapshot);
    });
    if (found == profile_.spaces.end())
        return std::nullopt;
    return *found;
}

std::int64_t ProfileEditor::windowCount(std::int64_t space) const {
    std::int64_t count = 0;
    for (const SpaceSnapshot& snapshot : profile_.spaces)
        if (snapshot.space == space && belongs(snapshot))
            count += static_cast<std::int64_t>(snapshot.windows().size());
    return count;
}

std::string ProfileEditor::hint() const {
    if (spans())
        return "Your Desktops span every display. Choose one to arrange it on each display.";
    if ((profile_.displays && profile_.displays->size() > 1) || profile_.recordedDisplays().size() > 1)
        return "Each display has its own Desktops. Choose a display, then a Desktop to arrange.";
    return "Choose a Desktop to arrange.";
}

std::string ProfileEditor::summary() const { return profileDetailSummary(profile_); }

void ProfileEditor::moveApps(std::int64_t from, const LayoutPath& path, std::int64_t to) {
    if (from == to || from < 1 || to < 1)
        return;
    const auto edited = display();
    const auto onEdited = [&](std::int64_t number) {
        return [&, number](const SpaceSnapshot& snapshot) {
            return snapshot.space == number && snapshot.display == edited;
        };
    };
    Profile copy = profile_;
    const auto source = std::ranges::find_if(copy.spaces, onEdited(from));
    if (source == copy.spaces.end() || !source->tree)
        return;
    const auto tile = source->tree->node(path);
    if (!tile || !tile->isTile() || tile->refs().empty())
        return;
    const std::vector<WindowRef> apps = tile->refs();
    source->tree = source->tree->replacing(path, LayoutSnapshot::tile());
    const auto target = std::ranges::find_if(copy.spaces, onEdited(to));
    if (target != copy.spaces.end()) {
        target->tree = target->tree.value_or(LayoutSnapshot::tile()).filled(apps);
    } else {
        SpaceSnapshot added = unconfigured(to, edited, model_);
        added.tree = LayoutSnapshot::tile(apps);
        copy.spaces.push_back(std::move(added));
    }
    model_.update(copy, "Change Profile");
}

void ProfileEditor::change(const std::function<void(Profile&)>& edit, const std::string& action) {
    Profile copy = profile_;
    edit(copy);
    model_.update(copy, action);
}

SpaceSnapshot ProfileEditor::unconfigured(std::int64_t space, const std::optional<std::string>& display,
                                          const SettingsModel& model) {
    return SpaceSnapshot{.space = space,
                         .mode = model.settings().spaceRules().layout(space),
                         .tree = LayoutSnapshot::tile(),
                         .display = display};
}

} // namespace quillmere
