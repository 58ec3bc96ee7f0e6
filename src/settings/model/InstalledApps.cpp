#include "settings/model/InstalledApps.h"

#include "settings/model/DesktopEntry.h"
#include "settings/model/TextComparison.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <system_error>

namespace quillmere {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view desktopSuffix = ".desktop";

struct Found {
    std::string name;
    InstalledApps::App app;
    bool noDisplay = false;
};

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Sorted, so that a scan does not depend on the order the file system lists a folder in.
std::vector<fs::directory_entry> sortedEntries(const fs::path& folder) {
    std::vector<fs::directory_entry> entries;
    std::error_code error;
    fs::directory_iterator iterator(folder, error);
    // An unreadable or missing folder lists nothing.
    for (; !error && iterator != fs::directory_iterator(); iterator.increment(error))
        entries.push_back(*iterator);
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return a.path().filename() < b.path().filename(); });
    return entries;
}

// The entries of one applications folder and of its subfolders, one level deep, with their desktop file
// ids; ids already met in an earlier folder are skipped, as are Hidden entries, which also claim their id.
void collect(const fs::path& folder, const std::string& idPrefix, int depth, const std::string& locale,
             std::set<std::string>& seenIds, std::vector<Found>& found) {
    for (const auto& entry : sortedEntries(folder)) {
        const std::string fileName = entry.path().filename().string();
        std::error_code error;
        if (fileName.size() > desktopSuffix.size() && fileName.ends_with(desktopSuffix)) {
            const std::string id = idPrefix + fileName;
            if (seenIds.contains(id))
                continue;
            const auto desktop = DesktopEntry::read(entry.path(), locale);
            if (!desktop)
                continue;
            seenIds.insert(id);
            if (desktop->hidden || desktop->type != "Application")
                continue;
            std::string name = desktop->name.value_or(fileName.substr(0, fileName.size() - desktopSuffix.size()));
            found.push_back({std::move(name), {id, entry.path(), desktop->icon}, desktop->noDisplay});
        } else if (depth > 0 && entry.is_directory(error) && !error) {
            collect(entry.path(), idPrefix + fileName + "-", depth - 1, locale, seenIds, found);
        }
    }
}

// First wins by name; a later entry of the same name only lends the winner its icon when it has none,
// which is how the desktop's own applications get the pictures of their installed entries.
void keepFirst(std::map<std::string, InstalledApps::App>& table, Found&& found) {
    const auto [at, inserted] = table.try_emplace(found.name, std::move(found.app));
    if (!inserted && !at->second.icon)
        at->second.icon = found.app.icon;
}

} // namespace

InstalledApps::Folders InstalledApps::Folders::fromEnvironment() {
    Folders folders;
    std::string dataHome = environment("XDG_DATA_HOME");
    if (dataHome.empty())
        dataHome = environment("HOME") + "/.local/share";
    folders.applications.push_back(fs::path(dataHome) / "applications");
    std::string dataDirs = environment("XDG_DATA_DIRS");
    if (dataDirs.empty())
        dataDirs = "/usr/local/share/:/usr/share/";
    std::string_view rest = dataDirs;
    while (!rest.empty()) {
        const auto colon = rest.find(':');
        const std::string_view dir = rest.substr(0, colon);
        rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
        if (!dir.empty())
            folders.applications.push_back(fs::path(dir) / "applications");
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        folders.locale = environment(name);
        if (!folders.locale.empty())
            break;
    }
    return folders;
}

InstalledApps::InstalledApps(InstalledApplications& installed, RunningApplications& running, Folders folders)
    : installed_(installed), running_(running), folders_(std::move(folders)) {}

void InstalledApps::scan() {
    if (scanned_)
        return;
    scanned_ = true;
    std::vector<Found> found;
    for (const auto& app : installed_.installedApplications())
        found.push_back({app.name, {app.bundleIdentifier, std::nullopt, std::nullopt}, false});
    std::set<std::string> seenIds;
    for (const auto& folder : folders_.applications)
        collect(folder, "", 1, folders_.locale, seenIds, found);
    std::map<std::string, App> hidden;
    for (auto& entry : found)
        keepFirst(entry.noDisplay ? hidden : apps_, std::move(entry));
    for (auto& [name, app] : hidden)
        if (const auto listed = apps_.find(name); listed != apps_.end()) {
            if (!listed->second.icon)
                listed->second.icon = app.icon;
        } else {
            hiddenApps_.emplace(name, std::move(app));
        }
    for (const auto& [name, app] : apps_) {
        names_.push_back(name);
        bundleIDs_.emplace(name, app.identifier);
    }
    sortLocalized(names_);
}

const std::map<std::string, InstalledApps::App>& InstalledApps::apps() {
    scan();
    return apps_;
}

const std::map<std::string, InstalledApps::App>& InstalledApps::hiddenApps() {
    scan();
    return hiddenApps_;
}

const std::vector<std::string>& InstalledApps::names() {
    scan();
    return names_;
}

const std::map<std::string, std::string>& InstalledApps::bundleIDs() {
    scan();
    return bundleIDs_;
}

std::string InstalledApps::name(std::string_view bundleID) {
    for (const auto& app : running_.runningApplications())
        if (app.bundleIdentifier == bundleID) {
            if (app.localizedName)
                return *app.localizedName;
            break;
        }
    for (const auto& [name, identifier] : bundleIDs())
        if (identifier == bundleID)
            return name;
    return std::string(bundleID);
}

std::optional<std::string> InstalledApps::bundleID(std::string_view name) {
    for (const auto& app : running_.runningApplications())
        if (app.localizedName == name) {
            if (app.bundleIdentifier)
                return app.bundleIdentifier;
            break;
        }
    const auto found = bundleIDs().find(std::string(name));
    return found == bundleIDs_.end() ? std::nullopt : std::optional(found->second);
}

std::vector<std::string> InstalledApps::runningApps() {
    std::vector<std::string> names;
    for (const auto& app : running_.runningApplications())
        if (app.activationPolicy == ActivationPolicy::regular && app.localizedName &&
            std::find(names.begin(), names.end(), *app.localizedName) == names.end())
            names.push_back(*app.localizedName);
    sortPlain(names);
    return names;
}

bool InstalledApps::knowsApp(std::string_view name) {
    const std::string key(name);
    if (apps().contains(key))
        return true;
    const auto running = runningApps();
    if (std::find(running.begin(), running.end(), key) != running.end())
        return true;
    return hiddenApps().contains(key);
}

std::optional<std::string> InstalledApps::iconName(std::string_view name) {
    const auto iconOf = [this](std::string_view identifier) -> std::optional<std::string> {
        for (const auto* table : {&apps(), &hiddenApps()})
            for (const auto& [listedName, app] : *table)
                if (app.identifier == identifier && app.icon)
                    return app.icon;
        return std::nullopt;
    };
    for (const auto& app : running_.runningApplications())
        if (app.localizedName == name && app.bundleIdentifier)
            if (auto icon = iconOf(*app.bundleIdentifier))
                return icon;
    const std::string key(name);
    for (const auto* table : {&apps(), &hiddenApps()})
        if (const auto found = table->find(key); found != table->end() && found->second.icon)
            return found->second.icon;
    return std::nullopt;
}

} // namespace quillmere
