#pragma once

#include "core/Desktops.h"
#include "core/Profile.h"
#include "core/ProfilePlacement.h"
#include "core/SpaceSnapshot.h"
#include "core/WindowId.h"
#include "core/WindowRef.h"
#include "platform/Accessibility.h"
#include "platform/Alerts.h"
#include "platform/LaunchScripts.h"
#include "platform/LifetimeGuard.h"
#include "platform/MainQueue.h"
#include "platform/RunningApplications.h"
#include "platform/SymbolImages.h"
#include "platform/UserDefaults.h"
#include "platform/Workspace.h"
#include "stores/ProfileStore.h"
#include "system/FullScreen.h"
#include "system/SpaceSwitcher.h"
#include "system/Spaces.h"
#include "wm/ProfileTarget.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace quillmere {

// What capture and load work through besides the windows under management.
struct ProfileServices {
    Accessibility& accessibility;
    RunningApplications& applications;
    Workspace& workspace;
    Spaces& spaces;
    SpaceSwitcher& switcher;
    const FullScreen& fullScreen;
    MainQueue& queue;
    UserDefaults& defaults;
    SymbolImages& symbols;
    const ProfileStore& profiles;
    Alerts& alerts;
    LaunchScripts& launchScripts;
    // Where paths of profiles that begin with "~" lead.
    std::filesystem::path homeFolder;
    // The application's own process, which a load never hides or quits.
    std::int32_t ownPid = 0;
};

// Saves what is on screen as a profile and puts a profile's arrangement back, and keeps which profile is
// current. A capture takes every Desktop's layout and the full-screen Spaces as they are; a load moves the
// open windows to the Spaces of their Desktops, rebuilds those layouts, launches what is missing, hides or
// quits what the profile does not list, then puts its full-screen Spaces back one at a time and shows its
// Desktop. Windows of the profile that are not open yet are owed their Spaces: each new window of the
// application takes the next one, until the next load.
//
// What it keeps true: the current profile is kept in the user defaults under "lastProfile", and one no longer
// stored is forgotten when checked at start; a capture makes a profile current only once it is saved, a
// load always. A load that came by itself runs no profile's commands. The full-screen Spaces of a load follow
// over the next seconds; destroying this object drops what is still to come. Main thread only; the target
// outlives it.
class ProfileKeeping {
  public:
    using Duration = MainQueue::Duration;

    // A full-screen Space being put back takes its time: the application first tiles or fills the screen.
    static constexpr Duration fullScreenSettleDelay = std::chrono::milliseconds(300);
    // The user picks the pair's other window; the next Space waits for that.
    static constexpr Duration pairRestoreDelay = std::chrono::seconds(5);
    static constexpr Duration singleRestoreDelay = std::chrono::milliseconds(1500);

    // What started a load: one that came by itself on a display change never runs a profile's commands.
    enum class LoadOrigin { user, automatic };

    // A profile renamed from one name to another.
    struct ProfileRename {
        std::string from;
        std::string to;
    };

    // The current profile is the one the user defaults name; its icon is unknown until checkCurrent().
    ProfileKeeping(ProfileTarget& target, const ProfileServices& services);
    ProfileKeeping(const ProfileKeeping&) = delete;
    ProfileKeeping& operator=(const ProfileKeeping&) = delete;

    const std::optional<std::string>& current() const { return current_.name; }
    void setCurrent(std::optional<std::string> name);
    // The symbol shown for the current profile.
    const std::optional<std::string>& currentIcon() const { return current_.icon; }
    void setCurrentIcon(std::optional<std::string> icon) { current_.icon = std::move(icon); }
    // Takes the current profile's icon from the store; a current profile no longer stored is forgotten.
    void checkCurrent();
    // Follows the stored profiles with the current one: a rename of it makes the new name current, its
    // file gone forgets it, a new icon is taken; the status is published when name or icon changed.
    void profilesChanged(const std::vector<Profile>& profiles, const std::optional<ProfileRename>& renamed);

    // Saves what is on screen under the name; a stored profile of exactly that name is recaptured. An
    // unusable name is refused with a notice. The profile becomes current only when it was saved.
    void capture(const std::string& name, bool makeCurrent);
    // The profile's Desktops, displays, Spaces mode and full-screen Spaces are taken anew; its options stay.
    void recapture(const Profile& profile, bool makeCurrent);

    // Puts the profile's arrangement back and makes it current; full-screen Spaces follow over the next
    // seconds.
    void load(const Profile& profile, LoadOrigin origin = LoadOrigin::user);
    // The stored profile of that name; one captured in the other Spaces mode only when the target agrees.
    void loadNamed(const std::string& name);
    // The first stored profile, by name, that applies itself to exactly these displays.
    std::optional<Profile> automaticProfile(const Desktops& desktops) const;

    // The next Space the last load owes a new window of the application, taken off what is owed.
    std::optional<SpaceId> takeOwedSpace(const std::string& app);

  private:
    friend class WindowManagerProbe;

    struct CurrentProfile {
        std::optional<std::string> name;
        std::optional<std::string> icon;
    };

    // The windows a load moved, to their Spaces, and the Spaces they left.
    struct ProfileMoves {
        std::map<WindowId, SpaceId> moved;
        std::set<SpaceId> vacated;
    };

    Profile snapshotProfile(const std::string& name);
    // False when the file could not be written, after telling the user.
    bool save(const Profile& profile);
    void makeCurrent(const Profile& profile);

    // Moves the open windows to the Spaces of their Desktops.
    ProfileMoves moveIntoPlace(const Profile& profile, const std::vector<ProfilePlacement>& restorable,
                               const std::map<WindowRef, WindowId>& live,
                               const std::map<WindowId, SpaceId>& spaceOf);
    void launchMissing(const Profile& profile, LoadOrigin origin);
    void handleUnlisted(const Profile& profile, std::optional<std::int32_t> frontmost);
    void restoreFullScreen(std::vector<FullScreenSnapshot> snapshots, const std::string& profile,
                           std::map<WindowRef, WindowId> live, std::function<void()> then);
    void fillScreen(WindowId first, std::optional<WindowId> second, SpaceId space);
    void showLoadedDesktop(std::optional<std::int64_t> show);
    std::string localizedName(std::int32_t pid) const;
    // Runs work after the delay unless this object is gone by then.
    void later(Duration delay, std::function<void()> work);

    ProfileTarget& target_;
    ProfileServices services_;
    CurrentProfile current_;
    // By bundle identifier, the Spaces the last load still owes new windows of that application.
    std::map<std::string, std::vector<SpaceId>> owed_;
    // Lets the full-screen Spaces still to come find out that this object is gone.
    LifetimeGuard lifetime_;
};

} // namespace quillmere
