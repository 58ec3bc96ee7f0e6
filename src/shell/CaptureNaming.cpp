#include "shell/CaptureNaming.h"

#include "core/Lowercase.h"
#include "core/ProfileEditing.h"
#include "core/Trimming.h"

#include <set>

namespace quillmere {
namespace {

constexpr std::string_view defaultName = "profile";

std::string quoted(const std::string& text) { return "\u201C" + text + "\u201D"; }

} // namespace

CaptureNaming::CaptureNaming(ProfileStore::Loaded loaded) : loaded_(std::move(loaded)) {}

std::string CaptureNaming::initialName(const std::optional<std::string>& screenName) const {
    std::set<std::string> taken;
    for (const Profile& profile : loaded_.profiles)
        taken.insert(profile.name);
    // A file that did not load still holds a profile by the name of its file.
    for (const ProfileStore::Problem& problem : loaded_.problems)
        taken.insert(problem.file.stem().string());
    return uniqueProfileName(screenName ? lowercased(*screenName) : std::string(defaultName), taken);
}

CaptureNaming::Choice CaptureNaming::choose(std::string_view text) const {
    Choice choice{.name = std::string(trimmingSpacesAndTabs(text))};
    choice.enabled = !choice.name.empty();
    choice.buttonTitle = "Capture";
    if (!choice.enabled)
        return choice;
    const std::string file = profileFileName(choice.name);
    for (const Profile& profile : loaded_.profiles)
        if (profileFileName(profile.name) == file) {
            choice.existing = profile;
            choice.buttonTitle = "Replace";
            choice.note = "Replaces the windows and layouts in " + quoted(profile.name) + ". Its other settings stay.";
            return choice;
        }
    for (const ProfileStore::Problem& problem : loaded_.problems)
        if (problem.file.filename() == file) {
            choice.buttonTitle = "Replace";
            choice.note = "Replaces " + quoted(file) + ", which didn't load.";
            return choice;
        }
    return choice;
}

} // namespace quillmere
