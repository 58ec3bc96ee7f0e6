#include "core/Overloaded.h"
#include "stores/ProfileSymbol.h"
#include "wm/LaunchItemURL.h"
#include "wm/QuitConfirmation.h"
#include "wm/UnlistedApps.h"
#include "wm/WindowManager.h"

#include <variant>

namespace quillmere {

namespace {

std::string printed(const ProfilePlacement::Reason& reason) {
    return std::visit(Overloaded{
                          [](const ProfilePlacement::Appended& appended) { return "appended(onto: " + appended.onto + ")"; },
                          [](const ProfilePlacement::Matched&) { return std::string("matched"); },
                          [](const ProfilePlacement::NoRoom&) { return std::string("noRoom"); },
                      },
                      reason);
}

// Only the windows the snapshot lays out: restoring takes every window it is given out of the other layouts,
// and one it would not hold itself would be left in none.
std::map<WindowRef, WindowId> liveOf(const SpaceSnapshot& snapshot, const std::map<WindowRef, WindowId>& live) {
    std::vector<WindowRef> laidOut = snapshot.tree ? snapshot.tree->windows() : std::vector<WindowRef>{};
    laidOut.insert(laidOut.end(), snapshot.floating.begin(), snapshot.floating.end());
    std::map<WindowRef, WindowId> own;
    for (const WindowRef& ref : laidOut)
        if (const auto found = live.find(ref); found != live.end())
            own.insert(*found);
    return own;
}

} // namespace

void WindowManager::load(const Profile& profile, LoadOrigin origin) {
    // Read before anything opens or comes forward: the application the user asked from is left alone.
    const auto frontmost = services_.desktop.applications.frontmostApplication();
    setLastProfile(profile.name);
    profile_.icon = symbol(profile, services_.symbols);
    const SignpostIntervalState interval = signposter.beginInterval("Load profile");

    const std::vector<WindowPlace> windows = allWindows();
    const std::map<WindowRef, WindowId> live = liveRefs(windows);
    std::map<WindowId, SpaceId> spaceOf;
    for (const WindowPlace& window : windows)
        spaceOf.emplace(window.id, window.space);

    const std::vector<ProfilePlacement> placements = spaces_.desktops().place(profile);
    std::vector<ProfilePlacement> restorable;
    std::vector<ProfilePlacement> unplaced;
    for (const ProfilePlacement& placement : placements) {
        if (std::holds_alternative<ProfilePlacement::Appended>(placement.reason))
            log(LogLevel::default_, "profile %{public}s desktop %ld: %{public}s, desktop %ld of %{public}s",
                profile.name, placement.snapshot.space, printed(placement.reason), placement.number,
                placement.display ? placement.display->name() : std::string("?"));
        (placement.space ? restorable : unplaced).push_back(placement);
    }
    if (!unplaced.empty() && onProfileWarning)
        onProfileWarning(profile, unplaced);

    arrangement_.pendingPlacements.clear();
    const ProfileMoves moves = moveIntoPlace(profile, restorable, live, spaceOf);
    for (const ProfilePlacement& placement : restorable)
        restore(placement.snapshot, *placement.space, liveOf(placement.snapshot, live));
    admitMoved(moves.moved);
    for (SpaceId space : moves.vacated)
        apply(space);

    launchMissing(profile, origin);
    handleUnlisted(profile, frontmost ? std::optional(frontmost->processIdentifier) : std::nullopt);

    std::int64_t owed = 0;
    for (const auto& [app, spaces] : arrangement_.pendingPlacements)
        owed += static_cast<std::int64_t>(spaces.size());
    log(LogLevel::default_, "loaded profile %{public}s; %ld windows to launch", profile.name, owed);

    restoreFullScreen(profile.fullScreen.value_or(std::vector<FullScreenSnapshot>{}), profile.name, live,
                      lifetime_.guarded([this, show = profile.show] { showLoadedDesktop(show); }));
    publishStatus();
    signposter.endInterval("Load profile", interval);
}

WindowManager::ProfileMoves WindowManager::moveIntoPlace(const Profile& profile,
                                                         const std::vector<ProfilePlacement>& restorable,
                                                         const std::map<WindowRef, WindowId>& live,
                                                         const std::map<WindowId, SpaceId>& spaceOf) {
    const Desktops desktops = spaces_.desktops();
    ProfileMoves moves;
    for (const ProfilePlacement& placement : restorable) {
        const SpaceId target = *placement.space;
        for (const WindowRef& ref : placement.snapshot.windows()) {
            const auto window = live.find(ref);
            if (window == live.end()) {
                arrangement_.pendingPlacements[ref.app].push_back(target);
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
            spaces_.move(window->second, target);
            if (const auto left = arrangement_.layouts.find(from->second); left != arrangement_.layouts.end()) {
                left->second.remove(window->second);
                forgetFocus(from->second, window->second);
            }
            moves.vacated.insert(from->second);
            moves.moved.insert_or_assign(window->second, target);
        }
    }
    return moves;
}

// A window among a snapshot's others was outside its layout when captured, but the layout it was moved out
// of no longer holds it either; left so, it would stay untiled on its new Space.
void WindowManager::admitMoved(const std::map<WindowId, SpaceId>& moved) {
    const Desktops desktops = spaces_.desktops();
    for (const auto& [id, space] : moved) {
        const auto tracked = tracking_.windows.find(id);
        if (tracked == tracking_.windows.end() || layoutSpace(id) || !tracked->second.isTileable(ax_))
            continue;
        const AXWindow& window = tracked->second;
        const auto laidOut = geometry(space, desktops);
        const Spacing spacing = laidOut ? laidOut->spacing : config_.spacingSettings.spacingForDisplayWidth(0);
        SpaceLayout layout = this->layout(space);
        layout.add(id, window.bundleID(services_.desktop.applications), std::nullopt, laidOut ? laidOut->area : Rect(),
                   spacing.gap, config_.floatRules.floats(localizedName(window.pid), title(window)), spacing.ratio,
                   tileMinimumSizes());
        arrangement_.layouts.insert_or_assign(space, std::move(layout));
        apply(space);
    }
}

void WindowManager::launchMissing(const Profile& profile, LoadOrigin origin) {
    std::set<std::string> running;
    for (const RunningApplication& app : services_.desktop.applications.runningApplications())
        if (app.activationPolicy == ActivationPolicy::regular && app.bundleIdentifier)
            running.insert(*app.bundleIdentifier);
    const OpenConfiguration inBackground{.activates = false};
    for (const std::string& app : profile.launchedApps()) {
        if (running.contains(app))
            continue;
        const auto location = services_.desktop.workspace.urlForApplication(app);
        if (!location)
            continue;
        std::vector<std::string> urls;
        for (const LaunchItem& item : profile.items(app)) {
            if (item.kind == LaunchItem::Kind::command && origin == LoadOrigin::automatic) {
                log(LogLevel::default_, "profile %{public}s: an automatic load runs no command for %{public}s",
                    profile.name, app);
                continue;
            }
            if (auto url = launchItemURL(item, services_.homeFolder, services_.launchScripts))
                urls.push_back(std::move(*url));
        }
        if (urls.empty()) {
            services_.desktop.workspace.openApplication(*location, inBackground);
            continue;
        }
        log(LogLevel::default_, "profile %{public}s: launching %{public}s with %ld items", profile.name, app,
            static_cast<std::int64_t>(urls.size()));
        services_.desktop.workspace.open(urls, *location, inBackground);
    }
}

void WindowManager::handleUnlisted(const Profile& profile, std::optional<std::int32_t> frontmost) {
    const std::vector<RunningApplication> unlisted = unlistedApps(
        profile, services_.desktop.applications.runningApplications(), services_.ownPid, frontmost);
    if (profile.quitUnlisted == true) {
        if (!unlisted.empty() &&
            QuitConfirmation::confirm(unlisted, profile, services_.defaults, services_.alerts))
            for (const RunningApplication& app : unlisted)
                services_.desktop.workspace.terminateApplication(app.processIdentifier);
        return;
    }
    if (profile.hideUnlisted == true)
        for (const RunningApplication& app : unlisted)
            services_.desktop.workspace.hideApplication(app.processIdentifier);
}

void WindowManager::showLoadedDesktop(std::optional<std::int64_t> show) {
    const Desktops desktops = spaces_.desktops();
    if (show && desktops.active())
        if (const auto space = Desktops::spaceNumbered(*show, *desktops.active()))
            services_.switcher.switchTo(*space, [] {});
    publishStatus();
}

} // namespace quillmere
