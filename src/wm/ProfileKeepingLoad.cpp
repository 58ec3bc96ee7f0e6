#include "core/Overloaded.h"
#include "platform/Log.h"
#include "stores/ProfileSymbol.h"
#include "wm/LaunchItemURL.h"
#include "wm/ProfileKeeping.h"
#include "wm/QuitConfirmation.h"
#include "wm/UnlistedApps.h"

#include <variant>

namespace quillmere {

namespace {

std::string printed(const ProfilePlacement::Reason& reason) {
    return std::visit(Overloaded{
                          [](const ProfilePlacement::Appended& appended) {
                              return "appended(onto: " + appended.onto + ")";
                          },
                          [](const ProfilePlacement::Matched&) { return std::string("matched"); },
                          [](const ProfilePlacement::NoRoom&) { return std::string("noRoom"); },
                      },
                      reason);
}

// Only the windows the snapshot lays out: restoring takes every window it is given out of the other layouts,
// and one it would not hold itself would be left in none.
std::map<WindowRef, WindowId> liveOf(const SpaceSnapshot& snapshot,
                                     const std::map<WindowRef, WindowId>& live) {
    std::vector<WindowRef> laidOut = snapshot.tree ? snapshot.tree->windows() : std::vector<WindowRef>{};
    laidOut.insert(laidOut.end(), snapshot.floating.begin(), snapshot.floating.end());
    std::map<WindowRef, WindowId> own;
    for (const WindowRef& ref : laidOut)
        if (const auto found = live.find(ref); found != live.end())
            own.insert(*found);
    return own;
}

} // namespace

void ProfileKeeping::load(const Profile& profile, LoadOrigin origin) {
    // Read before anything opens or comes forward: the application the user asked from is left alone.
    const auto frontmost = services_.applications.frontmostApplication();
    setCurrent(profile.name);
    current_.icon = symbol(profile, services_.symbols);
    const SignpostIntervalState interval = signposter.beginInterval("Load profile");

    const std::vector<WindowPlace> windows = target_.allWindows();
    const std::map<WindowRef, WindowId> live = liveRefs(windows);
    std::map<WindowId, SpaceId> spaceOf;
    for (const WindowPlace& window : windows)
        spaceOf.emplace(window.id, window.space);

    const std::vector<ProfilePlacement> placements = services_.spaces.desktops().place(profile);
    std::vector<ProfilePlacement> restorable;
    std::vector<ProfilePlacement> unplaced;
    for (const ProfilePlacement& placement : placements) {
        if (std::holds_alternative<ProfilePlacement::Appended>(placement.reason))
            log(LogLevel::default_, "profile %{public}s desktop %ld: %{public}s, desktop %ld of %{public}s",
                profile.name, placement.snapshot.space, printed(placement.reason), placement.number,
                placement.display ? placement.display->name() : std::string("?"));
        (placement.space ? restorable : unplaced).push_back(placement);
    }
    if (!unplaced.empty())
        target_.warnUnplaced(profile, unplaced);

    owed_.clear();
    const ProfileMoves moves = moveIntoPlace(profile, restorable, live, spaceOf);
    for (const ProfilePlacement& placement : restorable)
        target_.restore(placement.snapshot, *placement.space, liveOf(placement.snapshot, live));
    // A window among a snapshot's others was outside its layout when captured, but the layout it was moved
    // out of no longer holds it either; left so, it would stay untiled on its new Space.
    for (const auto& [window, space] : moves.moved)
        target_.admit(window, space);
    for (SpaceId space : moves.vacated)
        target_.layOut(space);

    launchMissing(profile, origin);
    handleUnlisted(profile, frontmost ? std::optional(frontmost->processIdentifier) : std::nullopt);

    std::int64_t owed = 0;
    for (const auto& [app, spaces] : owed_)
        owed += static_cast<std::int64_t>(spaces.size());
    log(LogLevel::default_, "loaded profile %{public}s; %ld windows to launch", profile.name, owed);

    restoreFullScreen(profile.fullScreen.value_or(std::vector<FullScreenSnapshot>{}), profile.name, live,
                      lifetime_.guarded([this, show = profile.show] { showLoadedDesktop(show); }));
    target_.publishStatus();
    signposter.endInterval("Load profile", interval);
}

void ProfileKeeping::loadNamed(const std::string& name) {
    const auto profile = services_.profiles.named(name);
    if (!profile) {
        log(LogLevel::error, "no profile %{public}s", name);
        return;
    }
    const bool spansDisplays = services_.spaces.desktops().spansDisplays();
    if (profile->spansDisplays.value_or(false) != spansDisplays &&
        !target_.loadsInOtherMode(*profile, spansDisplays)) {
        log(LogLevel::default_, "load %{public}s: cancelled, captured in the other Spaces mode", name);
        return;
    }
    load(*profile);
}

ProfileKeeping::ProfileMoves ProfileKeeping::moveIntoPlace(const Profile& profile,
                                                           const std::vector<ProfilePlacement>& restorable,
                                                           const std::map<WindowRef, WindowId>& live,
                                                           const std::map<WindowId, SpaceId>& spaceOf) {
    const Desktops desktops = services_.spaces.desktops();
    ProfileMoves moves;
    for (const ProfilePlacement& placement : restorable) {
        const SpaceId target = *placement.space;
        for (const WindowRef& ref : placement.snapshot.windows()) {
            const auto window = live.find(ref);
            if (window == live.end()) {
                owed_[ref.app].push_back(target);
                continue;
            }
            const auto from = spaceOf.find(window->second);
            if (from == spaceOf.end() || from->second == target)
                continue;
            if (desktops.isFullScreen(from->second)) {
                log(LogLevel::default_, "profile %{public}s: %{public}s#%ld is full screen, left where it is",
                    profile.name, ref.app, ref.index);
                continue;
            }
            services_.spaces.move(window->second, target);
            target_.takeOut(window->second, from->second);
            moves.vacated.insert(from->second);
            moves.moved.insert_or_assign(window->second, target);
        }
    }
    return moves;
}

void ProfileKeeping::launchMissing(const Profile& profile, LoadOrigin origin) {
    std::set<std::string> running;
    for (const RunningApplication& app : services_.applications.runningApplications())
        if (app.activationPolicy == ActivationPolicy::regular && app.bundleIdentifier)
            running.insert(*app.bundleIdentifier);
    const OpenConfiguration inBackground{.activates = false};
    for (const std::string& app : profile.launchedApps()) {
        if (running.contains(app))
            continue;
        const auto location = services_.workspace.urlForApplication(app);
        if (!location)
            continue;
        std::vector<std::string> urls;
        for (const LaunchItem& item : profile.items(app)) {
            if (item.kind == LaunchItem::Kind::command && origin == LoadOrigin::automatic) {
                log(LogLevel::default_,
                    "profile %{public}s: an automatic load runs no command for %{public}s", profile.name,
                    app);
                continue;
            }
            if (auto url = launchItemURL(item, services_.homeFolder, services_.launchScripts))
                urls.push_back(std::move(*url));
        }
        if (urls.empty()) {
            services_.workspace.openApplication(*location, inBackground);
            continue;
        }
        log(LogLevel::default_, "profile %{public}s: launching %{public}s with %ld items", profile.name, app,
            static_cast<std::int64_t>(urls.size()));
        services_.workspace.open(urls, *location, inBackground);
    }
}

void ProfileKeeping::handleUnlisted(const Profile& profile, std::optional<std::int32_t> frontmost) {
    const std::vector<RunningApplication> unlisted =
        unlistedApps(profile, services_.applications.runningApplications(), services_.ownPid, frontmost);
    if (profile.quitUnlisted == true) {
        if (!unlisted.empty() &&
            QuitConfirmation::confirm(unlisted, profile, services_.defaults, services_.alerts))
            for (const RunningApplication& app : unlisted)
                services_.workspace.terminateApplication(app.processIdentifier);
        return;
    }
    if (profile.hideUnlisted == true)
        for (const RunningApplication& app : unlisted)
            services_.workspace.hideApplication(app.processIdentifier);
}

void ProfileKeeping::showLoadedDesktop(std::optional<std::int64_t> show) {
    const Desktops desktops = services_.spaces.desktops();
    if (show && desktops.active())
        if (const auto space = Desktops::spaceNumbered(*show, *desktops.active()))
            services_.switcher.switchTo(*space, [] {});
    target_.publishStatus();
}

} // namespace quillmere
