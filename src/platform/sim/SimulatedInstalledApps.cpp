#include "platform/sim/SimulatedDesktop.h"

namespace quillmere {

namespace {

std::string location(const std::string& name) {
    return "/Applications/" + name + ".app";
}

} // namespace

void SimulatedDesktop::install(const InstalledAppSetup& setup) {
    installed_.insert_or_assign(setup.bundleIdentifier, setup);
}

std::vector<InstalledApplication> SimulatedDesktop::installedApplications() {
    std::vector<InstalledApplication> apps;
    for (const auto& [bundleIdentifier, setup] : installed_)
        apps.push_back({bundleIdentifier, setup.name});
    return apps;
}

std::optional<std::string> SimulatedDesktop::urlForApplication(std::string_view bundleIdentifier) {
    const auto found = installed_.find(bundleIdentifier);
    return found == installed_.end() ? std::nullopt : std::optional(location(found->second.name));
}

void SimulatedDesktop::openApplication(const std::string& at, const OpenConfiguration& configuration) {
    openInstalled(at, {}, configuration);
}

void SimulatedDesktop::open(const std::vector<std::string>& urls, const std::string& withApplicationAt,
                            const OpenConfiguration& configuration) {
    openInstalled(withApplicationAt, urls, configuration);
}

void SimulatedDesktop::openInstalled(const std::string& at, const std::vector<std::string>& urls,
                                     const OpenConfiguration& configuration) {
    const InstalledAppSetup* setup = nullptr;
    for (const auto& [bundleIdentifier, app] : installed_)
        if (location(app.name) == at)
            setup = &app;
    if (!setup)
        return;
    openRequests_.push_back({setup->bundleIdentifier, urls, configuration.activates});
    queue_.after(MainQueue::Duration::zero(), lifetime_.guarded([this, app = *setup] {
        for (const auto& [pid, running] : apps_)
            if (running.info.bundleIdentifier == app.bundleIdentifier &&
                running.info.activationPolicy == ActivationPolicy::regular)
                return;
        launchInstalled(app);
    }));
}

void SimulatedDesktop::launchInstalled(const InstalledAppSetup& setup) {
    const std::int32_t pid = launch({.bundleIdentifier = setup.bundleIdentifier, .name = setup.name});
    for (const auto& [delay, window] : setup.windows)
        queue_.after(delay, lifetime_.guarded([this, pid, window] {
            if (apps_.contains(pid))
                openWindow(pid, window);
        }));
}

std::vector<std::string> SimulatedDesktop::openedURLs(std::string_view bundleIdentifier) const {
    std::vector<std::string> urls;
    for (const OpenRequest& request : openRequests_)
        if (request.app == bundleIdentifier)
            urls.insert(urls.end(), request.urls.begin(), request.urls.end());
    return urls;
}

void SimulatedDesktop::hideApplication(std::int32_t pid) {
    if (apps_.contains(pid))
        hide(pid);
}

bool SimulatedDesktop::terminateApplication(std::int32_t pid) {
    if (!apps_.contains(pid))
        return false;
    terminateRequests_.push_back(pid);
    if (!refusesTermination_.contains(pid))
        queue_.after(MainQueue::Duration::zero(), lifetime_.guarded([this, pid] {
            if (apps_.contains(pid))
                quit(pid);
        }));
    return true;
}

} // namespace quillmere
