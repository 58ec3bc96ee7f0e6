#include "core/Lowercase.h"
#include "core/ProfileEditing.h"
#include "core/Trimming.h"
#include "settings/model/SettingsModel.h"
#include "stores/ProfileSymbol.h"

#include <algorithm>
#include <system_error>

namespace quillmere {
namespace {

// Both exist and are one file, as when only the case of the name changed on a volume that ignores case; a
// path that cannot be looked at counts as another file.
bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

} // namespace

bool SettingsModel::attempt(const std::string& description,
                            const std::function<std::optional<FileError>()>& body) {
    if (const auto failure = body()) {
        assign(actionError_, std::optional("Couldn't " + description + ": " + failure->description),
               Property::actionError);
        services_.log(LogLevel::error, "%{public}s", *actionError_);
        return false;
    }
    assign(actionError_, std::optional<std::string>(), Property::actionError);
    return true;
}

std::set<std::string> SettingsModel::takenNames() const {
    std::set<std::string> taken;
    for (const Profile& profile : profiles_)
        taken.insert(profile.name);
    // A file that failed to load still holds its name: writing that name would overwrite it.
    for (const ProfileStore::Problem& problem : profileProblems_)
        taken.insert(problem.file.stem().string());
    return taken;
}

std::string SettingsModel::uniqueName(const std::string& base) const {
    return uniqueProfileName(base, takenNames());
}

std::optional<FileError> SettingsModel::trashFile(const Profile& profile) {
    const auto trashed =
        services_.trash.moveToTrash(services_.profiles.directory() / profileFileName(profile.name));
    if (!trashed)
        return trashed.error();
    return std::nullopt;
}

void SettingsModel::update(const Profile& profile, const std::string& action) { updated(profile, action); }

bool SettingsModel::updated(const Profile& profile, const std::string& action) {
    std::optional<Profile> previous;
    if (const auto found = std::ranges::find(profiles_, profile.name, &Profile::name); found != profiles_.end())
        previous = *found;
    const bool saved =
        attempt("save “" + profile.name + "”", [&] { return services_.profiles.save(profile.renumbered()); });
    if (saved)
        undoable(action, [previous, profile, action](SettingsModel& model) {
            if (previous)
                model.update(*previous, action);
            else
                model.trash(profile);
        });
    refresh();
    return saved;
}

void SettingsModel::duplicate(const Profile& profile) {
    Profile copy = profile;
    copy.name = uniqueName(profile.name + " copy");
    copy.display.reset();
    // A copy that was not written is not listed: selecting its name would show another profile.
    if (updated(copy, "Change Profile"))
        setSelectedProfile(copy.name);
}

void SettingsModel::newProfile() {
    const Desktops desktops = services_.spaces.desktops();
    Profile profile;
    profile.name = uniqueName("Untitled");
    recordDisplays(profile, desktops);
    SpaceSnapshot space{.space = 1, .mode = LayoutMode::bsp, .tree = LayoutSnapshot::tile()};
    if (const DisplaySpaces* main = desktops.main())
        space.display = main->identity.signature();
    profile.spaces = {std::move(space)};
    if (updated(profile, "Change Profile"))
        setSelectedProfile(profile.name);
}

void SettingsModel::captureNew() {
    const auto screen = services_.displays.mainScreen();
    const std::string name = uniqueName(screen ? lowercased(screen->localizedName) : "profile");
    services_.manager.perform(Command{Command::Capture{name}});
    refresh();
    setSelectedProfile(name);
}

void SettingsModel::rename(const Profile& given, const std::string& newName) {
    // The caller's copy may predate an edit saved since (a field committed as the rename sheet opened): the
    // stored profile of that name is what gets the new name.
    const auto current = std::ranges::find(profiles_, given.name, &Profile::name);
    const Profile profile = current != profiles_.end() ? *current : given;
    const std::string name(trimmingSpacesAndTabs(newName));
    const std::string& oldName = profile.name;
    if (name == oldName || profileNameProblem(name, oldName, takenNames()))
        return;
    Profile renamed = profile;
    renamed.name = name;
    const std::filesystem::path& folder = services_.profiles.directory();
    const bool oneFile = sameFile(folder / profileFileName(oldName), folder / profileFileName(name));
    if (!attempt("rename “" + oldName + "”", [&] { return services_.profiles.save(renamed.renumbered()); }))
        return;
    if (!oneFile)
        attempt("move “" + oldName + "” to the Trash", [&] { return trashFile(profile); });
    services_.manager.profilesChanged(services_.profiles.load().profiles,
                                      WindowManager::ProfileRename{oldName, name});
    const std::vector<std::string> loading = chords("load " + oldName);
    editKeys([&](Settings::KeyMap& keys) {
        for (const std::string& chord : loading)
            keys.insert_or_assign(chord, "load " + name);
    });
    setSelectedProfile(name);
    undo_.disableUndoRegistration();
    save("Change Setting");
    undo_.enableUndoRegistration();
    undoable("Rename Profile", [name, oldName](SettingsModel& model) {
        const auto found = std::ranges::find(model.profiles_, name, &Profile::name);
        if (found != model.profiles_.end())
            model.rename(Profile(*found), oldName);
    });
}

void SettingsModel::trash(const Profile& profile) {
    const bool wasCurrent = services_.manager.lastProfile() == profile.name;
    attempt("move “" + profile.name + "” to the Trash", [&] { return trashFile(profile); });
    if (selectedProfile_ == profile.name)
        setSelectedProfile(std::nullopt);
    undoable("Move to Trash", [profile, wasCurrent](SettingsModel& model) {
        model.update(profile, "Move to Trash");
        if (wasCurrent) {
            WindowManager& manager = model.services_.manager;
            manager.setLastProfile(profile.name);
            manager.setLastProfileIcon(symbol(profile, model.services_.symbols));
            manager.publishStatus();
        }
        model.setSelectedProfile(profile.name);
    });
    refresh();
}

void SettingsModel::refreshPreviews() {
    if (settings_.windowPreviews != true)
        return;
    assign(liveWindows_, WindowManager::liveRefs(services_.manager.allWindows()), Property::liveWindows);
    std::vector<WindowId> windows;
    for (const auto& [ref, window] : liveWindows_)
        windows.push_back(window);
    services_.previews.refresh(windows);
}

} // namespace quillmere
